// The device service reads macro files with the Windows profile functions. A file the
// program writes must come back from them byte for byte, and the portable engine that the
// native tests run on must write the same file as those functions.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include "macro/macro_file.h"
#include "macro/macro_library.h"
#include "macro/macro_paths.h"
#include "platform/file_system.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"

namespace ko {
namespace {

const wchar_t* wide(const Text& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }

MacroDocument sampleMacro() {
  MacroDocument d;
  const MacroStep steps[] = {keyStep(0xE1, true), delayStep(120), keyStep(0x04, true), delayStep(65530),
                             keyStep(0x04, false), cursorMoveStep(-120, 0), cursorMoveStep(0, 127),
                             mouseButtonStep(kMiddleButtonBit, true), delayStep(10),
                             mouseButtonStep(kMiddleButtonBit, false), keyStep(0xE1, false)};
  for (const MacroStep& s : steps) d.steps[d.count++] = s;
  d.loopText = u"37";
  return d;
}

TEST(MacroFileOnWindows, TheWindowsProfileFunctionsReadBackWhatTheProgramWrote) {
  test::TempDir dir;
  const Text path = dir.file(u"\u8FDE\u53D1 Fire.macro");
  const MacroDocument saved = sampleMacro();
  ASSERT_TRUE(SaveMacroFile(saved, path, portableProfileStrings()));

  MacroStep read[kMacroStepSlots];
  std::memset(read, 0xCC, sizeof read);
  ASSERT_TRUE(GetPrivateProfileStructW(L"Setting", L"MacroSetting_0", read, sizeof read, wide(path)));
  EXPECT_EQ(std::memcmp(read, saved.steps.data(), kMacroStepBytes), 0);
  EXPECT_EQ(GetPrivateProfileIntW(L"Setting", L"Count", -1, wide(path)), 11);
  EXPECT_EQ(GetPrivateProfileIntW(L"Setting", L"LoopTime", -1, wide(path)), 37);
  wchar_t stored[MAX_PATH] = {};
  GetPrivateProfileStringW(L"Setting", L"MacroFilePath", L"", stored, MAX_PATH, wide(path));
  EXPECT_EQ(Text(reinterpret_cast<const char16_t*>(stored)), path);
}

TEST(MacroFileOnWindows, ThePortableEngineWritesTheSameFileAsWindows) {
  const MacroDocument first = sampleMacro();
  MacroDocument second = first;
  second.steps[3] = delayStep(20);
  second.count = 4;
  second.loopText = u"0";
  for (const std::string& initial : {std::string(), test::utf16File("[Setting]\r\nServiceNote=1\r\n")}) {
    test::TempDir dir;
    const Text winPath = dir.file(u"win.macro");
    const Text portablePath = dir.file(u"portable.macro");
    if (!initial.empty()) {
      ASSERT_TRUE(writeFileBytes(winPath, initial));
      ASSERT_TRUE(writeFileBytes(portablePath, initial));
    }
    for (const auto& [strings, path] : {std::pair{&platformProfileStrings(), winPath},
                                        std::pair{&portableProfileStrings(), portablePath}}) {
      EXPECT_TRUE(SaveMacroFile(first, path, *strings));
      EXPECT_TRUE(SaveMacroFile(second, path, *strings));  // an edit rewrites the keys in place
      // Each file records its own path; the same value in both lets the bytes be compared.
      EXPECT_TRUE(strings->writeString(path, u"Setting", u"MacroFilePath", u"C:\\Macro\\Fire.macro"));
    }
    EXPECT_EQ(test::visible(test::bytesOf(winPath)), test::visible(test::bytesOf(portablePath)));
  }
}

TEST(MacroFileOnWindows, AChineseMacroNameIsListedAndFoundThroughWindows) {
  test::TempDir dir;
  createDirectories(macroFolderOf(dir.folder()));
  const Text base = u"\u5B8F";
  MacroLibrary library(MacroPlaces{dir.file(u"Mouse.ini"), macroFolderOf(dir.folder()), dir.folder()},
                       [&](TextView key) { return key == u"NEWMACRO" ? base : Text(key); }, platformProfileStrings());
  library.start();
  ASSERT_TRUE(library.createMacro());
  wchar_t listed[64] = {};
  GetPrivateProfileStringW(L"MACRO_LIST", L"0", L"", listed, 64, wide(dir.file(u"Mouse.ini")));
  EXPECT_EQ(Text(reinterpret_cast<const char16_t*>(listed)), base + u"1");
  EXPECT_TRUE(fileExists(macroFilePath(macroFolderOf(dir.folder()), base + u"1")));
}

}  // namespace
}  // namespace ko
