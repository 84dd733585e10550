// The portable engine and the Windows profile functions, given the same writes over the
// same file, leave the same bytes. The files hold other writers' sections and keys, as
// "Mouse.ini" does once the device service has written to it; they are spelled the way
// both Windows and Wine keep them (no blank lines, no spacing around '=').
#include <gtest/gtest.h>

#include <array>
#include "platform/profile_strings.h"
#include "support/file_bytes.h"
#include "support/profile_identity.h"
#include "support/system_code_page.h"

namespace ko {
namespace {

const char kOtherWriters[] =
    "[Setting]\r\nLeftCount=1234\r\nRightCount=56\r\nServiceOnly=keep me\r\nProfile=2\r\n"
    "[GROUP]\r\nName=Default\r\nExe=\r\nDPI=1\r\n"
    "[GROUP2]\r\nName=Shooter\r\nExe=C:\\Games\\shooter.exe\r\n"
    "[MACRO_LIST]\r\nMacro1=First\r\n"
    "[ServiceState]\r\nLastSeen=20240101\r\n";

void aSettingsLikeSequence(ProfileStrings& strings, TextView path) {
  strings.writeString(path, u"Setting", u"Profile", u"3");                 // replaced in place
  strings.writeString(path, u"SETTING", u"trayenabled", u"1");             // appended, other case
  strings.writeString(path, u"Setting", u"LedColor", u"-1");
  const std::array<int32_t, 4> dpi{0, 8, 8, 8};
  strings.writeStruct(path, u"Setting", u"DPI_INFO1", dpi.data(), sizeof dpi);
  strings.writeString(path, u"GROUP", u"DPI", u"4");
  std::array<unsigned char, 644> assignment{};
  for (size_t i = 0; i < assignment.size(); ++i) assignment[i] = static_cast<unsigned char>(i * 13);
  strings.writeStruct(path, u"GROUP", u"ButtonAssigned1", assignment.data(), assignment.size());
  strings.writeStruct(path, u"GROUP2", u"ButtonAssigned1", assignment.data(), assignment.size());
  strings.writeString(path, u"GROUP4", u"DPI", u"-1");                     // a new section
  strings.writeString(path, u"GROUP4", u"Empty", u"");
  strings.writeString(path, u"Setting", u"Profile", u"0");                 // and once more
}

TEST(ProfileIdentity, AnsiFileWithOtherWritersKeys) {
  EXPECT_TRUE(test::sameFilesAfter(std::string(kOtherWriters), aSettingsLikeSequence, portableProfileStrings(),
                                   platformProfileStrings()));
}

TEST(ProfileIdentity, Utf16FileWithOtherWritersKeysAndNonAsciiText) {
  const auto writes = [](ProfileStrings& strings, TextView path) {
    aSettingsLikeSequence(strings, path);
    strings.writeString(path, u"MACRO_LIST", u"Macro2", u16("Ærø — 日本語 😀"));
    strings.writeString(path, u"GROUP2", u"Name", u16("Zoë"));
  };
  EXPECT_TRUE(test::sameFilesAfter(test::utf16File(kOtherWriters), writes, portableProfileStrings(),
                                   platformProfileStrings()));
}

TEST(ProfileIdentity, NewFileWithNonAsciiText) {
  const auto writes = [](ProfileStrings& strings, TextView path) {
    aSettingsLikeSequence(strings, path);
    strings.writeString(path, u"MACRO_LIST", u"Macro1", u16("Ærø — 日本語 😀"));
  };
  EXPECT_TRUE(test::sameFilesAfter(std::nullopt, writes, portableProfileStrings(), platformProfileStrings()));
}

TEST(ProfileIdentity, AnsiFileWithWesternText) {
  const test::SystemCodePage western(1252);
  if (!western.active()) GTEST_SKIP() << "the platform's ANSI page is not 1252";
  const auto writes = [](ProfileStrings& strings, TextView path) {
    strings.writeString(path, u"GROUP2", u"Name", u"Caf\u00E9 \u20AC");
    strings.writeString(path, u"GROUP3", u"Name", u"na\u00EFve");
  };
  EXPECT_TRUE(test::sameFilesAfter(std::string(kOtherWriters) + "[Extra]\r\nText=\xE9t\xE9\r\n", writes,
                                   portableProfileStrings(), platformProfileStrings()));
}

// As the device service makes the file on a Chinese system: ANSI, in code page 936. Text
// that page cannot hold turns the file UTF-16LE in both.
TEST(ProfileIdentity, AnsiFileWithChineseText) {
  const test::SystemCodePage chinese(936);
  if (!chinese.active()) GTEST_SKIP() << "the platform's ANSI page is not 936";
  const std::string serviceMade = std::string(kOtherWriters) + "[Extra]\r\nProfileName=\xCA\xF3\xB1\xEA\r\n";
  const auto inPage = [](ProfileStrings& strings, TextView path) {
    aSettingsLikeSequence(strings, path);
    strings.writeString(path, u"MACRO_LIST", u"Macro2", u16("宏1"));
    strings.writeString(path, u"GROUP2", u"Name", u16("射击"));
  };
  EXPECT_TRUE(test::sameFilesAfter(serviceMade, inPage, portableProfileStrings(), platformProfileStrings()));
  const auto beyondPage = [](ProfileStrings& strings, TextView path) {
    strings.writeString(path, u"MACRO_LIST", u"Macro2", u16("宏1"));
    strings.writeString(path, u"GROUP2", u"Name", u16("한 😀"));
    strings.writeString(path, u"GROUP3", u"Name", u16("宏"));
  };
  EXPECT_TRUE(test::sameFilesAfter(serviceMade, beyondPage, portableProfileStrings(), platformProfileStrings()));
}

}  // namespace
}  // namespace ko
