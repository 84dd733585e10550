// The settings routines on real files through the portable INI engine: what a user's
// "Mouse.ini" looks like after start-up and saves, and that no file content can hurt a load.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <memory>
#include <random>
#include <sstream>
#include "platform/service_recorder.h"
#include "settings/factory_assignments.h"
#include "settings/service_events.h"
#include "settings/settings_file.h"
#include "settings/settings_store.h"
#include "support/temp_dir.h"
#include "unit/settings/settings_key_order.h"
#include "unit/settings/silent_service_view.h"
#include "support/key_by_key_settings.h"

namespace ko {
namespace {

std::string readAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

void writeAll(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// The file as text lines, whatever encoding the engine chose for it.
std::vector<std::string> lines(const std::string& bytes) {
  std::string text;
  if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF && static_cast<unsigned char>(bytes[1]) == 0xFE) {
    for (size_t i = 2; i + 1 < bytes.size(); i += 2) text += bytes[i + 1] == 0 ? bytes[i] : '?';
  } else {
    text = bytes;
  }
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) out.push_back(line);
  }
  return out;
}

// "Section/Key" of every key line, in file order.
std::vector<std::string> keysInFile(const std::string& bytes) {
  std::vector<std::string> out;
  std::string section;
  for (const auto& line : lines(bytes)) {
    if (line.front() == '[') section = line.substr(1, line.find(']') - 1);
    else out.push_back(section + "/" + line.substr(0, line.find('=')));
  }
  return out;
}

struct Records {
  std::unique_ptr<SettingsRecord> working = std::make_unique<SettingsRecord>();
  std::unique_ptr<SettingsRecord> buffer = std::make_unique<SettingsRecord>();
};

// After any reload the working record must be usable as it stands.
void expectSound(const SettingsRecord& r) {
  EXPECT_GE(r.Profile, 0);
  EXPECT_LE(r.Profile, 4);
  EXPECT_GE(r.MouseButtons, 1);
  EXPECT_LE(r.MouseButtons, 11);
  EXPECT_TRUE(r.TrayEnabled == 0 || r.TrayEnabled == 1);
  EXPECT_GE(r.PollingRate, 1);
  EXPECT_LE(r.PollingRate, 8);
  for (const auto& p : r.Profiles) {
    EXPECT_EQ(boundedLength(p.Name, kProfileTextUnits) < kProfileTextUnits, true);
    EXPECT_EQ(boundedLength(p.Exe, kProfileTextUnits) < kProfileTextUnits, true);
    for (const auto& a : p.ButtonAssigned) EXPECT_TRUE(a.FunctionCode == 0 || isStorableFunctionCode(a.FunctionCode));
  }
}

TEST(SettingsOnDisk, StartUpWithoutAFileCreatesEveryKeyInSaveOrder) {
  test::TempDir dir;
  const Text path = dir.file(u"Mouse.ini");
  Records r;
  ASSERT_TRUE(reloadSettings(*r.working, *r.buffer, path, kProfileFromFile, portableProfileStrings()));
  const std::string bytes = readAll(dir.fsFile(u"Mouse.ini"));
  EXPECT_EQ(keysInFile(bytes), test::settingsSaveOrder());
  const auto all = lines(bytes);
  auto has = [&](const std::string& line) { return std::find(all.begin(), all.end(), line) != all.end(); };
  EXPECT_TRUE(has("Profile=0"));
  EXPECT_TRUE(has("LeftCount=0"));
  EXPECT_TRUE(has("RightCount=0"));
  EXPECT_TRUE(has("MouseButtons=-1"));
  EXPECT_TRUE(has("PollingRate=-1"));
  EXPECT_TRUE(has("DPI_INFO1=" + std::string(34, 'F').replace(32, 2, "F0")));  // 16 x FF, sum 0xF0
  EXPECT_TRUE(has("[GROUP4]"));
  EXPECT_EQ(r.working->Profile, 0);
  EXPECT_EQ(r.working->MouseButtons, 11);
  EXPECT_EQ(r.working->TrayEnabled, 1);
  EXPECT_EQ(r.working->PollingRate, 2);
  for (const auto& p : r.working->Profiles)
    for (int k = 0; k < kButtonCount; ++k) {
      const ButtonAssignment& a = p.ButtonAssigned[k];
      EXPECT_EQ(a.ButtonNumber, k + 1);
      EXPECT_EQ(a.FunctionCode, kFactoryFunctionCodes[k]);
      EXPECT_EQ(a.ParamA, 1);
      EXPECT_EQ(a.ParamB, 0);
    }
}

TEST(SettingsOnDisk, RecordsAreHexPairsWithAChecksum) {
  test::TempDir dir;
  const Text path = dir.file(u"Mouse.ini");
  auto r = std::make_unique<SettingsRecord>();
  std::memset(r.get(), 0, sizeof(SettingsRecord));
  r->DPI_INFO[1] = DpiInfo{0, 0x0A, 0x0B, 0x0C};
  ASSERT_TRUE(SaveSettings(*r, path, portableProfileStrings()));
  const auto all = lines(readAll(dir.fsFile(u"Mouse.ini")));
  auto has = [&](const std::string& line) { return std::find(all.begin(), all.end(), line) != all.end(); };
  EXPECT_TRUE(has("DPI_INFO1=" + std::string(34, '0')));
  EXPECT_TRUE(has("DPI_INFO2=000000000A0000000B0000000C00000021"));
  auto back = std::make_unique<SettingsRecord>();
  ResetSettings(*back);
  ReadSettingsFile(*back, path, kProfileFromFile, portableProfileStrings());
  EXPECT_EQ(std::memcmp(back.get(), r.get(), sizeof(SettingsRecord)), 0);
}

