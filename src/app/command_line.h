// The program's command line: a profile, a DPI stage, an export or an import done without
// the window, for scripts, game launchers and keyboard shortcuts. Each command does exactly
// what the matching click does; this file reads the words, says what a command's outcome
// means as an exit code, and words the one line a console gets.
//
//   Kocfg.exe /profile N   the profile tab N (1..5)
//   Kocfg.exe /stage N     the DPI stage button N (1..6)
//   Kocfg.exe /export FILE the export button with FILE chosen
//   Kocfg.exe /import FILE the import button with FILE chosen
//   Kocfg.exe /?           the usage
//
// "-" serves as well as "/", and the words are case-blind. Without words the window runs.
#pragma once
#include <functional>
#include <vector>
#include "platform/wide_text.h"

namespace ko {

enum class CommandKind { Window, Usage, Profile, Stage, Export, Import, Wrong };

struct Command {
  CommandKind kind = CommandKind::Window;
  int number = 0;  // Profile and Stage: as typed, 1-based
  Text file;       // Export and Import: as typed (the caller makes it a full path)
};

inline constexpr int kCommandProfiles = 5;
inline constexpr int kCommandStages = 6;

// The words after the program's name.
Command parseCommandLine(const std::vector<Text>& words);

enum class CommandOutcome {
  Done,
  NothingToDo,         // the profile was already the active one
  WrongCommandLine,    // unknown word, number out of range, file missing
  FileFailed,          // the profile file could not be read or written
  SettingsUnreadable,  // the settings could not be read or saved, or the open window did not answer
};

// 0 done or nothing to do, 1 wrong command line, 2 file, 3 settings.
int exitCodeOf(CommandOutcome outcome);

// A command handed to the open window travels as its words, each ended by a NUL, and is
// read there by the same parser.
Text handOverText(const Command& command);
Command commandFromHandOver(TextView text);

// Section of the language file that holds the command line's texts.
inline constexpr char16_t kCommandLineSection[] = u"COMMANDLINE";
// Its keys; every language file answers each of them.
inline constexpr const char16_t* kCommandLineTextKeys[] = {
    u"USAGE", u"WRONG", u"PROFILE", u"PROFILEKEPT", u"STAGE", u"EXPORTED", u"IMPORTED",
    u"NOTWRITTEN", u"NOTREAD", u"SETTINGSUNREADABLE",
};

// The line a console gets for `command` ending in `outcome`, from `text` (key -> language
// text, "%1" standing for the number or file).
Text commandReport(const Command& command, CommandOutcome outcome, const std::function<Text(TextView)>& text);

}  // namespace ko
