// Whole-file and folder operations on UTF-16 paths, the same on both builds.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>
#include "platform/wide_text.h"

namespace ko {

bool readFileBytes(TextView path, std::string& bytes);
// Creates or truncates the file. False when it cannot be written.
bool writeFileBytes(TextView path, const std::string& bytes);
bool fileExists(TextView path);
// Whether anything (file or folder) has that name, asked without opening it: on Windows
// the C library's stat opens the file, which fails while another program holds it without
// sharing, and such a file must not pass for a missing one.
bool entryExists(TextView path);
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

// How one attempt at the atomic replace ended. InUse: another program has the file open
// without delete sharing (the profile functions open it that way while they read or write
// it), so its name cannot be taken over just now; trying again shortly may succeed.
enum class ReplaceAttempt { Replaced, InUse, Failed };
ReplaceAttempt tryReplaceFile(TextView path, const std::string& bytes);
// Writes `bytes` into the existing file itself, opened with read and write sharing as the
// profile functions open it, and cuts it to their length. Not atomic: the fallback for a
// file another program keeps open. False when the file is missing or cannot be written.
bool overwriteInPlace(TextView path, const std::string& bytes);
// What the in-place write first puts into a file now `oldSize` bytes long: `bytes`, padded
// with empty lines (in the file's own encoding) to at least that length. A reader between
// that write and the cut to the new length then meets the new contents and blank lines,
// never the new contents followed by the old file's tail.
std::string paddedToLength(const std::string& bytes, uint64_t oldSize);
// The settings writers' save: the atomic replace, retried while the file is in use for at
// most about `patienceMs`, then the in-place write, so the change lands either way. True
// only when the file holds `bytes`.
bool replaceFileContents(TextView path, const std::string& bytes, int patienceMs = 250);
// Its steps, apart so the waiting rule can be tried without a second program.
bool replaceWithPatience(const std::function<ReplaceAttempt()>& attempt, const std::function<bool()>& inPlace,
                         int patienceMs, const std::function<void(int)>& pause);
// The temporary files replaceFileAtomically makes are named "<file>.~<process>-<n>.tmp".
bool isReplaceTemporaryName(TextView fileName);
// Puts in place the new text of every save into a file of `folder` that a killed process
// left mid-way through its write (the journals "<file>.~<process>-<n>.pending"), and removes
// the journals. Returns how many files were finished.
int finishInterruptedSaves(TextView folder);
// Removes the temporary files a save ended mid-way (a killed process) left in `folder`.
// Returns how many were removed.
int removeStrayReplaceFiles(TextView folder);

// Names (not paths) of the files directly in a folder, sorted.
std::vector<Text> listFiles(TextView folder);

}  // namespace ko
