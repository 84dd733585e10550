// The settings file the service reads after each message: where it is and what it holds.
#pragma once
#include <optional>
#include <string>

#include "log_line.h"

namespace service_sim {

// "<folder>\Mouse.ini"; with an empty folder the user's own, under the roaming
// application-data folder, as the configuration program places it.
std::wstring settingsFilePath(const std::wstring& folder);

// Digest and size of the whole file; empty when it does not exist or cannot be read.
std::optional<FileDigest> digestFile(const std::wstring& path);

}  // namespace service_sim
