// Start-up's reload of "Mouse.ini". The device service writes the same file and may hold
// it at any moment, so start-up neither takes a file it cannot read for an empty one nor
// lets factory values replace anything the file holds: a new installation (no file yet)
// and a damaged file get factory values exactly where nothing valid was read, and values
// the service or an earlier run stored stay as they are.
#pragma once
#include <functional>
#include "platform/profile_strings.h"
#include "platform/wide_text.h"
#include "settings/settings_record.h"
#include "settings/settings_store.h"

namespace ko {

// True when section "Setting" of the file names no active profile: the file is missing,
// unreadable, or was never written by the program or the device service.
bool holdsNoSettings(TextView settingsPath, ProfileStrings& strings = platformProfileStrings());

// Gives every field the reload left unset (-1, or a stage or lighting record that was not
// read) its factory value; read values, the counters and the assignments (validation has
// repaired those) stay. True when anything was filled.
bool fillUnsetFromFactory(SettingsRecord& working);

struct StartupSettings {
  bool readFile = false;  // false: the file stayed unreadable; factory values, nothing written
  bool filled = false;    // factory values went into unset fields
  bool saved = false;     // the file was rewritten
};

// The reload of start-up. While the file exists but cannot be read, `keepWaiting` is asked
// (it pauses and says whether to try again); when it gives up, the program runs on factory
// values without writing the file.
StartupSettings loadStartupSettings(SettingsStore& settings, const std::function<bool()>& keepWaiting);

}  // namespace ko
