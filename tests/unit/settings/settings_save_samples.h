// Records and starting files shared by the tests of the batched save: what a user's
// "Mouse.ini" holds once the device service, an import and a hand edit have all been at it.
#pragma once
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>
#include "settings/settings_file.h"
#include "support/file_bytes.h"

namespace ko::test {

// Every byte drawn from `seed`, then a few scalars set to values a save must write as they
// are (an unset -1, an out-of-range profile).
inline std::unique_ptr<SettingsRecord> randomRecord(unsigned seed) {
  auto r = std::make_unique<SettingsRecord>();
  std::mt19937 random(seed);
  auto* bytes = reinterpret_cast<unsigned char*>(r.get());
  for (size_t i = 0; i < sizeof(SettingsRecord); ++i) bytes[i] = static_cast<unsigned char>(random());
  r->Profile = static_cast<int32_t>(seed % 7);
  r->PollingRate = -1;
  return r;
}

struct StartingFile {
  const char* what;
  std::string bytes;
  // Wine's profile functions rewrite the whole file (blank lines and spacing go, comments
  // move); such a file is compared with the Windows functions only on Windows itself.
  bool wineKeepsIt;
};

// Section "Setting" with the service's own keys, a profile section with Name and Exe, the
// macro list and a section only the service knows.
constexpr char kOtherWriters[] =
    "[Setting]\r\nLeftCount=1234\r\nRightCount=56\r\nServiceVersion=3\r\nProfileName=Work\r\nPollingRate=4\r\n"
    "[MACRO_LIST]\r\nMacroSetting_1=Burst\r\nMacroSetting_2=Reload\r\n"
    "[GROUP2]\r\nName=Shooter\r\nExe=C:\\Games\\shooter.exe\r\nDPI=2\r\n"
    "[ServiceState]\r\nLastSeen=20240101\r\n";

// The same, as a person editing the file by hand leaves it.
constexpr char kHandEdited[] =
    "; written by the device service\r\n"
    "\r\n"
    "[ Setting ]\r\n"
    "LeftCount = 1234\r\n"
    "  RightCount=56   \r\n"
    "; the service's own\r\n"
    "ServiceVersion =3\r\n"
    "\r\n"
    "\r\n"
    "[MACRO_LIST]\r\n"
    "MacroSetting_1=  Burst  \r\n"
    "\t; tabbed comment\r\n"
    "[group2]\r\n"
    "name=Shooter\r\n"
    "EXE=C:\\Games\\shooter.exe\r\n"
    "\r\n"
    "[ServiceState]\r\n"
    "LastSeen=20240101";  // no line break at the end

inline std::vector<StartingFile> startingFiles() {
  return {
      {"ANSI, other writers' keys", kOtherWriters, true},
      {"UTF-16, other writers' keys", utf16File(kOtherWriters), true},
      {"UTF-16 with text beyond ANSI", utf16File("[Setting]\r\nProfileName=Caf\xC3\xA9 \xE2\x82\xAC \xE6\x97\xA5\r\n"
                                                 "[GROUP1]\r\nName=\xCE\xA9mega\r\n"),
       true},
      {"ANSI, hand edited", kHandEdited, false},
      {"UTF-16, hand edited", utf16File(kHandEdited), false},
      {"LF line breaks, a section twice",
       "[Setting]\nProfile=1\n[GROUP]\nDPI=3\n[Setting]\nProfile=9\nExtra=1\n", false},
      {"UTF-16 with an odd last byte", utf16File(kOtherWriters) + "\x41", false},
      {"ANSI with high and control bytes", std::string("[Setting]\r\nNote=\x80\x9F\xFF\x01\x7F\r\n[Odd\x81]\r\nk=v\r\n"),
       false},
  };
}

}  // namespace ko::test
