// The macro page: the macro chosen for editing, its steps, recording and the step tools.
// The rules live in MacroLibrary (files and list), MacroEditor (steps) and MacroRecorder
// (keystrokes); the page shows their state and turns clicks and messages into their calls.
#pragma once
#include <memory>
#include "app/win/main_page.h"
#include "macro/macro_editor.h"
#include "macro/macro_recorder.h"
#include "macro/win/macro_name_menu.h"

namespace ko {


class MacroList;

class MacroPage : public MainPage {
 public:
  using MainPage::MainPage;
  ~MacroPage() override;
  const WindowLayout& layout() const override;
  void Build(HWND parent) override;
  void Refresh() override;
  bool OnCommand(HWND control) override;
  std::vector<KeyGroup> keyGroups() const override;
  int backButton() const override;
  int buttonForKey(UINT virtualKey, int focused) const override;
  bool OnOwnKey(UINT virtualKey, bool shift, int focused) override;
  std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnMenuChoice(WPARAM wParam, LPARAM lParam) override;
  void ClosePopups() override;
  void PaintOver(HDC dc) override;
  void AfterStart() override;
  // The device service reported a change: the list and the open macro are read again,
  // unless a recording runs.
  void OnDeviceNotice() override;

  // The two texts the page draws beside its "Macro:" and "Steps:" labels.
  void SetTitleText(Text title) { title_ = std::move(title); }
  void SetCountText(Text count) { count_ = std::move(count); }

 private:
  MacroEditor& editor();
  // After the library opened, made or closed a macro: rows, loop state, title.
  void ShowCurrentMacro();
  // After a rename: the name field and title only.
  void ShowName();
  // Buttons that played the macro under its old name name it by its new one, saved and
  // announced.
  void RenameAssignments(const MacroList& before, const Text& oldName);
  // After the editor changed the steps: list, counter, states, file, and maybe 1300.
  void AfterStepsChanged(bool tellService);
  // Buttons that play a macro keep playing it after the list moved under them.
  void KeepAssignmentsOn(const MacroList& before);
  void FillList();
  void UpdateStates();
  void RepaintTexts();
  void SetDelayMode(DelayMode mode);
  void ReadDelayField();
  void WriteDelayField();
  void OpenMenu(int anchorIndex, bool stepMenu, const POINT* at = nullptr);
  void StartRecording(bool insertMode);
  void StopRecording();
  void EditDelay(int row);
  void EditDisplacement(int row);
  void ToggleNamePopup();
  // A click on the step list while recording: the insertion point follows it.
  void PlaceRecordingAfter(int row);
  void OnStepMenu(int item);

  std::unique_ptr<MacroEditor> editor_;
  std::unique_ptr<CMacroNameMenu> namePopup_;
  bool popupClosed_ = false;  // by the command or click now being handled
  LONG popupClosedAt_ = 0;
  MacroRecorder recorder_;
  bool shown_ = false;  // the library's first macro has been shown
  Text title_;
  Text count_;
};

}  // namespace ko
