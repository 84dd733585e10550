#include "skin/win/keyboard_focus.h"

#include <algorithm>

#include "skin/focus_order.h"
#include "skin/win/focus_mark.h"

namespace ko {

namespace {

bool TakesFocus(const ControlSpec& entry) {
  switch (entry.kind) {
    case ControlKind::Button:
      // Captions drawn as buttons and the wells that show a value do nothing when clicked.
      return entry.look != ControlLook::Text && entry.look != ControlLook::Well &&
             (entry.look != ControlLook::None || entry.captionNumber != 0);
    case ControlKind::Slider:
    case ControlKind::Edit:
    case ControlKind::List:
    // A page's own window (the colour picker) takes the focus into its fields; one that
    // was never made has no window and is skipped.
    case ControlKind::Custom: return true;
    default: return false;
  }
}

bool CanFocusNow(const PageControls& controls, int index) {
  HWND window = FocusWindowOf(controls, index);
  HWND control = controls.handle(index);
  return window && IsWindowVisible(window) && IsWindowEnabled(window) && IsWindowEnabled(control);
}

std::vector<FocusCandidate> Candidates(const PageControls& controls, const std::vector<KeyGroup>& groups) {
  const auto& table = controls.layout().controls;
  std::vector<FocusCandidate> candidates(table.size());
  for (size_t i = 0; i < table.size(); ++i) {
    candidates[i].rect = table[i].rect;
    candidates[i].canFocus = CanFocusNow(controls, static_cast<int>(i));
  }
  for (size_t g = 0; g < groups.size(); ++g)
    for (int k = 0; k < groups[g].count; ++k) {
      const size_t i = static_cast<size_t>(groups[g].first + k);
      if (i < candidates.size()) candidates[i].group = static_cast<int>(g) + 1;
    }
  return candidates;
}

}  // namespace

HWND FocusWindowOf(const PageControls& controls, int index) {
  const auto& table = controls.layout().controls;
  if (index < 0 || index >= static_cast<int>(table.size()) || !TakesFocus(table[index])) return nullptr;
  if (CPngHSliderBar* slider = controls.slider(index)) return slider->thumb().hwnd();
  return controls.handle(index);
}

int FocusedControl(const PageControls& controls) {
  HWND focus = GetFocus();
  if (!focus) return -1;
  const int count = static_cast<int>(controls.layout().controls.size());
  for (int i = 0; i < count; ++i) {
    HWND window = FocusWindowOf(controls, i);
    if (window && (window == focus || IsChild(window, focus))) return i;
  }
  return -1;
}

bool FocusControl(const PageControls& controls, int index) {
  if (!CanFocusNow(controls, index)) return false;
  SetFocus(FocusWindowOf(controls, index));
  return true;
}

int FirstFocusable(const PageControls& controls) {
  return nextInTabOrder(Candidates(controls, {}), -1, false);
}

int LastFocusable(const PageControls& controls) {
  return nextInTabOrder(Candidates(controls, {}), -1, true);
}

bool TabWouldWrap(const PageControls& controls, bool shift) {
  const int current = FocusedControl(controls);
  if (current < 0) return false;
  const std::vector<FocusCandidate> candidates = Candidates(controls, {});
  const int next = nextInTabOrder(candidates, current, shift);
  const std::vector<int> order = readingOrder(candidates);
  const auto place = [&](int i) { return std::find(order.begin(), order.end(), i) - order.begin(); };
  return next >= 0 && (shift ? place(next) >= place(current) : place(next) <= place(current));
}

bool MoveFocusByKey(const PageControls& controls, const std::vector<KeyGroup>& groups, UINT virtualKey, bool shift) {
  const std::vector<FocusCandidate> candidates = Candidates(controls, groups);
  const int current = FocusedControl(controls);
  if (virtualKey == VK_TAB) {
    ShowFocusMarks();
    const int next = nextInTabOrder(candidates, current, shift);
    if (next >= 0) FocusControl(controls, next);
    return true;
  }
  const bool backwards = virtualKey == VK_LEFT || virtualKey == VK_UP;
  if (!backwards && virtualKey != VK_RIGHT && virtualKey != VK_DOWN) return false;
  // Only buttons give the arrows a meaning here: a slider, an edit and a list use them.
  CBitmapBtn* button = current >= 0 ? controls.button(current) : nullptr;
  if (current >= 0 && !button) return false;
  ShowFocusMarks();
  if (current >= 0 && candidates[current].group != 0) {
    const int member = nextInGroup(candidates, current, backwards);
    if (member >= 0 && FocusControl(controls, member)) controls.button(member)->Press();
    return true;
  }
  const int next = nextInTabOrder(candidates, current, backwards);
  if (next >= 0) FocusControl(controls, next);
  return true;
}

}  // namespace ko
