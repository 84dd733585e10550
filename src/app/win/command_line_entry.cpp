#include "app/win/command_line_entry.h"

#include <windows.h>
#include <shellapi.h>

#include <vector>

#include "app/command_line.h"
#include "app/command_run.h"
#include "app/win/command_hand_over.h"
#include "app/win/console_line.h"
#include "app/win/kocfg_app.h"
#include "app/win/module_path.h"
#include "app/win/roaming_folder.h"
#include "platform/service_window.h"
#include "platform/timing_trace.h"
#include "text/interface_text.h"

namespace ko {
namespace {

// How long a command waits for its turn: another command holding the settings, or an open
// window still starting (it is found once its title is set).
constexpr DWORD kTurnPatienceMs = 10000;
constexpr DWORD kTurnPauseMs = 20;
// How long an unreadable "Mouse.ini" is tried again before the command gives up.
constexpr DWORD kUnreadableSettingsPatienceMs = 1000;
// The open window carries the command out between two of its messages.
constexpr UINT kAnswerTimeoutMs = 10000;

const wchar_t* W(const Text& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }

std::vector<Text> CommandLineWords() {
  std::vector<Text> words;
  int count = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!argv) return words;
  for (int i = 1; i < count; ++i) words.emplace_back(reinterpret_cast<const char16_t*>(argv[i]));
  LocalFree(argv);
  return words;
}

// A file named relative to the current directory of the one who typed it: the open window
// runs elsewhere and must get the whole path.
Text FullPath(const Text& file) {
  const DWORD units = GetFullPathNameW(W(file), 0, nullptr, nullptr);
  if (units == 0) return file;
  std::wstring full(units, L'\0');
  const DWORD written = GetFullPathNameW(W(file), units, full.data(), nullptr);
  if (written == 0 || written >= units) return file;
  full.resize(written);
  return Text(reinterpret_cast<const char16_t*>(full.c_str()));
}

bool DeadlinePassed(DWORD deadline) { return static_cast<LONG>(GetTickCount() - deadline) >= 0; }

// None when the window went away meanwhile (the command then looks for its turn again).
std::optional<CommandOutcome> HandOver(HWND window, const Command& command) {
  const Text text = handOverText(command);
  COPYDATASTRUCT data{kCommandHandOverTag, static_cast<DWORD>(text.size() * sizeof(char16_t)),
                      const_cast<char16_t*>(text.data())};
  DWORD_PTR answer = 0;
  if (!SendMessageTimeoutW(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG,
                           kAnswerTimeoutMs, &answer)) {
    if (!IsWindow(window)) return std::nullopt;
    return CommandOutcome::SettingsUnreadable;  // the window did not answer
  }
  if (const std::optional<CommandOutcome> outcome = outcomeOfAnswer(static_cast<LRESULT>(answer))) return outcome;
  return IsWindow(window) ? std::optional(CommandOutcome::SettingsUnreadable) : std::nullopt;
}

CommandOutcome RunHere(const Command& command) {
  const DWORD waitUntil = GetTickCount() + kUnreadableSettingsPatienceMs;
  return runWithoutWindow(command, settingsPlacesBelow(RoamingFolder()), platformServiceWindow(), [waitUntil] {
    if (DeadlinePassed(waitUntil)) return false;
    Sleep(50);
    return true;
  });
}

// Whoever holds the single-instance mutex holds the settings: this process, once it can
// create it, or the open window it names.
CommandOutcome CarryOut(const Command& command) {
  const DWORD deadline = GetTickCount() + kTurnPatienceMs;
  for (;;) {
    HANDLE mutex = CreateMutexW(nullptr, FALSE, kInstanceMutexName);
    const bool ours = mutex && GetLastError() != ERROR_ALREADY_EXISTS;
    if (ours) {
      const CommandOutcome outcome = RunHere(command);
      CloseHandle(mutex);
      return outcome;
    }
    if (mutex) CloseHandle(mutex);
    if (HWND window = FindWindowW(nullptr, W(kMainWindowTitle)))
      if (const std::optional<CommandOutcome> outcome = HandOver(window, command)) return *outcome;
    if (DeadlinePassed(deadline)) return CommandOutcome::SettingsUnreadable;
    Sleep(kTurnPauseMs);
  }
}

}  // namespace

std::optional<int> RunCommandLine() {
  Command command = parseCommandLine(CommandLineWords());
  if (command.kind == CommandKind::Window) return std::nullopt;
  trace::Mark("command line read");
  // The line goes out in the interface language, from the language file beside the program.
  SetProgramFolderFromModulePath(ExecutablePath(), ShortPathOf);
  SetLanguageFile(LanguageFilePath(Text(ProgramFolder())));

  CommandOutcome outcome = CommandOutcome::Done;
  if (command.kind == CommandKind::Wrong) {
    outcome = CommandOutcome::WrongCommandLine;
  } else if (command.kind != CommandKind::Usage) {
    if (!command.file.empty()) command.file = FullPath(command.file);
    outcome = CarryOut(command);
  }
  trace::Mark("command carried out");
  WriteConsoleLine(commandReport(command, outcome, [](TextView key) {
    return GetXmlText(LanguageFile(), kCommandLineSection, key);
  }));
  return exitCodeOf(outcome);
}

}  // namespace ko