TEST(SettingsOnDisk, ASaveKeepsWhatOtherWritersPutInTheFile) {
  test::TempDir dir;
  const Text path = dir.file(u"Mouse.ini");
  writeAll(dir.fsFile(u"Mouse.ini"),
           "[Setting]\r\nServiceVersion=3\r\nProfileName=Work\r\nPollingRate=4\r\n"
           "[MACRO_LIST]\r\nMacroSetting_1=Burst\r\n"
           "[GROUP2]\r\nName=Shooter\r\nExe=game.exe\r\nHotkey=F9\r\n");
  Records r;
  reloadSettings(*r.working, *r.buffer, path, kProfileFromFile, portableProfileStrings());
  EXPECT_EQ(r.working->PollingRate, 4);
  EXPECT_EQ(Text(r.working->Profiles[2].Name), u"Shooter");
  r.working->LedColor = 0x123456;
  ASSERT_TRUE(SaveSettings(*r.working, path, portableProfileStrings()));
  const auto all = lines(readAll(dir.fsFile(u"Mouse.ini")));
  for (const char* kept : {"ServiceVersion=3", "ProfileName=Work", "[MACRO_LIST]", "MacroSetting_1=Burst",
                           "Name=Shooter", "Exe=game.exe", "Hotkey=F9", "PollingRate=4", "LedColor=1193046"})
    EXPECT_NE(std::find(all.begin(), all.end(), kept), all.end()) << kept;
}

TEST(SettingsOnDisk, AMissingFolderLoadsDefaultsAndReportsTheFailedSave) {
  test::TempDir dir;
  const Text path = (dir.fsFile(u"absent") / "Mouse.ini").u16string();
  Records r;
  EXPECT_FALSE(reloadSettings(*r.working, *r.buffer, path, kProfileFromFile, portableProfileStrings()));
  expectSound(*r.working);
  EXPECT_FALSE(SaveSettings(*r.working, path));
  EXPECT_FALSE(std::filesystem::exists(dir.fsFile(u"absent")));
}

TEST(SettingsOnDisk, TheServiceIsToldOnlyAfterTheFileHoldsTheChange) {
  test::TempDir dir;
  const Text path = dir.file(u"Mouse.ini");
  ServiceRecorder service;
  SettingsStore store(path, service);
  store.reload(ReloadWhen::Starting);
  service.setSnapshot([&] { return readAll(dir.fsFile(u"Mouse.ini")); });
  test::SilentServiceView view;
  ServiceEvents events(store, view);
  store.working().LedColor = 0x00ABCDEF;
  EXPECT_EQ(events.handle(1034, 0, 12), 0);  // the service asks for the settings to be applied
  ASSERT_EQ(service.messages().size(), 1u);
  EXPECT_EQ(service.messages()[0].message, 1279u);
  const auto seen = lines(service.messages()[0].snapshot);
  EXPECT_NE(std::find(seen.begin(), seen.end(), "LedColor=11259375"), seen.end());
  EXPECT_EQ(keysInFile(service.messages()[0].snapshot), test::settingsSaveOrder());
}

// Files a user may end up with: damaged by a crash, by another program, or by hand.
TEST(SettingsOnDisk, DamagedFilesLoadToSoundValues) {
  std::mt19937 random(77);
  std::string noise(64 * 1024, '\0');
  for (auto& c : noise) c = static_cast<char>(random());
  std::string longLine = "[Setting]\r\nProfile=3\r\nLedMode=" + std::string(1 << 20, '7') + "\r\n[GROUP]\r\nName=" +
                         std::string(5000, 'n') + "\r\n";
  std::string badRecords = "[Setting]\r\nDPI_INFO1=00000000\r\nDPI_INFO2=ZZ" + std::string(32, '0') +
                           "\r\n[GROUP]\r\nButtonAssigned1=" + std::string(1290, 'x') +
                           "\r\nButtonAssigned2=" + std::string(1289, '1') + "\r\nButtonAssigned3=-1\r\n";
  const std::pair<const char*, std::string> files[] = {
      {"random bytes", noise},
      {"a 1 MB line", longLine},
      {"truncated and non-hex records", badRecords},
      {"empty", ""},
      {"only a byte-order mark", "\xFF\xFE"},
      {"odd UTF-16", std::string("\xFF\xFE[\0S\0e\0", 7)},
  };
  for (const auto& [what, bytes] : files) {
    SCOPED_TRACE(what);
    test::TempDir dir;
    const Text path = dir.file(u"Mouse.ini");
    writeAll(dir.fsFile(u"Mouse.ini"), bytes);
    Records r;
    reloadSettings(*r.working, *r.buffer, path, kProfileFromFile, portableProfileStrings());
    expectSound(*r.working);
    // The reload rewrote the file; a second one must read back what the first left.
    Records again;
    reloadSettings(*again.working, *again.buffer, path, kProfileFromFile, portableProfileStrings());
    EXPECT_EQ(std::memcmp(again.working.get(), r.working.get(), sizeof(SettingsRecord)), 0);
  }
}

}  // namespace
}  // namespace ko
