// dialog_probe <key|gunfire|xshoot|dpishift> <button 0..10> <settings file> <program folder>
//
// Loads the settings file, opens the dialog for the button of the active profile over an
// owner window titled "Dialog probe", and after OK sets the function code as the
// assignment menu does and saves the file. The outcome goes to the file "probe.log" beside
// the settings file: "result 1" or "result 2" (and "choice N" for the DPI shift).
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <memory>
#include <string>

#include "assign/parameter_rules.h"
#include "assign/win/dpi_shift_dlg.h"
#include "assign/win/gunfire_dlg.h"
#include "assign/win/key_ex_dlg.h"
#include "assign/win/xshoot_dlg.h"
#include "settings/settings_file.h"
#include "skin/skin_files.h"
#include "skin/win/skin_image.h"
#include "text/interface_text.h"

namespace {

using namespace ko;

Text T(const wchar_t* s) { return Text(reinterpret_cast<const char16_t*>(s)); }

void writeLog(const Text& settingsFile, const std::string& line) {
  Text folder = settingsFile.substr(0, settingsFile.find_last_of(u"\\/") + 1);
  const Text log = folder + u"probe.log";
  FILE* f = _wfopen(reinterpret_cast<const wchar_t*>(log.c_str()), L"ab");
  if (!f) return;
  std::fputs((line + "\n").c_str(), f);
  std::fclose(f);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (!argv || argc < 5) return 2;
  const std::wstring kind = argv[1];
  const int button = _wtoi(argv[2]);
  const Text settingsFile = T(argv[3]);
  Text programFolder = T(argv[4]);
  if (!programFolder.empty() && programFolder.back() != u'\\') programFolder += u'\\';

  GdiplusSession gdiplus;
  SetProgramFolderFromModulePath(programFolder + u"Kocfg.exe");
  const Text languageFile = LanguageFilePath(programFolder);
  SetLanguageFile(languageFile);
  LoadFaceName(languageFile);

  auto loaded = std::make_unique<SettingsRecord>();
  auto working = std::make_unique<SettingsRecord>();
  ResetSettings(*loaded);
  LoadSettings(*loaded, settingsFile, kProfileFromFile);
  ValidateSettings(*working, *loaded);

  HWND owner = CreateWindowExW(WS_EX_APPWINDOW, L"STATIC", L"Dialog probe", WS_POPUP | WS_VISIBLE, 420, 300, 60, 40,
                               nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  ButtonAssignment& target = working->Profiles[working->Profile].ButtonAssigned[button];
  int result = -1;
  if (kind == L"key") {
    CKeyExDlg dialog(*working, button);
    result = dialog.DoModal(owner);
    if (result == kDialogOk) target.FunctionCode = 5;
  } else if (kind == L"gunfire") {
    CGunfireDlg dialog(*working, button);
    result = dialog.DoModal(owner);
    if (result == kDialogOk) target.FunctionCode = kRapidFireCode;
  } else if (kind == L"xshoot") {
    CXShoot dialog(*working, button);
    result = dialog.DoModal(owner);
  } else if (kind == L"dpishift") {
    CDPIShift dialog;
    result = dialog.DoModal(owner);
    if (result == kDialogOk) {
      target.FunctionCode = kDpiShiftCode;
      target.ParamA = static_cast<uint8_t>(dialog.choice());
      writeLog(settingsFile, "choice " + std::to_string(dialog.choice()));
    }
  }
  // As after every choice of the menu, confirmed or not, the file is written.
  SaveSettings(*working, settingsFile);
  writeLog(settingsFile, "result " + std::to_string(result));
  DestroyWindow(owner);
  LocalFree(argv);
  return 0;
}
