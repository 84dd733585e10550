#include "assign/key_capture.h"

#include <cstring>
#include "settings/function_catalogue.h"
#include "text/key_tables.h"

namespace ko {

namespace {

constexpr uint32_t kVkTab = 9, kVkReturn = 13, kVkShift = 16, kVkControl = 17, kVkMenu = 18, kVkEscape = 27,
                   kVkSpace = 32, kVkRight = 39, kVkDown = 40, kVkSnapshot = 44, kVkLeftWindows = 91,
                   kVkRightWindows = 92, kVkApplications = 93, kVkF4 = 115;
constexpr uint32_t kLeftShiftScanCode = 0x2A, kRightShiftScanCode = 0x36;

bool IsSystemKey(uint32_t vk) { return vk == kVkLeftWindows || vk == kVkRightWindows || vk == kVkApplications; }

// Keys the dialog's own processing also acts on: they are captured once, when first
// pressed, and then passed on.
bool IsDialogKey(uint32_t vk) {
  return vk == kVkTab || vk == kVkReturn || vk == kVkEscape || vk == kVkRight || vk == kVkDown || vk == kVkSnapshot;
}

bool IsRepeat(uint32_t flags) { return (flags & kKeyWasDownBit) != 0; }

}  // namespace

uint32_t SidedVirtualKey(uint32_t virtualKey, uint32_t flags) {
  const bool extended = (flags & kKeyExtendedBit) != 0;
  switch (virtualKey) {
    case kVkControl: return extended ? 163 : 162;
    case kVkMenu: return extended ? 165 : 164;
    case kVkReturn: return extended ? 108 : kVkReturn;
    case kVkShift: {
      const uint32_t scan = flags & kKeyScanCodeMask;
      if (scan == kLeftShiftScanCode) return 160;
      if (scan == kRightShiftScanCode) return 161;
      return kVkShift;
    }
    default: return virtualKey;
  }
}

void KeyCapture::Load(const ButtonAssignment& assignment) {
  // Only a key assignment's ParamB counts keys: rapid fire, XShoot and the rest keep other
  // numbers there, and their bytes read as keys would be stored back as one on OK.
  int stored = assignment.FunctionCode == function_code::kKeySequence ? assignment.ParamB : 0;
  if (stored > kMaxKeyEvents) stored = 0;
  if (!multiKey_ && stored > 1) stored = 0;
  count_ = 0;
  for (int i = 0; i < stored; ++i) {
    const KeyEntry entry = keyEntryAt(assignment, static_cast<size_t>(i));
    events_[count_++] = KeyEvent{HidToVk(entry.Usage), (entry.Flags & 0x80) ? 1 : 0, entry.Flags & 0x7F};
  }
  started_ = false;
}

bool KeyCapture::Filter(KeyMessage message, uint32_t virtualKey, uint32_t flags) {
  switch (message) {
    case KeyMessage::KeyDown:
      if (IsDialogKey(virtualKey)) {
        if (!IsRepeat(flags)) OnKeyEvent(false, virtualKey, flags & kKeyExtendedBit);
        return false;
      }
      if (virtualKey == kVkSpace) {
        if (!IsRepeat(flags)) OnKeyEvent(false, virtualKey, flags);
        return true;
      }
      if (IsSystemKey(virtualKey)) return false;
      if (!IsRepeat(flags)) OnKeyEvent(false, virtualKey, flags);
      return false;
    case KeyMessage::KeyUp:
      if (!IsSystemKey(virtualKey)) OnKeyEvent(true, virtualKey, flags);
      return false;
    case KeyMessage::SysKeyDown:
      if (!IsRepeat(flags)) OnKeyEvent(false, virtualKey, flags);
      // Alt+F4 goes on so that the dialog can be closed from the keyboard; any other Alt
      // or F10 message would open the (absent) system menu and eat the next key.
      return virtualKey != kVkF4;
    case KeyMessage::SysKeyUp:
      OnKeyEvent(true, virtualKey, flags);
      return true;
  }
  return false;
}

bool KeyCapture::OnKeyEvent(bool release, uint32_t virtualKey, uint32_t flags) {
  if (!started_) count_ = 0;
  if (count_ >= kMaxKeyEvents || (!multiKey_ && count_ >= 1)) return false;
  const uint32_t key = SidedVirtualKey(virtualKey, flags);
  if (release) {
    // A release counts only when its key was last seen going down.
    int last = count_ - 1;
    while (last >= 0 && events_[last].virtualKey != key) --last;
    if (last < 0 || events_[last].release != 0) return false;
  }
  events_[count_++] = KeyEvent{key, release ? 1 : 0, 0};
  started_ = true;
  return true;
}

Text KeyCapture::DisplayText(const KeyboardLayout& layout) const {
  Text text;
  for (int i = 0; i < count_; ++i) {
    const KeyEvent& e = events_[i];
    if (!multiKey_ && e.release) continue;
    text += DialogKeyName(e.virtualKey, layout);
    if (e.delay != 0) text += u"(" + decimal(e.delay * 2) + u"ms)";
    text += u" ";
  }
  return text;
}

void KeyCapture::Store(ButtonAssignment& assignment) const {
  assignment.ParamA = 1;
  assignment.ParamB = static_cast<uint8_t>(count_);
  std::memset(assignment.ParamData, 0, sizeof assignment.ParamData);
  for (int i = 0; i < count_; ++i) {
    const KeyEvent& e = events_[i];
    const uint8_t flags = static_cast<uint8_t>((e.delay & 0x7F) | (e.release ? 0x80 : 0));
    setKeyEntry(assignment, static_cast<size_t>(i), KeyEntry{flags, VkToHid(e.virtualKey)});
  }
}

}  // namespace ko
