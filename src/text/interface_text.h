// The interface text: every word the program shows that the skin files do not, looked up
// in the language file beside the executable, and the two global buffers every skinned
// window uses (the program folder and the font face name).
#pragma once
#include <cstddef>
#include <functional>
#include "platform/wide_text.h"

namespace ko {

// Section of the language file that holds the interface words.
inline constexpr char16_t kButtonPageSection[] = u"BUTTONPAGE";

// The text of `key` in `section` of the language file; "" when the file is missing or ill
// formed, or the key is not there. The first element named `section` under the root is
// searched, and inside it the sections of that same name nested below it, downwards. The
// file is read again for every lookup.
Text GetXmlText(TextView file, TextView section, TextView key);

// Size of the two global buffers, in UTF-16 units with the terminator.
inline constexpr size_t kGlobalTextUnits = 260;

// The program folder: the executable's folder with a trailing backslash, NUL-terminated.
char16_t* ProgramFolder();
// Takes the folder out of the executable's full path. A folder too long for the buffer is
// replaced by `shortForm` of it (the system's short names for the same folder, with its
// backslash) when that fits; otherwise the buffer is left empty, so that paths built on it
// stay relative to the current directory instead of pointing somewhere else.
void SetProgramFolderFromModulePath(TextView modulePath,
                                    const std::function<Text(const Text&)>& shortForm = nullptr);

// The font face name from "MAIN"/"FONT" of the language file, NUL-terminated.
char16_t* FaceName();
// Longest face name the font system takes (LOGFONT holds 31 units and the terminator).
inline constexpr size_t kMaxFaceNameUnits = 31;
// Reads the face name into its buffer. Blanks around it are dropped; a name the font
// system would cut short is not used at all (the buffer stays empty and the platform's
// default font is used) rather than asking for a different, truncated face.
void LoadFaceName(TextView languageFile);

// The language file of a program folder: folder + "Strings" + "." + "xml".
Text LanguageFilePath(TextView programFolder);
// The language file the interface reads; the main window sets it in its creation step.
void SetLanguageFile(TextView path);
const Text& LanguageFile();
// GetXmlText(LanguageFile(), "BUTTONPAGE", key).
Text InterfaceText(TextView key);

}  // namespace ko
