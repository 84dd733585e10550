// Carrying a command out: on the open window (which does what its own click does) or, with
// the window closed, on the settings the command opens itself exactly as the window opens
// them. Either way the click's own code runs, so the file and the notice are the click's.
#pragma once
#include <functional>
#include "app/command_line.h"
#include "app/settings_places.h"
#include "platform/service_window.h"

namespace ko {

// What a command acts on.
class CommandTarget {
 public:
  virtual ~CommandTarget() = default;
  // The profile tab `index` (0..4); false when that profile was the active one already.
  virtual bool selectProfile(int index) = 0;
  // The DPI stage button `index` (0..5).
  virtual void chooseStage(int index) = 0;
  // The export and import buttons with `path` chosen in their dialogs; false when the file
  // could not be written or read (nothing was changed then).
  virtual bool exportTo(TextView path) = 0;
  virtual bool importFrom(TextView path) = 0;
};

// Profile, Stage, Export and Import; any other kind is a wrong command line.
CommandOutcome runCommand(const Command& command, CommandTarget& target);

// With the window closed. A file that cannot be the command's (an import that is not
// there, an export into a folder that is not) is refused before the settings are opened,
// so that a failed command changes nothing; `keepWaiting` is asked while "Mouse.ini" cannot
// be read, and when it gives up the command ends with SettingsUnreadable, as it does when
// its save of "Mouse.ini" did not land (nothing was sent then).
CommandOutcome runWithoutWindow(const Command& command, const SettingsPlaces& places, ServiceWindow& service,
                                const std::function<bool()>& keepWaiting);

}  // namespace ko
