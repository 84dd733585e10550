// What the main window offers its pages: the settings, the paths, page switching, the
// one popup menu, the save-then-notify order and the confirmations. Pages hold a
// reference to it and never to the window class itself.
#pragma once
#include <windows.h>
#include <memory>
#include <optional>
#include <vector>
#include "platform/service_window.h"
#include "platform/wide_text.h"
#include "settings/service_link.h"
#include "settings/settings_record.h"

namespace ko {

class CBmpMenu;
class HookLibrary;
class MacroLibrary;
class ServiceEvents;

class MainWindowServices {
 public:
  virtual ~MainWindowServices() = default;

  virtual HWND window() const = 0;
  virtual SettingsRecord& working() = 0;
  virtual SettingsRecord& loadBuffer() = 0;
  virtual const Text& settingsPath() const = 0;
  virtual const Text& macroFolder() const = 0;
  virtual const Text& skinFolder() const = 0;

  virtual int currentPage() const = 0;
  virtual void showPage(int page) = 0;
  virtual void refreshAllPages() = 0;

  // The order every command keeps: find the service window, save the whole working record,
  // then deliver `notice` when the window was found. Returns whether the save succeeded.
  // A save that does not land keeps its notice and is tried again on a timer; the notice
  // goes out once a save lands (see NoticeBacklog).
  virtual bool saveAndNotify(const std::optional<ServiceNotice>& notice) = 0;
  virtual bool saveAndNotifyEach(const std::vector<ServiceNotice>& notices) = 0;
  virtual ServiceWindow& service() = 0;
  virtual ServiceEvents& serviceEvents() = 0;
  // A save outside the record failed (a macro file): the window tries it again on its
  // timer, as it does a settings save.
  virtual void retrySavesLater() = 0;

  // The one skinned popup menu that may be open: opening one closes the one before.
  virtual void openPopupMenu(std::unique_ptr<CBmpMenu> menu) = 0;
  virtual void closePopupMenu() = 0;
  virtual bool popupMenuOpen() const = 0;

  virtual MacroLibrary& macros() = 0;
  virtual const HookLibrary& hook() const = 0;

  // "WARN1" / "WARN2" of section "BUTTONPAGE" in a "Warning" box with OK and Cancel.
  virtual bool confirm(const char16_t* key) = 0;
  // "WARN3": a notice with OK only.
  virtual void notice(const char16_t* key) = 0;
};

}  // namespace ko
