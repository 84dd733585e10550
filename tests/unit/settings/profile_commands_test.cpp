// Profile tabs and profile files on real files: what "Mouse.ini", the chosen file and the
// device service see after each command.
#include <gtest/gtest.h>

#include <memory>
#include <vector>
#include "settings/profile_commands.h"
#include "platform/profile_file.h"
#include "settings/settings_file.h"
#include "support/store_on_disk.h"

namespace ko {
namespace {

// The window as the profile commands see it: its store on a settings file of its own;
// saves, the notices they delivered and refreshes are remembered in order.
class FakeHost final : public ProfileHost {
 public:
  FakeHost() {
    disk.store.reload(ReloadWhen::Starting);
    disk.store.onSaved([this](bool) {
      events.push_back("save");
      for (const ReceivedServiceMessage& m : disk.service.messages())
        events.push_back("notice " + std::to_string(m.message));
      disk.service.clear();
    });
  }
  SettingsStore& settings() override { return disk.store; }
  SettingsRecord& working() { return disk.working; }
  void refreshAllPages() override { events.push_back("refresh"); }

  test::StoreOnDisk disk;
  std::vector<std::string> events;
};

class ProfileCommandsTest : public ::testing::Test {
 protected:
  Text settingsFile() const { return host_.disk.path; }
  ProfileFile settings() const { return ProfileFile(settingsFile()); }

  FakeHost host_;
  const test::TempDir& dir_ = host_.disk.dir;
};

TEST_F(ProfileCommandsTest, SelectingAProfileSavesAndTellsTheServiceOnce) {
  EXPECT_FALSE(SelectProfile(host_, 0)) << "profile 0 is active after a fresh start";
  EXPECT_FALSE(SelectProfile(host_, 5));
  EXPECT_FALSE(SelectProfile(host_, -1));
  EXPECT_TRUE(host_.events.empty());

  ASSERT_TRUE(SelectProfile(host_, 3));
  EXPECT_EQ(host_.events, (std::vector<std::string>{"refresh", "save", "notice 1298"}));
  EXPECT_EQ(settings().readInt(kSettingSection, u"Profile", -7), 3);
  host_.events.clear();
  EXPECT_FALSE(SelectProfile(host_, 3));
  EXPECT_TRUE(host_.events.empty());
}

TEST_F(ProfileCommandsTest, ExportThenImportBringsTheSettingsBack) {
  host_.working().Profiles[2].ButtonAssigned[4].FunctionCode = 12;
  host_.working().PollingRate = 4;
  SelectProfile(host_, 2);
  const Text exported = dir_.file(u"Work.prof");
  ASSERT_TRUE(ExportProfileFile(host_, exported));
  EXPECT_EQ(ProfileFile(exported).readInt(kSettingSection, u"PollingRate", -7), 4);

  // Changes after the export are undone by the import; the active profile becomes 0.
  host_.working().Profiles[2].ButtonAssigned[4].FunctionCode = 1;
  host_.working().PollingRate = 1;
  host_.events.clear();
  ASSERT_TRUE(ImportProfileFile(host_, exported));
  EXPECT_EQ(host_.events, (std::vector<std::string>{"save", "notice 1279", "refresh"}));
  EXPECT_EQ(host_.working().Profile, 0);
  EXPECT_EQ(host_.working().Profiles[2].ButtonAssigned[4].FunctionCode, 12);
  EXPECT_EQ(host_.working().PollingRate, 4);
  EXPECT_EQ(settings().readString(kSettingSection, kProfileNameKey, u"<none>"), u"Work");
  EXPECT_EQ(settings().readInt(kSettingSection, u"Profile", -7), 0);
  EXPECT_EQ(settings().readInt(kSettingSection, u"PollingRate", -7), 4);
}

TEST_F(ProfileCommandsTest, ImportRewritesTheFileBeforeRepairingTheSettings) {
  const Text file = dir_.file(u"Old.prof");
  ProfileFile(file).writeString(kSettingSection, u"PollingRate", u"0");
  ASSERT_TRUE(ImportProfileFile(host_, file));
  EXPECT_EQ(settings().readInt(kSettingSection, u"PollingRate", -7), 2);
  EXPECT_EQ(ProfileFile(file).readInt(kSettingSection, u"PollingRate", -7), 0);
  EXPECT_EQ(ProfileFile(file).readInt(kSettingSection, u"DoubleClickSpeed", -7), -1)
      << "the missing keys were added to the imported file";
  EXPECT_EQ(settings().readString(kSettingSection, kProfileNameKey, u""), u"Old");
}

// The service wrote a stage unannounced; the import the user chose still lands, also for the
// stage whose imported record equals the one the program last saw in the file.
TEST_F(ProfileCommandsTest, AnImportGoesOverAStageTheServiceWroteMeanwhile) {
  const Text exported = dir_.file(u"Work.prof");
  ASSERT_TRUE(ExportProfileFile(host_, exported));
  const DpiInfo imported = host_.working().DPI_INFO[4];
  const DpiInfo services{0, 11, 11, 11};
  ASSERT_TRUE(settings().writeStruct(kSettingSection, u"DPI_INFO5", &services, sizeof services));
  ASSERT_TRUE(ImportProfileFile(host_, exported));
  DpiInfo inFile{};
  ASSERT_TRUE(settings().readStruct(kSettingSection, u"DPI_INFO5", &inFile, sizeof inFile));
  EXPECT_EQ(inFile.level, imported.level);
}

TEST_F(ProfileCommandsTest, AMissingFileImportsNothing) {
  host_.working().PollingRate = 4;
  EXPECT_FALSE(ImportProfileFile(host_, dir_.file(u"Gone.prof")));
  EXPECT_FALSE(ImportProfileFile(host_, u""));
  EXPECT_TRUE(host_.events.empty());
  EXPECT_EQ(host_.working().PollingRate, 4);
  EXPECT_FALSE(std::filesystem::exists(dir_.fsFile(u"Gone.prof")));
}

TEST(ProfileFileDialogTest, OpensInTheSettingsFolder) {
  const ProfileFileDialog d = profileFileDialog(u"C:\\Users\\u\\AppData\\Mouse.ini");
  EXPECT_EQ(d.filter, u"Profile File(*.prof)|*.prof|");
  EXPECT_EQ(d.initialName, u"*.prof");
  EXPECT_EQ(d.defaultExtension, u".prof");
  EXPECT_EQ(d.initialFolder, u"C:\\Users\\u\\AppData\\");
}

}  // namespace
}  // namespace ko
