// Kocfg.exe: the configuration program of the VX48K2 Gaming Mouse.
#include <windows.h>

#include "app/win/kocfg_app.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  ko::CKocfgApp app;
  app.InitInstance();
  return app.ExitInstance();
}
