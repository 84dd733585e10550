// The command line: which words make which command, the exit codes and the console line,
// and a run with the window closed, which must leave what the clicks leave and nothing at
// all when it fails.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/command_run.h"
#include "app/settings_places.h"
#include "platform/file_system.h"
#include "platform/service_recorder.h"
#include "settings/settings_file.h"
#include "support/temp_dir.h"
#include "text/interface_text.h"

namespace ko {
namespace {

Command parse(std::vector<Text> words) { return parseCommandLine(words); }

std::string bytesOf(const Text& path) {
  std::string bytes;
  readFileBytes(path, bytes);
  return bytes;
}

TEST(CommandLine, ReadsTheFourCommandsTheUsageAndRefusesTheRest) {
  EXPECT_EQ(parse({}).kind, CommandKind::Window);
  const Command profile = parse({u"-PROFILE", u"3"});
  EXPECT_EQ(profile.kind, CommandKind::Profile);
  EXPECT_EQ(profile.number, 3);
  EXPECT_EQ(parse({u"/Stage", u"6"}).number, 6);
  const Command exported = parse({u"/export", u"a b.prof"});
  EXPECT_EQ(exported.kind, CommandKind::Export);
  EXPECT_EQ(exported.file, u"a b.prof");
  EXPECT_EQ(parse({u"-import", u"x"}).kind, CommandKind::Import);
  EXPECT_EQ(parse({u"/?"}).kind, CommandKind::Usage);

  for (const std::vector<Text>& words : std::vector<std::vector<Text>>{
           {u"/profile", u"0"}, {u"/profile", u"6"}, {u"/stage", u"7"}, {u"/stage", u"2x"}, {u"/stage", u"-1"},
           {u"/stage"}, {u"/profile", u"1", u"2"}, {u"/export"}, {u"/import", u""}, {u"profile", u"1"},
           {u"/colour", u"1"}, {u"/", u"1"}, {u"/?", u"x"}, {u"Work.prof"}})
    EXPECT_EQ(parse(words).kind, CommandKind::Wrong) << toUtf8(words[0]);

  EXPECT_EQ(exitCodeOf(CommandOutcome::Done), 0);
  EXPECT_EQ(exitCodeOf(CommandOutcome::NothingToDo), 0);
  EXPECT_EQ(exitCodeOf(CommandOutcome::WrongCommandLine), 1);
  EXPECT_EQ(exitCodeOf(CommandOutcome::FileFailed), 2);
  EXPECT_EQ(exitCodeOf(CommandOutcome::SettingsUnreadable), 3);

  // The open window gets the same command back, a path with spaces and all; what a third
  // program might send with the same message is no command.
  const Command back = commandFromHandOver(handOverText(Command{CommandKind::Import, 0, u"C:\\My files\\W.prof"}));
  EXPECT_EQ(back.kind, CommandKind::Import);
  EXPECT_EQ(back.file, u"C:\\My files\\W.prof");
  EXPECT_EQ(commandFromHandOver(handOverText(profile)).number, 3);
  EXPECT_EQ(commandFromHandOver(u"/profile").kind, CommandKind::Wrong);
  EXPECT_EQ(commandFromHandOver(Text(u"/?\0", 3)).kind, CommandKind::Wrong);

  // The console line in both languages, with the number or file put in.
  for (const char* language : {"assets/Strings.xml", "assets/zh-CN/Strings.xml"}) {
    const Text file = test::sourceFile(language);
    const auto text = [&](TextView key) { return GetXmlText(file, kCommandLineSection, key); };
    for (const char16_t* key : kCommandLineTextKeys) EXPECT_FALSE(text(key).empty()) << language << toUtf8(key);
    const Text stage = commandReport(Command{CommandKind::Stage, 4, Text()}, CommandOutcome::Done, text);
    EXPECT_NE(stage.find(u'4'), Text::npos) << language;
    EXPECT_EQ(stage.find(u"%1"), Text::npos) << language;
    const Text failed = commandReport(exported, CommandOutcome::FileFailed, text);
    EXPECT_NE(failed.find(u"a b.prof"), Text::npos) << language;
    EXPECT_NE(commandReport(Command{CommandKind::Wrong, 0, Text()}, CommandOutcome::WrongCommandLine, text).find(u"/stage"),
              Text::npos);
  }
}

TEST(CommandLine, WithTheWindowClosedACommandLeavesWhatItsClickLeavesAndAFailedOneNothing) {
  test::TempDir roaming;
  Text base = roaming.folder();
  base.pop_back();
  const SettingsPlaces places = settingsPlacesBelow(base);
  ServiceRecorder service;
  const auto run = [&](Command command) { return runWithoutWindow(command, places, service, [] { return false; }); };
  const auto stored = [&] {
    SettingsRecord record{};
    ResetSettings(record);
    ReadSettingsFile(record, places.settingsFile, kProfileFromFile, platformProfileStrings());
    return record;
  };

  // The first command of a new installation makes the settings as the window's start does.
  EXPECT_EQ(run({CommandKind::Profile, 3, Text()}), CommandOutcome::Done);
  EXPECT_EQ(stored().Profile, 2);
  ASSERT_EQ(service.messages().size(), 1u);
  EXPECT_EQ(service.messages()[0].message, 1298u);

  // Profile 3 is now active: nothing to do, nothing written, nothing sent.
  const std::string settled = bytesOf(places.settingsFile);
  service.clear();
  EXPECT_EQ(run({CommandKind::Profile, 3, Text()}), CommandOutcome::NothingToDo);
  EXPECT_EQ(bytesOf(places.settingsFile), settled);
  EXPECT_TRUE(service.messages().empty());

  EXPECT_EQ(run({CommandKind::Stage, 5, Text()}), CommandOutcome::Done);
  EXPECT_EQ(stored().DPI, 4);
  EXPECT_EQ(stored().Profiles[2].DPI, 4) << "the stage is the active profile's too";
  ASSERT_EQ(service.messages().size(), 1u);
  EXPECT_EQ(service.messages()[0].message, 1297u);
  EXPECT_EQ(service.messages()[0].wParam, 0u);

  const Text profileFile = roaming.file(u"Work.prof");
  EXPECT_EQ(run({CommandKind::Export, 0, profileFile}), CommandOutcome::Done);
  EXPECT_TRUE(fileExists(profileFile));
  EXPECT_EQ(service.messages().size(), 1u) << "an export tells the service nothing";

  EXPECT_EQ(run({CommandKind::Import, 0, profileFile}), CommandOutcome::Done);
  EXPECT_EQ(stored().Profile, 0);
  ASSERT_EQ(service.messages().size(), 2u);
  EXPECT_EQ(service.messages()[1].message, 1279u);

  // Failures: nothing in the settings folder changes and the service hears nothing.
  const std::string before = bytesOf(places.settingsFile);
  service.clear();
  EXPECT_EQ(run({CommandKind::Import, 0, roaming.file(u"none.prof")}), CommandOutcome::FileFailed);
  EXPECT_EQ(run({CommandKind::Export, 0, roaming.file(u"no folder/W.prof")}), CommandOutcome::FileFailed);
  EXPECT_EQ(run({CommandKind::Export, 0, roaming.folder()}), CommandOutcome::FileFailed);
  EXPECT_EQ(run({CommandKind::Wrong, 0, Text()}), CommandOutcome::WrongCommandLine);
  EXPECT_EQ(bytesOf(places.settingsFile), before);
  EXPECT_TRUE(service.messages().empty());

  // A settings file that cannot be written: the stage is not reported as chosen, nor sent.
  namespace fs = std::filesystem;
  const fs::path settingsFile = roaming.fsPath() / "VX48K2" / "RoduraZoviv" / "Mouse.ini";
  fs::permissions(settingsFile, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_EQ(run({CommandKind::Stage, 2, Text()}), CommandOutcome::SettingsUnreadable);
  EXPECT_EQ(bytesOf(places.settingsFile), before);
  EXPECT_TRUE(service.messages().empty());
  fs::permissions(settingsFile, fs::perms::owner_all);
}

}  // namespace
}  // namespace ko
