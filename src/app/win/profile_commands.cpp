#include "app/win/profile_commands.h"

#include "app/win/file_dialogs.h"
#include "settings/profile_commands.h"

namespace ko {
namespace {

// The window seen as the profile rules want it.
class WindowProfileHost final : public ProfileHost {
 public:
  explicit WindowProfileHost(MainWindowServices& window) : window_(window) {}
  SettingsRecord& working() override { return window_.working(); }
  SettingsRecord& loadBuffer() override { return window_.loadBuffer(); }
  const Text& settingsPath() const override { return window_.settingsPath(); }
  bool saveAndNotify(const std::optional<ServiceNotice>& notice) override { return window_.saveAndNotify(notice); }
  void refreshAllPages() override { window_.refreshAllPages(); }

 private:
  MainWindowServices& window_;
};

FileDialogRequest profileDialogRequest(MainWindowServices& window) {
  const ProfileFileDialog d = profileFileDialog(window.settingsPath());
  return FileDialogRequest{d.filter, d.initialName, d.defaultExtension, d.initialFolder};
}

}  // namespace

void ProfileTabClicked(MainWindowServices& window, int profileIndex) {
  WindowProfileHost host(window);
  // A click on the active tab would leave it looking released; the refresh shows it again.
  if (!SelectProfile(host, profileIndex)) window.refreshAllPages();
}

void ImportProfileClicked(MainWindowServices& window) {
  const std::optional<Text> path = AskFileToOpen(window.window(), profileDialogRequest(window));
  if (!path) return;
  WindowProfileHost host(window);
  ImportProfileFile(host, *path);
}

void ExportProfileClicked(MainWindowServices& window) {
  const std::optional<Text> path = AskFileToSave(window.window(), profileDialogRequest(window));
  if (!path) return;
  WindowProfileHost host(window);
  ExportProfileFile(host, *path);
}

}  // namespace ko
