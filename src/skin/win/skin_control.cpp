#include "skin/win/skin_control.h"

#include <oleacc.h>

#include "skin/win/control_accessible.h"

namespace ko {
namespace {

const wchar_t kControlProperty[] = L"ko.SkinControl";
thread_local HWND hiddenParent = nullptr;

}  // namespace

CreateHiddenOn::CreateHiddenOn(HWND parent) : previous_(hiddenParent) { hiddenParent = parent; }
CreateHiddenOn::~CreateHiddenOn() { hiddenParent = previous_; }

SkinControl::~SkinControl() { Destroy(); }

void SkinControl::Destroy() {
  if (hwnd_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
  hwnd_ = nullptr;
}

SkinControl* SkinControl::FromHandle(HWND window) {
  return window ? static_cast<SkinControl*>(GetPropW(window, kControlProperty)) : nullptr;
}

bool SkinControl::OnReflected(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

bool SkinControl::Describe(AccessibleFacts&) const { return false; }

void SkinControl::SetAccessibleName(TextView name) {
  if (accessibleName_ == name) return;
  accessibleName_ = Text(name);
  NotifyAccessible(EVENT_OBJECT_NAMECHANGE, hwnd_);
}

bool SkinControl::CreateControl(const wchar_t* windowClass, const wchar_t* text, DWORD style, DWORD exStyle,
                                const RECT& r, HWND parent, int id) {
  Destroy();
  if (parent && parent == hiddenParent) style &= ~WS_VISIBLE;
  HWND window = CreateWindowExW(exStyle, windowClass, text, style, r.left, r.top, r.right - r.left, r.bottom - r.top,
                                parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                                nullptr);
  return window && Attach(window);
}

bool SkinControl::Attach(HWND window) {
  if (!SetPropW(window, kControlProperty, this)) return false;
  hwnd_ = window;
  original_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SkinControl::Dispatch)));
  return true;
}

LRESULT SkinControl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return Default(message, wParam, lParam);
}

LRESULT SkinControl::Default(UINT message, WPARAM wParam, LPARAM lParam) {
  return original_ ? CallWindowProcW(original_, hwnd_, message, wParam, lParam)
                   : DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK SkinControl::Dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  SkinControl* control = FromHandle(window);
  if (!control) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    // The window is going: unbind first so that nothing reaches a half-gone object.
    const WNDPROC original = control->original_;
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
    RemovePropW(window, kControlProperty);
    control->hwnd_ = nullptr;
    control->original_ = nullptr;
    return CallWindowProcW(original, window, message, wParam, lParam);
  }
  if (message == WM_GETOBJECT) {
    AccessibleFacts facts;
    if (control->Describe(facts))
      if (const LRESULT answer = AnswerGetObject(window, wParam, lParam)) return answer;
  }
  return control->WindowProc(message, wParam, lParam);
}

const wchar_t* RegisterCustomClass(const wchar_t* name, UINT classStyle) {
  WNDCLASSEXW existing = {};
  existing.cbSize = sizeof existing;
  HINSTANCE instance = GetModuleHandleW(nullptr);
  if (GetClassInfoExW(instance, name, &existing)) return name;
  WNDCLASSEXW wc = {};
  wc.cbSize = sizeof wc;
  wc.style = classStyle;
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = name;
  RegisterClassExW(&wc);
  return name;
}

bool ReflectToControl(HWND parent, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  HWND child = nullptr;
  switch (message) {
    case WM_DRAWITEM: child = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hwndItem; break;
    case WM_MEASUREITEM: {
      const auto* measure = reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam);
      if (measure->CtlType == ODT_MENU) return false;
      child = GetDlgItem(parent, static_cast<int>(measure->CtlID));
      break;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN: child = reinterpret_cast<HWND>(lParam); break;
    default: return false;
  }
  SkinControl* control = SkinControl::FromHandle(child);
  LRESULT answer = 0;
  if (!control || !control->OnReflected(message, wParam, lParam, answer)) return false;
  *result = answer;
  return true;
}

}  // namespace ko
