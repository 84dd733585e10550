#include "app/win/macro_page.h"

#include "app/main_window_layouts.h"
#include "app/win/file_dialogs.h"
#include "app/win/hook_library.h"
#include "macro/macro_assignments.h"
#include "settings/service_link.h"
#include "macro/macro_library.h"
#include "macro/win/edit_delay_dlg.h"
#include "macro/win/macro_name_menu.h"
#include "settings/win/rename_profile_dlg.h"
#include "skin/button_face.h"
#include "skin/list_rules.h"
#include "skin/menu_geometry.h"
#include "skin/win/bmp_menu.h"
#include "skin/win/focus_mark.h"
#include "skin/win/gdi_objects.h"
#include "text/interface_text.h"

namespace ko {
namespace {

constexpr UINT kKeystrokeMessage = 2258;
const char16_t kDisplacementCaption[] = u"输入新位移";
// The unit the delay popup asks for; a key of the language file.
const char16_t kDelayCaptionKey[] = u"MS";

const wchar_t* W(const Text& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }

Text WindowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  Text text(static_cast<size_t>(length) + 1, u'\0');
  const int got = GetWindowTextW(window, reinterpret_cast<wchar_t*>(text.data()), length + 1);
  text.resize(got > 0 ? static_cast<size_t>(got) : 0);
  return text;
}

// The macro operations' questions, answered with the real dialogs.
class WindowMacroPrompts final : public MacroPrompts {
 public:
  explicit WindowMacroPrompts(HWND owner) : owner_(owner) {}
  std::optional<Text> askMacroName(TextView current) override {
    CRenameProfileDlg dialog;
    dialog.SetName(current);
    if (dialog.DoModal(owner_) != kDialogOk || dialog.name().empty()) return std::nullopt;
    return dialog.name();
  }
  bool confirmMacroDeletion(TextView warning) override {
    return MessageBoxW(owner_, W(Text(warning)), L"Warning", MB_OKCANCEL) == IDOK;
  }
  std::optional<Text> askMacroFileToImport(const MacroFileDialog& d) override {
    return AskFileToOpen(owner_, FileDialogRequest{d.filter, d.initialName, d.defaultExtension, d.initialFolder});
  }
  std::optional<Text> askMacroExportPath(const MacroFileDialog& d) override {
    return AskFileToSave(owner_, FileDialogRequest{d.filter, d.initialName, d.defaultExtension, d.initialFolder});
  }

 private:
  HWND owner_;
};

}  // namespace

MacroPage::~MacroPage() { namePopup_.reset(); }

const WindowLayout& MacroPage::layout() const { return macroPageLayout(); }

void MacroPage::Build(HWND parent) {
  MainPage::Build(parent);
  CListBoxEx* steps = controls_.list(macro_page::kSteps);
  steps->SetNotifyWindow(parent);
  steps->SetRightClickReportingOff(false);
  for (int index : {macro_page::kDelayField, macro_page::kLoopField}) {
    HWND field = controls_.handle(index);
    SetWindowLongPtrW(field, GWL_STYLE, GetWindowLongPtrW(field, GWL_STYLE) | ES_NUMBER);
    controls_.edit(index)->SetTextColour(Rgb(255, 255, 255));
  }
  SendMessageW(controls_.handle(macro_page::kDelayField), EM_LIMITTEXT, 5, 0);
  SendMessageW(controls_.handle(macro_page::kLoopField), EM_LIMITTEXT, 3, 0);
  SetWindowTextW(controls_.handle(macro_page::kDelayField), L"10");
  for (int index = macro_page::kDelayRecorded; index <= macro_page::kLoop; ++index)
    controls_.button(index)->SetCheckMode(true);
  // The second delay mode's caption is long; in the interface face it needs a smaller size.
  const bool tahoma = equalsNoCase(FaceName(), u"Tahoma");
  controls_.button(macro_page::kDelayFixed)->SetFontHeight(tahoma ? 13 : 15);
  controls_.button(macro_page::kMouseAction)->SetCaption(InterfaceText(u"CLICK"), 0, 1);
  // The fields stand beside the choices whose numbers they hold.
  controls_.edit(macro_page::kDelayField)->SetAccessibleName(controls_.caption(macro_page::kDelayFixed));
  controls_.edit(macro_page::kLoopField)->SetAccessibleName(controls_.caption(macro_page::kLoop));
  steps->SetAccessibleName(InterfaceText(u"NAMESTEPS"));
  // The name field is read with its title before the name it shows ("Macro: Fire").
  controls_.button(macro_page::kMacroName)->SetAccessibleTitle(controls_.caption(macro_page::kNameTitle));
}

