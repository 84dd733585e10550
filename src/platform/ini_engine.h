// The portable INI engine: the Windows profile-string functions rebuilt on ini::Document,
// one file access per call (load the file, apply one read or write, render). It is what
// portableProfileStrings() returns on both builds; natively it is also the platform's.
#pragma once
#include "platform/ini_document.h"
#include "platform/profile_strings.h"
#include "platform/wide_text.h"

namespace ko::ini {

enum class LoadResult { Loaded, Missing, Unreadable };

// Fills `document` from the file. A missing file (or a missing folder) gives Missing and a
// new, empty document; a path that exists but cannot be read as a file gives Unreadable.
LoadResult loadDocument(TextView path, Document& document);
// Writes the rendered document over the file. False when the file cannot be written; a
// missing folder is not created.
bool saveDocument(TextView path, const Document& document);

}  // namespace ko::ini
