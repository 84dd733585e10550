// The user's keyboard layout through the Win32 keyboard functions.
#include <windows.h>
#include "platform/keyboard_layout.h"

namespace ko {
namespace {

class WinKeyboardLayout final : public KeyboardLayout {
 public:
  uint32_t scanCodeOf(uint32_t virtualKey) const override {
    return MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
  }

  int translate(uint32_t virtualKey, uint32_t scanCode, uint16_t& character) const override {
    BYTE state[256] = {};
    WORD chars[2] = {0, 0};
    const int count = ToAscii(virtualKey, scanCode, state, chars, 0);
    character = count != 0 ? static_cast<uint16_t>(chars[0] & 0xFF) : 0;
    if (count < 0) {
      // A dead key stays pending in the system's keyboard state and would change the next
      // character the user types; a second translation of the same key takes it out again.
      WORD flushed[2] = {0, 0};
      ToAscii(virtualKey, scanCode, state, flushed, 0);
    }
    return count;
  }

  int16_t keyForCharacter(char16_t character) const override {
    return static_cast<int16_t>(VkKeyScanW(static_cast<WCHAR>(character)));
  }
};

}  // namespace

const KeyboardLayout& platformKeyboardLayout() {
  static const WinKeyboardLayout layout;
  return layout;
}

}  // namespace ko