MacroEditor& MacroPage::editor() {
  if (!editor_)
    editor_ = std::make_unique<MacroEditor>(window_.macros().document(), MacroStepTexts::from(interfaceTextLookup()));
  return *editor_;
}

void MacroPage::AfterStart() {
  HWND loop = controls_.handle(macro_page::kLoopField);
  SetWindowTextW(loop, L"0");
  EnableWindow(loop, FALSE);
  // The loop field shows the macro's own value once the page is set up.
  if (shown_) ShowCurrentMacro();
}

void MacroPage::Refresh() {
  if (!shown_) {
    shown_ = true;
    SetDelayMode(DelayMode::Measured);
    ShowCurrentMacro();
    return;
  }
  UpdateStates();
}

void MacroPage::ShowCurrentMacro() {
  MacroLibrary& macros = window_.macros();
  editor().show(macros.view());
  const MacroDocument& d = macros.document();
  controls_.button(macro_page::kLoop)->SetChecked(editor().looping());
  SetWindowTextW(controls_.handle(macro_page::kLoopField), W(d.loopText));
  ShowName();
  FillList();
  UpdateStates();
}

void MacroPage::ShowName() {
  const Text& name = window_.macros().document().name;
  controls_.button(macro_page::kMacroName)->SetCaption(name, 0, 1);
  SetTitleText(name);
  RepaintTexts();
}

