// The program's settings in one place: the working record every page and command edits,
// the settings file it lives in (with that file's base, see settings_base.h) and the link
// to the device service. A change is stored by `save`, a merge into the file as it is now
// (see SaveSettings), and the service hears of it only once the file holds it. A save that
// cannot land keeps its notices; `retry` (the window's timer) tries it again and, once it
// lands, delivers them in order, each once.
#pragma once
#include <functional>
#include <memory>
#include <optional>
#include <vector>
#include "platform/profile_strings.h"
#include "platform/service_window.h"
#include "platform/wide_text.h"
#include "settings/service_link.h"
#include "settings/settings_file.h"
#include "settings/settings_record.h"

namespace ko {

class SettingsStore {
 public:
  explicit SettingsStore(Text settingsPath, ServiceWindow& service = platformServiceWindow());
  SettingsStore(const SettingsStore&) = delete;
  SettingsStore& operator=(const SettingsStore&) = delete;

  SettingsRecord& working() { return *working_; }
  const SettingsRecord& working() const { return *working_; }
  const Text& path() const { return path_; }
  ServiceWindow& service() { return service_; }

  // The working record from the settings file (see reloadSettingsFrom): at start-up, and
  // when the service reports a change made on the mouse (`ReloadWhen::Running`).
  SettingsReload reload(ReloadWhen when);
  // The working record from another file in the same layout, with `profile` active (an
  // imported profile file). Its settings then go over every key of the settings file at
  // the next save, also where the file holds what the program last saw there.
  SettingsReload importFrom(TextView file, int32_t profile);
  // Only the six stage records, as the service rewrote them. False when unreadable.
  bool reloadDpiInfos();

  // Stores the working record, then tells the service (`notices`, in order). True when the
  // file holds the change; otherwise the notices wait for a save that lands.
  bool save(const std::vector<ServiceNotice>& notices = {});
  bool save(const ServiceNotice& notice) { return save(std::vector<ServiceNotice>{notice}); }
  bool save(const std::optional<ServiceNotice>& notice);
  // The whole working record into another file in the same layout (a profile export);
  // keys of that file the record has no place for stay.
  bool exportTo(TextView file) const;
  // Keys of the settings file outside the record (the macro list, the imported profile's
  // name), changed under the same look as a save. True when the file holds the change.
  bool editFile(const std::function<bool(ProfileStrings&)>& change);
  // A change stored in a file of its own (a macro) that has landed: told at once.
  bool announce(const ServiceNotice& notice);

  // A save did not land: its notices wait, and `retry` should be called later.
  bool waiting() const { return backlog_.waiting(); }
  // Tries the waiting save again. True when nothing waits any more.
  bool retry();
  // Called after every save with whether one still waits (the window starts or stops its
  // retry timer there).
  void onSaved(std::function<void(bool waiting)> listener) { onSaved_ = std::move(listener); }

  // The mouse drops off and comes back after a polling-rate change: the removal that
  // follows is expected, and is no unplugged mouse.
  void expectReconnect(bool expected) { reconnectExpected_ = expected; }
  bool reconnectExpected() const { return reconnectExpected_; }

 private:
  bool saveNow(const std::vector<ServiceNotice>& notices);

  Text path_;
  ServiceWindow& service_;
  NoticeBacklog backlog_;
  // 40 KB each: kept off the stack of whoever owns the store.
  std::unique_ptr<SettingsRecord> working_;
  std::unique_ptr<SettingsRecord> loadBuffer_;
  std::function<void(bool)> onSaved_;
  bool reconnectExpected_ = false;
};

}  // namespace ko
