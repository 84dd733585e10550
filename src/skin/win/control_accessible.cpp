#include "skin/win/control_accessible.h"

#include <oleacc.h>

#include "skin/win/accessible_facts.h"
#include "skin/win/skin_control.h"

namespace ko {

namespace {

// The interface's identifier as data of our own: the import library's symbol of the same
// name resolves to a jump into oleacc, not to the identifier.
const IID kAccessibleIid = __uuidof(IAccessible);

// One text for the caller to free, as the interface asks.
HRESULT GiveText(const Text& text, BSTR* out) {
  if (!out) return E_INVALIDARG;
  *out = nullptr;
  if (text.empty()) return S_FALSE;
  *out = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()), static_cast<UINT>(text.size()));
  return *out ? S_OK : E_OUTOFMEMORY;
}

HRESULT GiveNumber(long number, VARIANT* out) {
  if (!out) return E_INVALIDARG;
  VariantInit(out);
  out->vt = VT_I4;
  out->lVal = number;
  return S_OK;
}

class ControlAccessible final : public IAccessible {
 public:
  explicit ControlAccessible(HWND window) : window_(window) {}
  ControlAccessible(const ControlAccessible&) = delete;
  ControlAccessible& operator=(const ControlAccessible&) = delete;

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (iid != IID_IUnknown && iid != IID_IDispatch && iid != kAccessibleIid) return E_NOINTERFACE;
    *out = static_cast<IAccessible*>(this);
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

  // IDispatch: callers use the interface's methods directly.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (count) *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
    return E_NOTIMPL;
  }

  // IAccessible
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    if (!parent) return E_INVALIDARG;
    *parent = nullptr;
    HWND owner = GetParent(window_);
    if (!owner) return S_FALSE;
    return AccessibleObjectFromWindow(owner, static_cast<DWORD>(OBJID_CLIENT), IID_IDispatch,
                                      reinterpret_cast<void**>(parent));
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
    if (!count) return E_INVALIDARG;
    AccessibleFacts facts;
    if (!Read(facts)) return RPC_E_DISCONNECTED;
    *count = static_cast<long>(facts.items.size());
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT, IDispatch** child) override {
    // The items are simple elements of this object, not objects of their own.
    if (child) *child = nullptr;
    return S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    AccessibleFacts facts;
    int item = 0;
    if (HRESULT bad = ReadFor(child, facts, item); bad != S_OK) return bad;
    return GiveText(item > 0 ? facts.items[item - 1] : facts.name, name);
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    AccessibleFacts facts;
    int item = 0;
    if (HRESULT bad = ReadFor(child, facts, item); bad != S_OK) return bad;
    return GiveText(item > 0 ? Text() : facts.value, value);
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT, BSTR* text) override { return GiveText(Text(), text); }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    AccessibleFacts facts;
    int item = 0;
    if (HRESULT bad = ReadFor(child, facts, item); bad != S_OK) return bad;
    return GiveNumber(item > 0 ? ROLE_SYSTEM_LISTITEM : facts.role, role);
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    AccessibleFacts facts;
    int item = 0;
    if (HRESULT bad = ReadFor(child, facts, item); bad != S_OK) return bad;
    if (item == 0) return GiveNumber(facts.state, state);
    long itemState = STATE_SYSTEM_SELECTABLE;
    if (item - 1 == facts.selectedItem) itemState |= STATE_SYSTEM_SELECTED;
    return GiveNumber(itemState, state);
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR* help) override { return GiveText(Text(), help); }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, long* topic) override {
    if (file) *file = nullptr;
    if (topic) *topic = 0;
    return S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT, BSTR* keys) override { return GiveText(Text(), keys); }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
    if (!focus) return E_INVALIDARG;
    VariantInit(focus);
    HWND now = GetFocus();
    if (now && (now == window_ || IsChild(window_, now))) return GiveNumber(CHILDID_SELF, focus);
    return S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
    if (!selection) return E_INVALIDARG;
    AccessibleFacts facts;
    if (!Read(facts)) return RPC_E_DISCONNECTED;
    VariantInit(selection);
    if (facts.selectedItem < 0) return S_FALSE;
    return GiveNumber(facts.selectedItem + 1, selection);
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT, BSTR* action) override { return GiveText(Text(), action); }
  HRESULT STDMETHODCALLTYPE accSelect(long, VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT) override {
    if (!left || !top || !width || !height) return E_INVALIDARG;
    RECT r{};
    if (!GetWindowRect(window_, &r)) return RPC_E_DISCONNECTED;
    *left = r.left;
    *top = r.top;
    *width = r.right - r.left;
    *height = r.bottom - r.top;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE accNavigate(long, VARIANT, VARIANT* end) override {
    if (end) VariantInit(end);
    return S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* hit) override {
    if (!hit) return E_INVALIDARG;
    VariantInit(hit);
    RECT r{};
    if (!GetWindowRect(window_, &r)) return RPC_E_DISCONNECTED;
    const POINT p{x, y};
    return PtInRect(&r, p) ? GiveNumber(CHILDID_SELF, hit) : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    AccessibleFacts facts;
    int item = 0;
    if (HRESULT bad = ReadFor(child, facts, item); bad != S_OK) return bad;
    SkinControl* control = SkinControl::FromHandle(window_);
    return control && item == 0 && control->DoDefaultAction() ? S_OK : DISP_E_MEMBERNOTFOUND;
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

 private:
  ~ControlAccessible() = default;

  bool Read(AccessibleFacts& facts) const {
    const SkinControl* control = IsWindow(window_) ? SkinControl::FromHandle(window_) : nullptr;
    return control && control->Describe(facts);
  }
  // The facts, and which of the control's children `child` names (0: the control itself).
  HRESULT ReadFor(const VARIANT& child, AccessibleFacts& facts, int& item) const {
    if (child.vt != VT_I4) return E_INVALIDARG;
    if (!Read(facts)) return RPC_E_DISCONNECTED;
    item = static_cast<int>(child.lVal);
    if (item < 0 || item > static_cast<int>(facts.items.size())) return E_INVALIDARG;
    return S_OK;
  }

  HWND window_;
  LONG references_ = 1;
};

}  // namespace