void MacroPage::FillList() {
  CListBoxEx* list = controls_.list(macro_page::kSteps);
  HWND handle = controls_.handle(macro_page::kSteps);
  SendMessageW(handle, WM_SETREDRAW, FALSE, 0);
  SendMessageW(handle, LB_RESETCONTENT, 0, 0);
  for (const MacroRow& row : editor().rows()) list->AddLine(row.text, static_cast<int32_t>(row.tag));
  list->Select(editor().selectedRow());
  SendMessageW(handle, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(handle, nullptr, TRUE);
  SetCountText(decimal(static_cast<int32_t>(editor().rows().size())));
  RepaintTexts();
}

void MacroPage::RepaintTexts() {
  RECT texts{300, 455, 405, 502};
  InvalidateRect(window_.window(), &texts, FALSE);
}

void MacroPage::UpdateStates() {
  const MacroLibrary& macros = window_.macros();
  const bool recording = recorder_.active();
  // A listed name that cannot have a file is shown, renamed or deleted, never edited.
  const bool editable = macros.currentIsStorable() && !recording;
  const bool current = macros.hasCurrent() && !recording;
  const int selected = editor().selectedRow();
  const int rows = static_cast<int>(editor().rows().size());
  auto enable = [&](int index, bool on) {
    HWND h = controls_.handle(index);
    if (h && (IsWindowEnabled(h) != FALSE) != on) EnableWindow(h, on ? TRUE : FALSE);
  };
  enable(macro_page::kBack, !recording);
  enable(macro_page::kMacroName, !recording && !macros.list().empty());
  enable(macro_page::kNew, !recording && !macros.list().isFull());
  enable(macro_page::kImport, !recording && !macros.list().isFull());
  for (int index : {macro_page::kDelete, macro_page::kRename}) enable(index, current);
  for (int index : {macro_page::kExport, macro_page::kRecord, macro_page::kLoop, macro_page::kStepMenu})
    enable(index, editable);
  enable(macro_page::kStop, recording);
  enable(macro_page::kMouseAction, editable && editor().count() < kMouseActionStepLimit);
  enable(macro_page::kStepUp, editable && selected > 0);
  enable(macro_page::kStepDown, editable && selected >= 0 && selected + 1 < rows);
  enable(macro_page::kStepDelete, editable && selected >= 0);
  for (int index = macro_page::kDelayRecorded; index <= macro_page::kDelayNone; ++index) enable(index, !recording);
  enable(macro_page::kDelayField, !recording && editor().delayMode() == DelayMode::Fixed);
  enable(macro_page::kLoopField, editable && editor().looping());
}

void MacroPage::SetDelayMode(DelayMode mode) {
  editor().setDelayMode(mode);
  controls_.button(macro_page::kDelayRecorded)->SetChecked(mode == DelayMode::Measured);
  controls_.button(macro_page::kDelayFixed)->SetChecked(mode == DelayMode::Fixed);
  controls_.button(macro_page::kDelayNone)->SetChecked(mode == DelayMode::None);
  UpdateStates();
}

void MacroPage::ReadDelayField() { editor().setFixedDelayText(WindowText(controls_.handle(macro_page::kDelayField))); }

void MacroPage::WriteDelayField() {
  HWND field = controls_.handle(macro_page::kDelayField);
  if (WindowText(field) != editor().fixedDelayText()) SetWindowTextW(field, W(editor().fixedDelayText()));
}

void MacroPage::RenameAssignments(const MacroList& before, const Text& oldName) {
  const MacroLibrary& macros = window_.macros();
  const std::vector<ButtonOfProfile> changed =
      RenameMacroAssignments(window_.settings().working(), before, macros.list(), oldName, macros.document().name);
  if (changed.empty()) return;
  // One save for all of them; once it lands the service hears of each button, as after
  // any other change of an assignment.
  std::vector<ServiceNotice> notices;
  for (const ButtonOfProfile& button : changed) notices.push_back(buttonAssignmentNotice(button.profile, button.button));
  window_.settings().save(notices);
}

void MacroPage::PlaceRecordingAfter(int row) {
  recorder_.placeAfter(editor(), row);
  // The list has marked the clicked line itself; it must show where the keys will go.
  controls_.list(macro_page::kSteps)->Select(editor().selectedRow());
}

void MacroPage::OnDeviceNotice() {
  // The popup lists the names as they were: a pick from it after the list is read again
  // would open whatever macro now stands at that position.
  namePopup_.reset();
  // A recording in progress owns the steps until it stops; the file is read again then.
  if (recorder_.active()) return;
  window_.macros().reload();
  ShowCurrentMacro();
}

void MacroPage::KeepAssignmentsOn(const MacroList& before) {
  if (!RemapMacroAssignments(window_.settings().working(), before, window_.macros().list())) return;
  window_.settings().save(settingsAppliedNotice());
  window_.refreshAllPages();
}

void MacroPage::AfterStepsChanged(bool tellService) {
  FillList();
  UpdateStates();
  MacroLibrary& macros = window_.macros();
  if (!macros.hasCurrent() || recorder_.active()) return;  // a recording is saved when it stops
  // The service reads the macro file when told: only a file that was written is announced.
  // One that could not be written is tried again, and announced when it lands.
  if (!macros.saveCurrent(tellService)) {
    window_.retrySavesLater();
    return;
  }
  if (tellService) {
    const int slot = macros.currentSlot();
    if (slot >= 0) window_.settings().announce(macroChangedNotice(slot));
  }
}

void MacroPage::StartRecording(bool insertMode) {
  if (!window_.macros().currentIsStorable()) return;
  ReadDelayField();
  if (insertMode) recorder_.startInsert();
  else recorder_.startFresh(editor());
  window_.hook().Enable(1);
  // Started by a key (Space or Enter on Record or in the step menu): that key's release
  // belongs to no macro.
  bool byKey = false;
  for (const UINT key : {VK_SPACE, VK_RETURN})
    if (GetKeyState(key) < 0) {
      recorder_.skipReleaseOf(key);
      byKey = true;
    }
  FillList();
  UpdateStates();
  // Record turns grey as it starts. Started by a key, the focus goes on to Stop, where the
  // next Space or Enter ends the recording. After a click the focus stays where it was,
  // so a typed Space or Enter is only recorded (see OnOwnKey).
  if (byKey) FocusControl(controls_, macro_page::kStop);
}

void MacroPage::StopRecording() {
  const UINT key = controls_.button(macro_page::kStop)->pressingKey();
  if (key != 0) recorder_.stopByKey(editor(), key);
  else recorder_.stop();
  window_.hook().Enable(0);
  WriteDelayField();
  AfterStepsChanged(false);
  if (key != 0) FocusControl(controls_, macro_page::kRecord);
}

void MacroPage::EditDelay(int row) {
  const std::optional<int32_t> delay = editor().delayOf(row);
  if (!delay) return;
  CEditDelay dialog;
  dialog.SetCaption(InterfaceText(kDelayCaptionKey));
  dialog.SetValue(*delay);
  dialog.SetMaximum(kMaxEditedDelayMs);
  const std::optional<int32_t> value = dialog.Ask(window_.window());
  if (value && editor().setDelay(row, *value)) AfterStepsChanged(false);
}

void MacroPage::EditDisplacement(int row) {
  const std::optional<Displacement> move = editor().displacementOf(row);
  if (!move) return;
  CEditDelay dialog;
  dialog.SetCaption(kDisplacementCaption);
  dialog.SetValue(move->magnitude);
  dialog.SetMaximum(kMaxDisplacement);
  const std::optional<int32_t> value = dialog.Ask(window_.window());
  if (value && editor().setDisplacement(row, *value)) AfterStepsChanged(true);
}

void MacroPage::OpenMenu(int anchorIndex, bool stepMenu, const POINT* at) {
  auto menu = std::make_unique<CBmpMenu>(window_.window());
  const Text& folder = window_.skinFolder();
  menu->SetItemImages(folder + (stepMenu ? u"2menu_normal.png" : u"1menu_normal.png"), folder + u"1menu_over.png",
                      folder + u"1menu_down.png", folder + u"1menu_normal.png");
  if (stepMenu) {
    menu->AddItem(InterfaceText(u"INSERTNEWACT"), step_menu::kInsertNewAction);
    menu->AddItem(InterfaceText(u"COPYACT"), step_menu::kCopy);
    menu->AddItem(InterfaceText(u"CUTACT"), step_menu::kCut);
    menu->AddItem(InterfaceText(u"PASTEACT"), step_menu::kPaste);
  } else {
    static const struct {
      const char16_t* text;
      int32_t command;
    } kActions[] = {{u"CLICK", mouse_action::kClick},         {u"MENU", mouse_action::kMenu},
                    {u"MIDDLE", mouse_action::kMiddle},       {u"MOVELEFT", mouse_action::kMoveLeft},
                    {u"MOVERIGHT", mouse_action::kMoveRight}, {u"MOVEUP", mouse_action::kMoveUp},
                    {u"MOVEDOWN", mouse_action::kMoveDown}};
    for (const auto& action : kActions) menu->AddItem(InterfaceText(action.text), action.command);
  }
  POINT p{};
  if (at) {
    p = *at;
  } else {
    RECT r{};
    GetWindowRect(controls_.handle(anchorIndex), &r);
    p = POINT{r.left, r.bottom};
  }
  menu->SetPosition(p.x, p.y);
  window_.openPopupMenu(std::move(menu));
}

void MacroPage::OnStepMenu(int item) {
  bool changed = false;
  switch (item) {
    case step_menu::kInsertNewAction: StartRecording(true); return;
    case step_menu::kCopy: editor().copySelected(); break;
    case step_menu::kCut: changed = editor().cutSelected(); break;
    case step_menu::kPaste: changed = editor().paste(); break;
    default: return;
  }
  if (changed) AfterStepsChanged(false);
  else UpdateStates();
}

void MacroPage::OnMenuChoice(WPARAM, LPARAM lParam) {
  if (recorder_.active() || !window_.macros().currentIsStorable()) return;
  const int value = HighWord(static_cast<uint32_t>(lParam));
  if (value >= mouse_action::kClick) {
    ReadDelayField();
    const bool inserted = editor().insertMouseAction(value);
    WriteDelayField();
    if (inserted) AfterStepsChanged(true);
    return;
  }
  OnStepMenu(value);
}

void MacroPage::ToggleNamePopup() {
  window_.hook().Enable(0);
  // The command that brought this click has already closed an open popup: then the click
  // only closes it.
  const bool wasOpen = popupClosed_ && popupClosedAt_ == GetMessageTime();
  popupClosed_ = false;
  if (wasOpen || window_.macros().list().empty()) return;
  RECT r{};
  GetWindowRect(controls_.handle(macro_page::kMacroName), &r);
  auto popup = std::make_unique<CMacroNameMenu>(window_.window());
  popup->SetPosition(r.left, r.bottom);
  if (popup->Create(window_.macros().list(), window_.skinFolder())) namePopup_ = std::move(popup);
}

void MacroPage::ClosePopups() {
  if (!namePopup_) return;
  namePopup_.reset();
  popupClosed_ = true;
  popupClosedAt_ = GetMessageTime();
}

bool MacroPage::OnCommand(HWND control) {
  const int index = controls_.indexOf(control);
  if (index < 0) return false;
  // The two fields report every change of their text, from their first one on; the page
  // reads them when it needs their values.
  if (index == macro_page::kDelayField || index == macro_page::kLoopField) return true;
  MacroLibrary& macros = window_.macros();
  WindowMacroPrompts prompts(window_.window());
  const MacroList before = macros.list();
  switch (index) {
    case macro_page::kBack: window_.showPage(page_id::kStart); break;
    case macro_page::kMacroName: ToggleNamePopup(); break;
    case macro_page::kNew:
      window_.hook().Enable(0);
      if (macros.createMacro()) {
        ShowCurrentMacro();
        KeepAssignmentsOn(before);
      }
      break;
    case macro_page::kRename: {
      const Text oldName = macros.document().name;
      if (macros.renameMacro(prompts)) {
        // Only the name changed: the rows, selection and loop switch stay as the user left them.
        ShowName();
        RenameAssignments(before, oldName);
        window_.refreshAllPages();  // the button labels name the macro
      }
      break;
    }
    case macro_page::kDelete:
      if (macros.deleteMacro(prompts)) {
        ShowCurrentMacro();
        KeepAssignmentsOn(before);
      }
      break;
    case macro_page::kImport:
      if (macros.importMacro(prompts)) {
        ShowCurrentMacro();
        KeepAssignmentsOn(before);
      }
      break;
    case macro_page::kExport: macros.exportMacro(prompts); break;
    case macro_page::kRecord: StartRecording(false); break;
    case macro_page::kStop: StopRecording(); break;
    case macro_page::kDelayRecorded: SetDelayMode(DelayMode::Measured); break;
    case macro_page::kDelayFixed: SetDelayMode(DelayMode::Fixed); break;
    case macro_page::kDelayNone: SetDelayMode(DelayMode::None); break;
    case macro_page::kLoop:
      if (!macros.currentIsStorable()) break;
      editor().toggleLoop();
      controls_.button(macro_page::kLoop)->SetChecked(editor().looping());
      SetWindowTextW(controls_.handle(macro_page::kLoopField), W(macros.document().loopText));
      if (!macros.saveCurrent()) window_.retrySavesLater();
      UpdateStates();
      break;
    case macro_page::kStepUp:
      if (editor().moveSelectedUp()) AfterStepsChanged(false);
      break;
    case macro_page::kStepDown:
      if (editor().moveSelectedDown()) AfterStepsChanged(false);
      break;
    case macro_page::kStepDelete:
      if (editor().deleteSelected()) AfterStepsChanged(false);
      break;
    case macro_page::kStepMenu: OpenMenu(macro_page::kStepMenu, true); break;
    case macro_page::kMouseAction: OpenMenu(macro_page::kMouseAction, false); break;
    default: break;
  }
  // Two-state buttons flip themselves on a click; the page decides what they show.
  controls_.button(macro_page::kLoop)->SetChecked(editor().looping());
  const DelayMode mode = editor().delayMode();
  controls_.button(macro_page::kDelayRecorded)->SetChecked(mode == DelayMode::Measured);
  controls_.button(macro_page::kDelayFixed)->SetChecked(mode == DelayMode::Fixed);
  controls_.button(macro_page::kDelayNone)->SetChecked(mode == DelayMode::None);
  return true;
}

std::optional<LRESULT> MacroPage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const int row = static_cast<int>(wParam);
  switch (message) {
    case kKeystrokeMessage: {
      if (!recorder_.active()) return LRESULT{0};
      ReadDelayField();
      const bool recorded = recorder_.keystroke(editor(), static_cast<uint32_t>(wParam), static_cast<uint32_t>(lParam),
                                                GetTickCount());
      WriteDelayField();
      if (recorded) {
        FillList();
        UpdateStates();
      }
      return LRESULT{recorded ? 1 : 0};
    }
    case kListRightClickMessage:
      if (recorder_.active()) {
        PlaceRecordingAfter(row);
        return LRESULT{0};
      }
      if (window_.currentPage() != page_id::kMacros || !window_.macros().currentIsStorable()) return LRESULT{0};
      {
        // The menu acts on the row it was opened on.
        editor().select(row);
        controls_.list(macro_page::kSteps)->Select(editor().selectedRow());
        POINT at{};
        GetCursorPos(&at);
        OpenMenu(macro_page::kSteps, true, &at);
        UpdateStates();
      }
      return LRESULT{0};
    case kListLeftClickMessage:
      if (recorder_.active()) {
        PlaceRecordingAfter(row);
        return LRESULT{0};
      }
      editor().select(row);
      UpdateStates();
      return LRESULT{0};
    case kListDoubleClickMessage:
      if (!recorder_.active()) EditDelay(row);
      return LRESULT{0};
    case kListKindDoubleClickMessage:
      if (!recorder_.active()) EditDisplacement(row);
      return LRESULT{0};
    case kEditKeyMessage:
      if (lParam == control_id::kLoopField && window_.macros().currentIsStorable()) {
        HWND field = controls_.handle(macro_page::kLoopField);
        Text shown;
        if (editor().loopFieldTyped(WindowText(field), shown)) {
          SetWindowTextW(field, W(shown));
          SendMessageW(field, EM_SETSEL, 32767, 32767);
        }
        if (!window_.macros().saveCurrent()) window_.retrySavesLater();
        return LRESULT{0};
      }
      if (lParam == control_id::kDelayField) {
        ReadDelayField();
        return LRESULT{0};
      }
      return std::nullopt;
    case kMacroNameChosenMessage:
      namePopup_.reset();
      if (static_cast<int>(wParam) >= 0 && window_.macros().pick(static_cast<int>(wParam))) ShowCurrentMacro();
      return LRESULT{0};
    default: return std::nullopt;
  }
}

