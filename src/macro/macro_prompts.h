// The questions the macro operations put to the user: the rename dialog, the delete
// confirmation and the open and save file dialogs. The main window answers them with real
// dialogs; tests answer them with a recorder.
#pragma once
#include <optional>
#include "platform/wide_text.h"

namespace ko {

// What the macro file dialogs are opened with.
struct MacroFileDialog {
  Text filter;            // "<MACROFILENAME>(*.macro)|*.macro|"
  Text initialName;       // "*.macro"
  Text defaultExtension;  // ".macro"
  Text initialFolder;     // "<program folder><MACRO>\"
};

class MacroPrompts {
 public:
  virtual ~MacroPrompts() = default;
  // The name dialog pre-filled with `current`; nothing when cancelled.
  virtual std::optional<Text> askMacroName(TextView current) = 0;
  // The "Warning" box with OK and Cancel showing `warning`; true for OK.
  virtual bool confirmMacroDeletion(TextView warning) = 0;
  // The open-file dialog; the chosen path, nothing when cancelled.
  virtual std::optional<Text> askMacroFileToImport(const MacroFileDialog& dialog) = 0;
  // The save-file dialog (it confirms overwriting itself); nothing when cancelled.
  virtual std::optional<Text> askMacroExportPath(const MacroFileDialog& dialog) = 0;
};

}  // namespace ko
