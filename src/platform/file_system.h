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
// Names (not paths) of the files directly in a folder, sorted.
std::vector<Text> listFiles(TextView folder);

}  // namespace ko
