// Whole-file and folder operations on UTF-16 paths, the same on both builds.
#pragma once
#include <string>
#include <vector>
#include "platform/wide_text.h"

namespace ko {

bool readFileBytes(TextView path, std::string& bytes);
// Creates or truncates the file. False when it cannot be written.
bool writeFileBytes(TextView path, const std::string& bytes);
bool fileExists(TextView path);
bool directoryExists(TextView path);
// Creates the folder and any missing parents; true when it exists afterwards.
bool createDirectories(TextView path);
bool deleteFile(TextView path);
// Copies source over target (CopyFileW with overwriting allowed).
bool copyFile(TextView source, TextView target);
// Puts `bytes` in place of the file in one step: they are written to a new file beside it
// (same folder, temporary name), flushed to the disk, and that file then takes the old
// one's place, so a reader or a crash at any moment finds either the old file whole or the
// new one whole. A file that does not exist yet is created the same way. False when the
// folder is missing or not writable, or the file is marked read-only: the old file is then
// untouched and no temporary file is left behind.
bool replaceFileAtomically(TextView path, const std::string& bytes);
// Names (not paths) of the files directly in a folder, sorted.
std::vector<Text> listFiles(TextView folder);

}  // namespace ko
