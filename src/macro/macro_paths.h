// Where macros live and which names can be macro names. A macro named N is the file
// "<macro folder>N.macro", so a name is also a file name and must stay one.
#pragma once
#include "platform/file_title.h"  // fileTitleOf, for names taken from macro files
#include "platform/wide_text.h"

namespace ko {

constexpr char16_t kMacroExtension[] = u".macro";
// Longest path the platform's file and profile functions take (MAX_PATH less the NUL).
constexpr size_t kMaxPathUnits = 259;

// The macro folder of a settings folder (given with its trailing separator).
Text macroFolderOf(TextView settingsFolder);
// "<folder><name>.macro".
Text macroFilePath(TextView macroFolder, TextView name);

// A name can be a macro name when it is a plain file name the file system keeps as it is:
// not empty, no folder separators or other characters Windows refuses (\ / : * ? " < > |
// and control characters), no blanks or quotes at either end (the settings file would lose them),
// not only dots, no device name (CON, NUL, COM1, ...), no unpaired surrogate, short enough
// for a button's assignment record, and short enough that its file path in `macroFolder`
// still fits the platform's path limit.
bool isUsableMacroName(TextView name, TextView macroFolder);

}  // namespace ko
