#include <gtest/gtest.h>

#include <cstring>
#include "assign/key_capture.h"
#include "text/key_tables.h"

namespace ko {
namespace {

// Flags of a key message: scan code, extended bit, previous-state bit.
constexpr uint32_t kExtended = kKeyExtendedBit;
constexpr uint32_t kRepeat = kKeyWasDownBit;

ButtonAssignment keyAssignment(uint32_t virtualKey) {
  ButtonAssignment a{};
  a.FunctionCode = 5;
  a.ParamA = 1;
  a.ParamB = 1;
  setKeyEntry(a, 0, KeyEntry{0, VkToHid(virtualKey)});
  return a;
}

// Presses (and releases) keys as the dialog's filter sees them, then stores like OK.
struct Dialog {
  KeyCapture capture;
  explicit Dialog(const ButtonAssignment& loaded = ButtonAssignment{}) { capture.Load(loaded); }
  bool press(uint32_t vk, uint32_t flags = 0) { return capture.Filter(KeyMessage::KeyDown, vk, flags); }
  void release(uint32_t vk, uint32_t flags = 0) { capture.Filter(KeyMessage::KeyUp, vk, flags); }
  ButtonAssignment ok() const {
    ButtonAssignment a{};
    std::memset(a.ParamData, 0xEE, sizeof a.ParamData);
    capture.Store(a);
    return a;
  }
};

TEST(KeyCapture, ModifiersAreStoredAsTheirLeftOrRightKey) {
  struct Case {
    KeyMessage message;
    uint32_t vk, flags;
    uint8_t usage;
  } cases[] = {
      {KeyMessage::KeyDown, 17, 0x1D | kExtended, 228},  // right Ctrl
      {KeyMessage::KeyDown, 17, 0x1D, 224},              // left Ctrl
      {KeyMessage::KeyDown, 16, 0x2A, 225},              // left Shift, told by its scan code
      {KeyMessage::KeyDown, 16, 0x36, 229},              // right Shift
      {KeyMessage::KeyDown, 16, 0x00, 0},                // a Shift of neither side has no usage
      {KeyMessage::SysKeyDown, 18, 0x38, 226},           // left Alt
      {KeyMessage::SysKeyDown, 18, 0x38 | kExtended, 230},
  };
  for (const Case& c : cases) {
    KeyCapture capture;
    capture.Load(ButtonAssignment{});
    capture.Filter(c.message, c.vk, c.flags);
    ButtonAssignment stored{};
    capture.Store(stored);
    EXPECT_EQ(stored.ParamB, 1) << c.vk << " " << c.flags;
    EXPECT_EQ(keyEntryAt(stored, 0).Usage, c.usage) << c.vk << " " << c.flags;
  }
}

TEST(KeyCapture, KeypadEnterIsItsOwnKeyAndShownAsEnter) {
  Dialog dialog;
  EXPECT_FALSE(dialog.press(13, 0x1C | kExtended));  // captured, then passed on
  EXPECT_EQ(dialog.capture.event(0).virtualKey, 108u);
  EXPECT_EQ(dialog.capture.DisplayText(), u"Enter ");
  EXPECT_EQ(keyEntryAt(dialog.ok(), 0).Usage, 88);

  Dialog main;
  main.press(13, 0x1C);
  EXPECT_EQ(keyEntryAt(main.ok(), 0).Usage, 40);
}

TEST(KeyCapture, LetterShownUpperCaseStoredAsUsage) {
  Dialog dialog;
  dialog.press('A', 0x1E);
  dialog.release('A', 0x1E);
  EXPECT_EQ(dialog.capture.DisplayText(), u"A ");
  const ButtonAssignment stored = dialog.ok();
  EXPECT_EQ(stored.ParamA, 1);
  EXPECT_EQ(stored.ParamB, 1);
  EXPECT_EQ(keyEntryAt(stored, 0).Flags, 0);
  EXPECT_EQ(keyEntryAt(stored, 0).Usage, 4);
  // Everything past the one entry is cleared.
  for (size_t i = 2; i < kAssignmentParamBytes; ++i) EXPECT_EQ(stored.ParamData[i], 0) << i;
}

TEST(KeyCapture, SnapshotIsCapturedWithoutUsage) {
  Dialog dialog(keyAssignment('Q'));
  dialog.press(44, 0x37 | kExtended);
  const ButtonAssignment stored = dialog.ok();
  EXPECT_EQ(stored.ParamB, 1);
  EXPECT_EQ(keyEntryAt(stored, 0).Usage, 0);
}

TEST(KeyCapture, WindowsAndApplicationsKeysAreNotCaptured) {
  for (uint32_t vk : {91u, 92u, 93u}) {
    Dialog dialog(keyAssignment('Q'));
    EXPECT_FALSE(dialog.press(vk, 0x5B | kExtended));
    dialog.release(vk, 0x5B | kExtended);
    EXPECT_FALSE(dialog.capture.started());
    EXPECT_EQ(keyEntryAt(dialog.ok(), 0).Usage, VkToHid('Q')) << vk;
  }
}

TEST(KeyCapture, TheFirstKeyAfterOpeningReplacesTheStoredOneAndIsKept) {
  Dialog untouched(keyAssignment('Q'));
  EXPECT_EQ(untouched.capture.DisplayText(), u"Q ");
  EXPECT_EQ(keyEntryAt(untouched.ok(), 0).Usage, VkToHid('Q'));

  Dialog dialog(keyAssignment('Q'));
  dialog.press('W', 0x11);
  dialog.release('W', 0x11);
  dialog.press('E', 0x12);
  dialog.release('E', 0x12);
  EXPECT_EQ(dialog.capture.count(), 1);
  EXPECT_EQ(dialog.capture.DisplayText(), u"W ");
  EXPECT_EQ(keyEntryAt(dialog.ok(), 0).Usage, VkToHid('W'));
}

TEST(KeyCapture, OnlyAKeyAssignmentShowsACurrentKey) {
  ButtonAssignment rapidFire = keyAssignment('Q');  // count 1, and a byte 5 that reads as a key
  rapidFire.FunctionCode = 101;
  Dialog dialog(rapidFire);
  EXPECT_EQ(dialog.capture.DisplayText(), u"");
  EXPECT_EQ(dialog.ok().ParamB, 0) << "OK without a key stores no key";
}

TEST(KeyCapture, ReleasingAKeyHeldBeforeOpeningOnlyClearsTheShownKey) {
  Dialog dialog(keyAssignment('Q'));
  dialog.release('Z', 0x2C);
  EXPECT_EQ(dialog.capture.count(), 0);
  EXPECT_EQ(dialog.capture.DisplayText(), u"");
  EXPECT_EQ(dialog.ok().ParamB, 0);
  // The next key is still taken.
  dialog.press('X', 0x2D);
  EXPECT_EQ(keyEntryAt(dialog.ok(), 0).Usage, VkToHid('X'));
}

TEST(KeyCapture, AutoRepeatAddsNothingAndSpaceIsConsumed) {
  Dialog dialog(keyAssignment('Q'));
  EXPECT_FALSE(dialog.press('A', 0x1E | kRepeat));
  EXPECT_TRUE(dialog.press(32, 0x39 | kRepeat));
  EXPECT_FALSE(dialog.capture.started());
  EXPECT_EQ(dialog.capture.DisplayText(), u"Q ");
  EXPECT_TRUE(dialog.press(32, 0x39));
  EXPECT_EQ(keyEntryAt(dialog.ok(), 0).Usage, 44);
}

// Alt and F10 are taken as keys and kept from the system menu, but Alt+F4 must still reach
// the dialog's window so that the keyboard can close it.
TEST(KeyCapture, SystemKeysAreCapturedAndConsumedExceptAltF4) {
  KeyCapture capture;
  capture.Load(ButtonAssignment{});
  EXPECT_TRUE(capture.Filter(KeyMessage::SysKeyDown, 18, 0x38));
  EXPECT_EQ(capture.count(), 1);
  EXPECT_EQ(capture.event(0).virtualKey, 164u);
  EXPECT_TRUE(capture.Filter(KeyMessage::SysKeyUp, 18, 0x38));
  EXPECT_TRUE(capture.Filter(KeyMessage::SysKeyDown, 121, 0x44));  // F10
  EXPECT_TRUE(capture.Filter(KeyMessage::SysKeyUp, 121, 0x44));
  EXPECT_FALSE(capture.Filter(KeyMessage::SysKeyDown, 115, 0x3E));  // F4 with Alt held
  KeyCapture fresh;
  fresh.Load(ButtonAssignment{});
  EXPECT_FALSE(fresh.Filter(KeyMessage::SysKeyDown, 115, 0x3E | kRepeat));
}

TEST(KeyCapture, DialogKeysAreCapturedOnceAndPassedOn) {
  for (uint32_t vk : {9u, 27u, 39u, 40u}) {
    Dialog dialog;
    EXPECT_FALSE(dialog.press(vk, 0x0F));
    EXPECT_EQ(dialog.capture.count(), 1) << vk;
    EXPECT_EQ(dialog.capture.event(0).virtualKey, vk);
  }
}

TEST(KeyCapture, StoredCountsBeyondTheModeReadAsNoKey) {
  ButtonAssignment two = keyAssignment('Q');
  two.ParamB = 2;
  setKeyEntry(two, 1, KeyEntry{0x80, VkToHid('Q')});
  KeyCapture single;
  single.Load(two);
  EXPECT_EQ(single.count(), 0);

  KeyCapture multi(true);
  multi.Load(two);
  EXPECT_EQ(multi.count(), 2);
  EXPECT_EQ(multi.event(1).release, 1);

  ButtonAssignment tooMany = keyAssignment('Q');
  tooMany.ParamB = 61;
  multi.Load(tooMany);
  EXPECT_EQ(multi.count(), 0);
}

TEST(KeyCapture, MultiKeyListShowsDelaysAndTakesOnlyReleasesOfPressedKeys) {
  ButtonAssignment delayed{};
  delayed.FunctionCode = 5;
  delayed.ParamB = 1;
  setKeyEntry(delayed, 0, KeyEntry{5, VkToHid('A')});
  KeyCapture shown(true);
  shown.Load(delayed);
  EXPECT_EQ(shown.DisplayText(), u"A(10ms) ");

  KeyCapture capture(true);
  capture.Load(ButtonAssignment{});
  capture.Filter(KeyMessage::KeyUp, 'B', 0x30);  // never pressed: refused
  capture.Filter(KeyMessage::KeyDown, 'A', 0x1E);
  capture.Filter(KeyMessage::KeyUp, 'A', 0x1E);
  capture.Filter(KeyMessage::KeyUp, 'A', 0x1E);  // already released: refused
  ASSERT_EQ(capture.count(), 2);
  ButtonAssignment stored{};
  capture.Store(stored);
  EXPECT_EQ(keyEntryAt(stored, 0).Flags, 0x00);
  EXPECT_EQ(keyEntryAt(stored, 1).Flags, 0x80);
  EXPECT_EQ(keyEntryAt(stored, 1).Usage, 4);
}

}  // namespace
}  // namespace ko
