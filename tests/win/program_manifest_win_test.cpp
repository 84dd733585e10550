// The built program's manifest as the system reads it. The program draws every picture,
// position and font in fixed pixels, so it must not claim DPI awareness: then the system
// scales its window at 150 % or 200 % to the physical size it has at 100 %.
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <string>

#include "support/temp_dir.h"

namespace ko {
namespace {

const wchar_t kSettings2005[] = L"http://schemas.microsoft.com/SMI/2005/WindowsSettings";
const wchar_t kSettings2016[] = L"http://schemas.microsoft.com/SMI/2016/WindowsSettings";

std::wstring windowsPath(const std::string& unixPath) {
  std::wstring path = L"Z:";  // Wine maps / to Z:
  for (char c : unixPath) path.push_back(c == '/' ? L'\\' : static_cast<wchar_t>(c));
  return path;
}

// The value of a windows setting of an activation context, or "" when it has none.
std::wstring settingOf(HANDLE context, const wchar_t* space, const wchar_t* name) {
  wchar_t value[128] = {};
  SIZE_T written = 0;
  if (!QueryActCtxSettingsW(0, context, space, name, value, 128, &written)) return L"";
  return value;
}

HANDLE contextOf(const std::wstring& source, bool fromResource) {
  ACTCTXW request = {};
  request.cbSize = sizeof request;
  request.lpSource = source.c_str();
  if (fromResource) {
    request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
    request.lpResourceName = MAKEINTRESOURCEW(1);
  }
  return CreateActCtxW(&request);
}

TEST(ProgramManifest, ClaimsNoDpiAwarenessSoTheSystemScalesTheWindow) {
  // The query sees a claim where there is one: a manifest that makes it.
  test::TempDir dir;
  std::ofstream(dir.fsFile(u"aware.manifest"))
      << "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
         "<assembly xmlns=\"urn:schemas-microsoft-com:asm.v1\" manifestVersion=\"1.0\" "
         "xmlns:asmv3=\"urn:schemas-microsoft-com:asm.v3\">"
         "<assemblyIdentity type=\"win32\" name=\"Aware\" version=\"1.0.0.0\" processorArchitecture=\"x86\"/>"
         "<asmv3:application><asmv3:windowsSettings>"
         "<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">true/pm</dpiAware>"
         "</asmv3:windowsSettings></asmv3:application></assembly>\n";
  const Text awarePath = dir.file(u"aware.manifest");
  HANDLE aware = contextOf(std::wstring(awarePath.begin(), awarePath.end()), false);
  ASSERT_NE(aware, INVALID_HANDLE_VALUE);
  EXPECT_EQ(settingOf(aware, kSettings2005, L"dpiAware"), L"true/pm");
  ReleaseActCtx(aware);

  HANDLE program = contextOf(windowsPath(std::string(KOCFG_DIST_DIR) + "/Kocfg.exe"), true);
  ASSERT_NE(program, INVALID_HANDLE_VALUE) << "Kocfg.exe with its manifest is built first";
  EXPECT_EQ(settingOf(program, kSettings2005, L"dpiAware"), L"");
  EXPECT_EQ(settingOf(program, kSettings2016, L"dpiAwareness"), L"");
  ReleaseActCtx(program);
}

}  // namespace
}  // namespace ko
