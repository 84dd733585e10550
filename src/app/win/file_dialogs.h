// The platform's open and save dialogs for profile and macro files. Filters come as
// "Name(*.ext)|*.ext|" pairs; the default extension with or without its dot.
#pragma once
#include <windows.h>
#include <optional>
#include "platform/wide_text.h"

namespace ko {

struct FileDialogRequest {
  Text filter;
  Text initialName;
  Text defaultExtension;
  Text initialFolder;
};

// The chosen path, nothing when cancelled. The open dialog accepts only existing files;
// the save dialog asks before overwriting.
std::optional<Text> AskFileToOpen(HWND owner, const FileDialogRequest& request);
std::optional<Text> AskFileToSave(HWND owner, const FileDialogRequest& request);

}  // namespace ko
