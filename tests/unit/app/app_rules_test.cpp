// The main window's own rules: where settings live (and that their folders exist before
// the first save), restore-all, the web command line, the page tables' integrity.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <vector>

#include "app/first_start.h"
#include "app/main_window_layouts.h"
#include "app/restore_all.h"
#include "app/settings_places.h"
#include "app/web_command.h"
#include "platform/file_system.h"
#include "platform/profile_file.h"
#include "settings/factory_assignments.h"
#include "settings/settings_file.h"
#include "support/temp_dir.h"
#include "support/key_by_key_settings.h"

namespace ko {
namespace {

TEST(SettingsPlaces, FolderFileAndMacroFolderBelowRoaming) {
  const SettingsPlaces p = settingsPlacesBelow(u"C:\\Users\\me\\AppData\\Roaming");
  EXPECT_EQ(p.folder, u"C:\\Users\\me\\AppData\\Roaming\\VX48K2\\RoduraZoviv\\");
  EXPECT_EQ(p.settingsFile, p.folder + u"Mouse.ini");
  EXPECT_EQ(p.macroFolder, p.folder + u"Macro\\");
  // Without a roaming folder the paths have no folder part and nothing is created.
  const SettingsPlaces bare = settingsPlacesBelow(u"");
  EXPECT_EQ(bare.settingsFile, u"Mouse.ini");
  EXPECT_FALSE(ensureSettingsFolders(bare));
}

// A first start on a machine where the folders don't exist yet: without creating them,
// every save of the session would fail and each change would be lost.
TEST(SettingsPlaces, MissingFoldersAreCreatedSoTheFirstSaveLands) {
  test::TempDir roaming;
  Text base = roaming.folder();
  base.pop_back();  // the shell reports the folder without its trailing separator
  const SettingsPlaces p = settingsPlacesBelow(base);
  ASSERT_FALSE(directoryExists(p.folder));
  ASSERT_TRUE(ensureSettingsFolders(p));
  EXPECT_TRUE(directoryExists(p.folder));
  EXPECT_TRUE(directoryExists(p.macroFolder));
  EXPECT_TRUE(ensureSettingsFolders(p)) << "a second start finds them in place";

  SettingsRecord working{}, buffer{};
  EXPECT_TRUE(reloadSettings(working, buffer, p.settingsFile, kProfileFromFile));
  EXPECT_TRUE(fileExists(p.settingsFile));
}

TEST(RestoreAll, EveryProfileGetsItsFactoryAssignmentsAndTheFirstIsActive) {
  SettingsRecord record{};
  ApplyFactoryDefaults(record, 0);
  record.Profile = 3;
  for (ProfileRecord& profile : record.Profiles) {
    profile.ButtonAssigned[0].FunctionCode = 2;  // left button made a right click
    profile.DPI = 5;
  }
  record.LedColor = 0x123456;
  restoreAllProfiles(record);
  EXPECT_EQ(record.Profile, 0);
  SettingsRecord expected{};
  for (int k = 0; k < kProfileCount; ++k) ApplyFactoryDefaults(expected, k);
  for (int k = 0; k < kProfileCount; ++k) {
    SCOPED_TRACE(k);
    EXPECT_EQ(0, std::memcmp(&record.Profiles[k].ButtonAssigned, &expected.Profiles[k].ButtonAssigned,
                             sizeof record.Profiles[k].ButtonAssigned));
  }
  EXPECT_EQ(record.LedColor, expected.LedColor);
  EXPECT_EQ(record.DPI, expected.DPI);
}

// The user asked for the factory stages: one the service wrote unannounced does not stay
// because the factory record equals what the program last saw there.
TEST(RestoreAll, TheFactoryStagesGoOverAStageTheServiceWroteMeanwhile) {
  test::TempDir dir;
  const Text path = dir.file(u"Mouse.ini");
  SettingsRecord working{}, buffer{};
  ASSERT_TRUE(reloadSettings(working, buffer, path, kProfileFromFile));
  restoreAllProfiles(working);
  ASSERT_TRUE(SaveSettings(working, path));  // the program has seen the factory stages there
  const DpiInfo services{0, 20, 20, 20};
  ASSERT_TRUE(ProfileFile(path).writeStruct(kSettingSection, u"DPI_INFO2", &services, sizeof services));
  restoreAllSettings(working, path);
  ASSERT_TRUE(SaveSettings(working, path));
  DpiInfo inFile{};
  ASSERT_TRUE(ProfileFile(path).readStruct(kSettingSection, u"DPI_INFO2", &inFile, sizeof inFile));
  EXPECT_EQ(inFile.level, working.DPI_INFO[1].level);
  EXPECT_NE(inFile.level, 20);
}

TEST(WebCommand, ExecutableIsCutAtTheFirstSpaceThatEndsAnExistingFile) {
  const std::set<Text> files = {u"C:\\Program Files\\Web Browser\\browser.exe"};
  auto isFile = [&](const Text& path) { return files.count(path) > 0; };
  // Quoted path with spaces, then arguments: quotes go, the cut falls after ".exe".
  EXPECT_EQ(browserExecutable(u"  \"C:\\Program Files\\Web Browser\\browser.exe\" -nohome \"%1\" ", isFile),
            u"C:\\Program Files\\Web Browser\\browser.exe");
  // No space at all: the template is the executable.
  EXPECT_EQ(browserExecutable(u"C:\\viewer.exe", isFile), u"C:\\viewer.exe");
  // No space qualifies: the template is used as found (without quotes and edge spaces).
  EXPECT_EQ(browserExecutable(u"\"D:\\missing app\\x.exe\" %1", isFile), u"D:\\missing app\\x.exe %1");
}

// Unquoted, "C:\Program Files\..." would start "C:\Program" whenever such a file exists.
TEST(WebCommand, CommandLineQuotesTheExecutableAndKeepsTheAddressAsItIs) {
  EXPECT_EQ(browserCommandLine(u"C:\\Program Files\\Web Browser\\browser.exe", kMakerWebPage),
            Text(u"\"C:\\Program Files\\Web Browser\\browser.exe\" ") + kMakerWebPage);
  EXPECT_EQ(browserCommandLine(u"C:\\viewer.exe", u"a b"), u"\"C:\\viewer.exe\" a b");
}

bool overlap(const PixelRect& a, const PixelRect& b) {
  return !a.empty() && !b.empty() && a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// Pictures and controls come from the same tables; a control that shows must not sit on
// another one that shows, or clicks and faces would go to the wrong one.
TEST(MainWindowTables, NamedPositionsPointAtTheirControlsAndVisibleControlsDoNotOverlap) {
  ASSERT_EQ(mainWindowLayouts().size(), 5u);
  EXPECT_EQ(startPageLayout().controls.size(), size_t(start_page::kCount));
  EXPECT_EQ(buttonPageLayout().controls.size(), size_t(button_page::kCount));
  EXPECT_EQ(performancePageLayout().controls.size(), size_t(performance_page::kCount));
  EXPECT_EQ(lightingPageLayout().controls.size(), size_t(lighting_page::kCount));
  EXPECT_EQ(macroPageLayout().controls.size(), size_t(macro_page::kCount));
  for (const WindowLayout* page : mainWindowLayouts()) {
    EXPECT_EQ(page->width, kMainWindowWidth);
    EXPECT_EQ(page->height, kMainWindowHeight);
    EXPECT_NE(pageOfLayout(*page), 0);
  }
  EXPECT_EQ(performancePageLayout().controls[performance_page::kLevelSlider].id, control_id::kLevelSlider);
  EXPECT_EQ(lightingPageLayout().controls[lighting_page::kLevelSlider].id, control_id::kLightLevelSlider);
  EXPECT_EQ(macroPageLayout().controls[macro_page::kSteps].kind, ControlKind::List);
  EXPECT_EQ(std::string(startPageLayout().controls[start_page::kClose].glyph), "close");

  // Hidden on purpose: the start page's empty notes, the separate-axis sliders (shown
  // only for stages stored with separate axes) and the scale labels beneath them.
  auto hidden = [](const WindowLayout& w, size_t i) {
    if (&w == &startPageLayout())
      return i == size_t(start_page::kButtonsNote) || i == size_t(start_page::kLightingNote) ||
             i == size_t(start_page::kPerformanceNote) || i == size_t(start_page::kMacrosNote);
    if (&w == &performancePageLayout())
      return i == size_t(performance_page::kLevelXSlider) || i == size_t(performance_page::kLevelYSlider);
    return false;
  };
  for (const WindowLayout* page : mainWindowLayouts()) {
    SCOPED_TRACE(page->name);
    const auto& c = page->controls;
    for (size_t i = 0; i < c.size(); ++i)
      for (size_t j = i + 1; j < c.size(); ++j)
        if (!hidden(*page, i) && !hidden(*page, j)) EXPECT_FALSE(overlap(c[i].rect, c[j].rect)) << i << " and " << j;
  }
}

// The performance page is two columns from the page's left margin to its right one, both
// of one height and cut into the same bands, and every control but Back sits in one of
// them: no column stands apart, and no part of the page is left empty.
TEST(MainWindowTables, PerformancePageIsTwoColumnsOfTheSameBands) {
  namespace pp = performance_page;
  const WindowLayout& w = performancePageLayout();
  std::vector<PixelRect> panels;
  std::set<std::pair<int, int>> dividerRows;  // (row, column)
  for (const Decoration& d : w.decorations) {
    if (d.kind == DecorationKind::Panel) panels.push_back(d.rect);
  }
  ASSERT_EQ(panels.size(), 2u);
  const PixelRect& left = panels[0].left < panels[1].left ? panels[0] : panels[1];
  const PixelRect& right = panels[0].left < panels[1].left ? panels[1] : panels[0];
  EXPECT_EQ(left.top, right.top);
  EXPECT_EQ(left.bottom, right.bottom);
  EXPECT_LE(left.left, 66) << "the left third holds a column";
  EXPECT_LE(right.right, kMainWindowWidth - 100) << "the right column leaves room for Back beside it";
  EXPECT_GE(right.left - left.right, 8);
  for (const Decoration& d : w.decorations) {
    if (d.kind == DecorationKind::Divider) dividerRows.insert({d.rect.top, d.rect.left < right.left ? 0 : 1});
  }
  std::set<int> leftRows, rightRows;
  for (const auto& [row, column] : dividerRows) (column ? rightRows : leftRows).insert(row);
  EXPECT_EQ(leftRows, rightRows);
  EXPECT_EQ(leftRows.size(), 2u);

  for (size_t i = 0; i < w.controls.size(); ++i) {
    const PixelRect& r = w.controls[i].rect;
    if (i == size_t(pp::kBack) || i == size_t(pp::kLevelXSlider) || i == size_t(pp::kLevelYSlider)) continue;
    const bool inside = std::any_of(panels.begin(), panels.end(), [&](const PixelRect& p) {
      return r.left >= p.left && r.right <= p.right && r.top >= p.top && r.bottom <= p.bottom;
    });
    EXPECT_TRUE(inside) << "control " << i << " at " << r.left << "," << r.top;
  }
  // The pointer values and acceleration are the left column's; the sensor the right one's.
  for (int i : {pp::kDoubleClickUp, pp::kWheelLinesDown, pp::kAccelerationSwitch, pp::kAccelerationSlider})
    EXPECT_LT(w.controls[size_t(i)].rect.right, right.left) << i;
  for (int i : {pp::kStageFirst, pp::kLevelSlider, pp::kPollingFirst})
    EXPECT_GT(w.controls[size_t(i)].rect.left, left.right) << i;
}

}  // namespace
}  // namespace ko

namespace ko {
namespace {

// A new installation (or a file with none of the program's keys) starts from the factory
// settings, not from "unset" stages and pointer values.
TEST(FirstStart, AFileWithoutSettingsStartsFromTheFactorySettings) {
  test::TempDir dir;
  const Text path = dir.file(u"Mouse.ini");
  EXPECT_TRUE(holdsNoSettings(path, portableProfileStrings()));
  const std::string garbage("\xff\xfe" "g\0a\0r\0b\0a\0g\0e\0", 16);
  ASSERT_TRUE(writeFileBytes(path, garbage));
  EXPECT_TRUE(holdsNoSettings(path, portableProfileStrings()));

  SettingsRecord working{}, buffer{};
  reloadSettings(working, buffer, path, kProfileFromFile, portableProfileStrings());
  EXPECT_EQ(working.DPI_INFO[0].level, -1) << "read as it stands, the stages are unset";
  fillUnsetFromFactory(working);
  EXPECT_EQ(working.Profile, 0);
  EXPECT_EQ(working.DPI_INFO[0].level, 3);
  EXPECT_EQ(working.DoubleClickSpeed, 12);
  EXPECT_EQ(working.PollingRate, 2);
  ASSERT_TRUE(SaveSettings(working, path, portableProfileStrings()));
  EXPECT_FALSE(holdsNoSettings(path, portableProfileStrings())) << "the next start reads the saved settings";
}

}  // namespace
}  // namespace ko
