// Kocfg.exe: the configuration program of the VX48K2 Gaming Mouse.
#include <windows.h>

#include "app/win/command_line_entry.h"
#include "app/win/kocfg_app.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  // A command on the command line is carried out without a window.
  if (const std::optional<int> exitCode = ko::RunCommandLine()) return *exitCode;
  ko::CKocfgApp app;
  app.InitInstance();
  return app.ExitInstance();
}
