#include "app/command_run.h"

#include <memory>
#include "app/settings_session.h"
#include "perf/performance_commands.h"
#include "platform/file_system.h"
#include "settings/profile_commands.h"

namespace ko {
namespace {

// Nothing shows a command run without the window.
class UnseenPerformanceView final : public PerformanceView {
 public:
  void showStageCaption(int, const Text&) override {}
  void showActiveStage(int32_t) override {}
  void showSeparateAxes(bool) override {}
  void setSlider(int, int32_t) override {}
  void showAxisSliders(bool) override {}
  void showAccelerationEnabled(bool) override {}
  void showPollingRate(int32_t) override {}
  void showPointerValue(PointerValue, const Text&) override {}
};

// The settings a windowless command opened, offered to the same rules the window's pages
// call, through the same store.
class OpenedSettings final : public CommandTarget, private ProfileHost {
 public:
  OpenedSettings(const SettingsPlaces& places, ServiceWindow& service)
      : places_(places), settings_(places.settingsFile, service) {
    settings_.onSaved([this](bool waiting) { everySaveLanded_ = everySaveLanded_ && !waiting; });
  }

  bool open(const std::function<bool()>& keepWaiting) {
    return openUserSettings(places_, settings_, keepWaiting).readFile;
  }

  bool selectProfile(int index) override { return SelectProfile(*this, index); }
  void chooseStage(int index) override {
    UnseenPerformanceView view;
    PerformanceCommands(settings_, view, Text()).chooseStage(index);
  }
  bool exportTo(TextView path) override { return ExportProfileFile(*this, path); }
  bool importFrom(TextView path) override { return ImportProfileFile(*this, path); }
  // The rules go on after a save that did not land (the window tries again later); a
  // command ends with it, and must not report it as done.
  bool everySaveLanded() const { return everySaveLanded_; }

 private:
  // ProfileHost
  SettingsStore& settings() override { return settings_; }
  void refreshAllPages() override {}

  SettingsPlaces places_;
  SettingsStore settings_;
  bool everySaveLanded_ = true;
};

Text folderOf(TextView path) {
  const size_t separator = path.find_last_of(u"\\/");
  return separator == TextView::npos ? Text() : Text(path.substr(0, separator + 1));
}

bool couldBeTheCommandsFile(const Command& command) {
  if (command.kind == CommandKind::Import) return fileExists(command.file);
  if (command.kind == CommandKind::Export) {
    const Text folder = folderOf(command.file);
    return (folder.empty() || directoryExists(folder)) && !directoryExists(command.file);
  }
  return true;
}

}  // namespace

CommandOutcome runCommand(const Command& command, CommandTarget& target) {
  switch (command.kind) {
    case CommandKind::Profile:
      return target.selectProfile(command.number - 1) ? CommandOutcome::Done : CommandOutcome::NothingToDo;
    case CommandKind::Stage:
      target.chooseStage(command.number - 1);
      return CommandOutcome::Done;
    case CommandKind::Export:
      return target.exportTo(command.file) ? CommandOutcome::Done : CommandOutcome::FileFailed;
    case CommandKind::Import:
      return target.importFrom(command.file) ? CommandOutcome::Done : CommandOutcome::FileFailed;
    default:
      return CommandOutcome::WrongCommandLine;
  }
}

CommandOutcome runWithoutWindow(const Command& command, const SettingsPlaces& places, ServiceWindow& service,
                                const std::function<bool()>& keepWaiting) {
  const CommandKind kind = command.kind;
  if (kind != CommandKind::Profile && kind != CommandKind::Stage && kind != CommandKind::Export &&
      kind != CommandKind::Import)
    return CommandOutcome::WrongCommandLine;
  if (!couldBeTheCommandsFile(command)) return CommandOutcome::FileFailed;
  auto settings = std::make_unique<OpenedSettings>(places, service);
  if (!settings->open(keepWaiting)) return CommandOutcome::SettingsUnreadable;
  const CommandOutcome outcome = runCommand(command, *settings);
  return settings->everySaveLanded() ? outcome : CommandOutcome::SettingsUnreadable;
}

}  // namespace ko