void MacroPage::PaintOver(HDC dc) {
  FontObject font(CreateFontW(15, 0, 0, 0, 400, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                              CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_SWISS,
                              reinterpret_cast<const wchar_t*>(FaceName())));
  SelectedObject selected(dc, font.get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(255, 225, 0));
  const Text count = count_.empty() ? Text(u"0") : count_;
  TextOutW(dc, 305, 459, reinterpret_cast<const wchar_t*>(title_.c_str()), static_cast<int>(title_.size()));
  TextOutW(dc, 305, 483, reinterpret_cast<const wchar_t*>(count.c_str()), static_cast<int>(count.size()));
}

std::vector<KeyGroup> MacroPage::keyGroups() const { return {{macro_page::kDelayRecorded, 3}}; }

int MacroPage::backButton() const { return macro_page::kBack; }

bool MacroPage::OnOwnKey(UINT key, bool, int focused) {
  // While recording, keys are the macro's (the hook has them already): none moves the
  // focus, goes back or presses anything, except Space or Enter on Stop (and Alt+F4).
  if (recorder_.active())
    return !(focused == macro_page::kStop && (key == VK_SPACE || key == VK_RETURN)) && key != VK_F4;
  if (!namePopup_) return false;
  ShowFocusMarks();
  const NameMenuKey taken = namePopup_->OnKey(key);
  if (taken == NameMenuKey::Taken) return true;
  ClosePopups();
  return taken == NameMenuKey::Close;
}

// Delete in the step list removes the selected step, as the button beside the list does.
int MacroPage::buttonForKey(UINT key, int focused) const {
  return key == VK_DELETE && focused == macro_page::kSteps ? macro_page::kStepDelete : -1;
}

}  // namespace ko
