// The open window's side of the command line: a command handed over by a second start of
// the program runs as the matching click would, on this window's settings and pages.
#include "app/command_run.h"
#include "app/main_window_layouts.h"
#include "app/win/command_hand_over.h"
#include "app/win/kocfg_dlg.h"
#include "app/win/performance_page.h"
#include "app/win/profile_commands.h"
#include "platform/timing_trace.h"

namespace ko {
namespace {

class OpenWindowTarget final : public CommandTarget {
 public:
  OpenWindowTarget(MainWindowServices& window, PerformancePage& performance)
      : window_(window), performance_(performance) {}
  bool selectProfile(int index) override { return ProfileTabClicked(window_, index); }
  void chooseStage(int index) override { performance_.ChooseStage(index); }
  bool exportTo(TextView path) override { return ExportProfileChosen(window_, path); }
  bool importFrom(TextView path) override { return ImportProfileChosen(window_, path); }

 private:
  MainWindowServices& window_;
  PerformancePage& performance_;
};

}  // namespace

LRESULT CKocfgDlg::OnHandedCommand(LPARAM copyData) {
  const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(copyData);
  if (!data || data->dwData != kCommandHandOverTag) return FALSE;
  const Command command = commandFromHandOver(
      TextView(static_cast<const char16_t*>(data->lpData), data->lpData ? data->cbData / sizeof(char16_t) : 0));
  // As a click does: the popups close first.
  closePopupMenu();
  trace::Action("command line");
  sliderReports_.forget();
  for (auto& page : pages_)
    if (page->built()) page->ClosePopups();
  MainPage& performance = *PageById(page_id::kPerformance);
  if (command.kind == CommandKind::Stage && !performance.built())
    buildPage(performance, PageControls::StatePictures::WhenShown);
  OpenWindowTarget target(*this, static_cast<PerformancePage&>(performance));
  return commandAnswer(runCommand(command, target));
}

}  // namespace ko
