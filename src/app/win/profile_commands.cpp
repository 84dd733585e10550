#include "app/win/profile_commands.h"

#include "app/win/file_dialogs.h"
#include "settings/profile_commands.h"

namespace ko {
namespace {

// The window seen as the profile rules want it.
class WindowProfileHost final : public ProfileHost {
 public:
  explicit WindowProfileHost(MainWindowServices& window) : window_(window) {}
  SettingsStore& settings() override { return window_.settings(); }
  void refreshAllPages() override { window_.refreshAllPages(); }

 private:
  MainWindowServices& window_;
};

FileDialogRequest profileDialogRequest(MainWindowServices& window) {
  const ProfileFileDialog d = profileFileDialog(window.settings().path());
  return FileDialogRequest{d.filter, d.initialName, d.defaultExtension, d.initialFolder};
}

}  // namespace

bool ProfileTabClicked(MainWindowServices& window, int profileIndex) {
  WindowProfileHost host(window);
  if (SelectProfile(host, profileIndex)) return true;
  // A click on the active tab would leave it looking released; the refresh shows it again.
  window.refreshAllPages();
  return false;
}

void ImportProfileClicked(MainWindowServices& window) {
  const std::optional<Text> path = AskFileToOpen(window.window(), profileDialogRequest(window));
  if (path) ImportProfileChosen(window, *path);
}

void ExportProfileClicked(MainWindowServices& window) {
  const std::optional<Text> path = AskFileToSave(window.window(), profileDialogRequest(window));
  if (path) ExportProfileChosen(window, *path);
}

bool ImportProfileChosen(MainWindowServices& window, TextView path) {
  WindowProfileHost host(window);
  return ImportProfileFile(host, path);
}

bool ExportProfileChosen(MainWindowServices& window, TextView path) {
  WindowProfileHost host(window);
  return ExportProfileFile(host, path);
}

}  // namespace ko