LRESULT AnswerGetObject(HWND window, WPARAM wParam, LPARAM lParam) {
  if (static_cast<DWORD>(lParam) != static_cast<DWORD>(OBJID_CLIENT)) return 0;
  ControlAccessible* object = new ControlAccessible(window);
  const LRESULT result = LresultFromObject(kAccessibleIid, wParam, object);
  object->Release();  // the result holds its own reference
  return result < 0 ? 0 : result;
}

Text WindowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  if (length <= 0) return Text();
  Text text(static_cast<size_t>(length) + 1, u'\0');
  const int got = GetWindowTextW(window, reinterpret_cast<wchar_t*>(text.data()), length + 1);
  text.resize(got > 0 ? static_cast<size_t>(got) : 0);
  return text;
}

long WindowState(HWND window, bool focusable) {
  long state = focusable ? STATE_SYSTEM_FOCUSABLE : STATE_SYSTEM_READONLY;
  if (!IsWindowVisible(window)) state |= STATE_SYSTEM_INVISIBLE;
  bool enabled = true;
  for (HWND w = window; w && (GetWindowLongPtrW(w, GWL_STYLE) & WS_CHILD); w = GetParent(w))
    enabled = enabled && IsWindowEnabled(w);
  if (!enabled) state |= STATE_SYSTEM_UNAVAILABLE;
  if (focusable && GetFocus() == window) state |= STATE_SYSTEM_FOCUSED;
  return state;
}

void NotifyAccessible(DWORD event, HWND window, LONG child) {
  if (window) NotifyWinEvent(event, window, OBJID_CLIENT, child);
}

}  // namespace ko
