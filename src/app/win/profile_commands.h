// The profile commands of the main window: the five profile tabs of the button page and
// the import and export tabs of the start page, with the platform's file dialogs.
#pragma once
#include "app/win/main_window_services.h"

namespace ko {

// A click on profile tab `profileIndex` (0..4); false when it was the active one.
bool ProfileTabClicked(MainWindowServices& window, int profileIndex);
void ImportProfileClicked(MainWindowServices& window);
void ExportProfileClicked(MainWindowServices& window);
// What follows the dialogs' OK, also for a path the command line gives; false when the
// file could not be read or written.
bool ImportProfileChosen(MainWindowServices& window, TextView path);
bool ExportProfileChosen(MainWindowServices& window, TextView path);

}  // namespace ko
