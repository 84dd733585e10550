// The base of each settings file: the stored text of every setting key as the program
// last read it from that file or wrote it there. The device service writes the same file
// at any moment, so a save does not write the record back whole: it puts into the file as
// it is now only the keys whose value in the record differs from the base (the ones the
// program changed since), and every other key stays as the file holds it. A key's stored
// text is made from its bytes in the record alone, so the base is kept as those bytes.
#pragma once
#include <optional>
#include <string>
#include <vector>
#include "platform/wide_text.h"
#include "settings/settings_record.h"

namespace ko {

// Per key of settingKeys(), in its order: whether the record's value is not the base's
// (every key of a file the program has no base for).
std::vector<bool> changedSinceBase(TextView path, const SettingsRecord& record);
// The record's values become the base, for every key or for the keys marked in `only`.
void rememberBase(TextView path, const SettingsRecord& record);
void rememberBase(TextView path, const SettingsRecord& record, const std::vector<bool>& only);
// The base's stored text of each key (nothing for a key it has none of).
std::vector<std::optional<Text>> baseTexts(TextView path);
// The file's bytes as the program last read or wrote them whole: a save that finds
// anything else knows another program has written the file since.
void rememberLastBytes(TextView path, std::string bytes);
bool isLastBytes(TextView path, const std::string& bytes);
// The next save to that file writes every key (an export writes the whole record).
void forgetBase(TextView path);

}  // namespace ko
