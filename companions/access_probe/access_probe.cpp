// access_probe [window title]
//
// Finds the top-level window with the title (the main window's by default), then reads
// every visible window of its thread (the window, its dialogs and menus, and all their
// children) through AccessibleObjectFromWindow and prints one line each, in UTF-8:
//   <class>|<left>,<top>,<width>,<height>|<role>|<state in hex>|<name>|<value>|<item>;<item>...
// A window that gives no object prints "none" as its role. Ends with 0 when the window was
// found, 1 otherwise.
#include <windows.h>
#include <oleacc.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// The import library's IID_IAccessible is a jump into oleacc, not the identifier.
const IID kAccessibleIid = __uuidof(IAccessible);

std::string Utf8(const wchar_t* text, int length = -1) {
  if (!text) return std::string();
  const int size = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(size > 0 ? size : 0), '\0');
  if (size > 0) WideCharToMultiByte(CP_UTF8, 0, text, length, out.data(), size, nullptr, nullptr);
  if (length < 0 && !out.empty()) out.pop_back();  // the terminator
  return out;
}

// A text of the object, with the field separators taken out.
std::string Field(BSTR text) {
  std::string s = text ? Utf8(text, static_cast<int>(SysStringLen(text))) : std::string();
  SysFreeString(text);
  for (char& c : s)
    if (c == '|' || c == ';' || c == '\n' || c == '\r') c = ' ';
  return s;
}

VARIANT Child(long id) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_I4;
  v.lVal = id;
  return v;
}

long Number(IAccessible* object, HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, VARIANT*), long id) {
  VARIANT out;
  VariantInit(&out);
  const long n = SUCCEEDED((object->*get)(Child(id), &out)) && out.vt == VT_I4 ? out.lVal : -1;
  VariantClear(&out);
  return n;
}

std::string Text(IAccessible* object, HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*), long id) {
  BSTR text = nullptr;
  if (FAILED((object->*get)(Child(id), &text))) return std::string();
  return Field(text);
}

void Describe(HWND window) {
  wchar_t className[64] = {};
  GetClassNameW(window, className, 64);
  RECT r{};
  GetWindowRect(window, &r);
  std::printf("%s|%ld,%ld,%ld,%ld|", Utf8(className).c_str(), r.left, r.top, r.right - r.left, r.bottom - r.top);
  IAccessible* object = nullptr;
  if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), kAccessibleIid,
                                        reinterpret_cast<void**>(&object))) || !object) {
    std::printf("none||||\n");
    return;
  }
  std::printf("%ld|%lx|%s|%s|", Number(object, &IAccessible::get_accRole, CHILDID_SELF),
              Number(object, &IAccessible::get_accState, CHILDID_SELF),
              Text(object, &IAccessible::get_accName, CHILDID_SELF).c_str(),
              Text(object, &IAccessible::get_accValue, CHILDID_SELF).c_str());
  long count = 0;
  if (SUCCEEDED(object->get_accChildCount(&count)) && Number(object, &IAccessible::get_accRole, CHILDID_SELF) ==
                                                          ROLE_SYSTEM_LIST)
    for (long i = 1; i <= count; ++i)
      std::printf("%s%s", i > 1 ? ";" : "", Text(object, &IAccessible::get_accName, i).c_str());
  std::printf("\n");
  object->Release();
}

BOOL CALLBACK EachChild(HWND window, LPARAM) {
  if (IsWindowVisible(window)) Describe(window);
  return TRUE;
}

struct ThreadWindows {
  DWORD thread;
  std::vector<HWND> windows;
};

BOOL CALLBACK EachTopLevel(HWND window, LPARAM data) {
  auto* found = reinterpret_cast<ThreadWindows*>(data);
  if (GetWindowThreadProcessId(window, nullptr) == found->thread && IsWindowVisible(window))
    found->windows.push_back(window);
  return TRUE;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  CoInitialize(nullptr);
  const wchar_t* title = argc > 1 ? argv[1] : L"VX48K2 Gaming Mouse";
  HWND main = FindWindowW(nullptr, title);
  if (!main) {
    std::printf("no window\n");
    return 1;
  }
  ThreadWindows found{GetWindowThreadProcessId(main, nullptr), {}};
  EnumWindows(EachTopLevel, reinterpret_cast<LPARAM>(&found));
  for (HWND window : found.windows) {
    Describe(window);
    EnumChildWindows(window, EachChild, 0);
  }
  std::fflush(stdout);
  CoUninitialize();
  return 0;
}
