#include "text/key_tables.h"
#include <cstddef>
#include "platform/code_page.h"
#include "text/interface_text.h"

namespace ko {

const std::array<VkHidPair, 104> HidUsageTable = {{
    // Letters A..Z.
    {0x41, 4}, {0x42, 5}, {0x43, 6}, {0x44, 7}, {0x45, 8}, {0x46, 9}, {0x47, 10}, {0x48, 11},
    {0x49, 12}, {0x4A, 13}, {0x4B, 14}, {0x4C, 15}, {0x4D, 16}, {0x4E, 17}, {0x4F, 18}, {0x50, 19},
    {0x51, 20}, {0x52, 21}, {0x53, 22}, {0x54, 23}, {0x55, 24}, {0x56, 25}, {0x57, 26}, {0x58, 27},
    {0x59, 28}, {0x5A, 29},
    // Digits 1..9, 0.
    {0x31, 30}, {0x32, 31}, {0x33, 32}, {0x34, 33}, {0x35, 34}, {0x36, 35}, {0x37, 36}, {0x38, 37},
    {0x39, 38}, {0x30, 39},
    // F1..F12.
    {0x70, 58}, {0x71, 59}, {0x72, 60}, {0x73, 61}, {0x74, 62}, {0x75, 63}, {0x76, 64}, {0x77, 65},
    {0x78, 66}, {0x79, 67}, {0x7A, 68}, {0x7B, 69},
    // Keypad 1..9, 0.
    {0x61, 89}, {0x62, 90}, {0x63, 91}, {0x64, 92}, {0x65, 93}, {0x66, 94}, {0x67, 95}, {0x68, 96},
    {0x69, 97}, {0x60, 98},
    // Editing, navigation, modifiers, keypad operators and punctuation.
    {8, 42}, {9, 43}, {13, 40}, {19, 72}, {20, 57}, {27, 41}, {32, 44}, {33, 75},
    {34, 78}, {35, 77}, {36, 74}, {37, 80}, {38, 82}, {39, 79}, {40, 81}, {42, 70},
    {45, 73}, {46, 76}, {91, 227}, {92, 231}, {93, 101}, {106, 85}, {107, 87}, {108, 88},
    {109, 86}, {110, 99}, {111, 84}, {144, 83}, {145, 71}, {160, 225}, {161, 229}, {162, 224},
    {163, 228}, {164, 226}, {165, 230}, {186, 51}, {187, 46}, {188, 54}, {189, 45}, {190, 55},
    {191, 56}, {192, 53}, {219, 47}, {220, 49}, {221, 48}, {222, 52},
}};

const std::array<KeyNameCodePair, 145> KeyNameCodeTable = {{
    {16, 0xC0}, {17, 0x31}, {18, 0x51}, {19, 0x09}, {20, 0x41}, {21, 0x1B}, {22, 0x5A}, {23, 0x00},
    {24, 0x70}, {25, 0x32}, {26, 0x57}, {27, 0x14}, {28, 0x53}, {29, 0x00}, {30, 0x58}, {31, 0x00},
    {32, 0x71}, {33, 0x33}, {34, 0x45}, {35, 0x72}, {36, 0x44}, {37, 0x73}, {38, 0x43}, {39, 0x00},
    {40, 0x35}, {41, 0x34}, {42, 0x52}, {43, 0x54}, {44, 0x46}, {45, 0x47}, {46, 0x56}, {47, 0x42},
    {48, 0x36}, {49, 0x37}, {50, 0x55}, {51, 0x59}, {52, 0x4A}, {53, 0x48}, {54, 0x4D}, {55, 0x4E},
    {56, 0xBB}, {57, 0x38}, {58, 0x49}, {59, 0xDD}, {60, 0x4B}, {61, 0x75}, {62, 0xBC}, {63, 0x00},
    {64, 0x77}, {65, 0x39}, {66, 0x4F}, {67, 0x76}, {68, 0x4C}, {69, 0x00}, {70, 0xBE}, {71, 0x00},
    {72, 0xBD}, {73, 0x30}, {74, 0x50}, {75, 0xDB}, {76, 0xBA}, {77, 0xDE}, {78, 0x00}, {79, 0xBF},
    {80, 0x78}, {81, 0x79}, {82, 0x00}, {83, 0x08}, {84, 0xDC}, {85, 0x74}, {86, 0x0D}, {87, 0x20},
    {88, 0x2D}, {89, 0x7B}, {90, 0x68}, {91, 0x65}, {92, 0x62}, {93, 0x60}, {94, 0x6F}, {95, 0x27},
    {96, 0x2E}, {97, 0x7A}, {98, 0x67}, {99, 0x64}, {100, 0x61}, {101, 0x00}, {102, 0x90},
    {103, 0x28}, {104, 0x21}, {105, 0x22}, {106, 0x69}, {107, 0x66}, {108, 0x63}, {109, 0x6E},
    {110, 0x6A}, {111, 0x6D}, {112, 0x24}, {113, 0x23}, {114, 0x6B}, {115, 0x00}, {116, 0x6C},
    {117, 0x26}, {118, 0x13}, {119, 0x25}, {120, 0x00}, {121, 0x91}, {122, 0x2C}, {123, 0x00},
    {124, 0x00}, {125, 0xA4}, {126, 0x00}, {127, 0xA5}, {128, 0x00}, {129, 0x00}, {130, 0x00},
    {131, 0xA0}, {132, 0x00}, {133, 0x00}, {134, 0xA1}, {135, 0x00}, {136, 0xA2}, {137, 0x00},
    {138, 0x00}, {139, 0x00}, {140, 0x00}, {141, 0x00}, {142, 0xA3}, {143, 0xAD}, {144, 0xB5},
    {145, 0xB3}, {146, 0xB2}, {147, 0xB1}, {148, 0xB1}, {149, 0x00}, {150, 0xAF}, {151, 0xAE},
    {152, 0x00}, {153, 0xAC}, {154, 0x5D}, {155, 0x00}, {156, 0x5B}, {156, 0x5C}, {157, 0x00},
    {158, 0x00}, {159, 0xFB},
}};

namespace {

struct NamedCode {
  uint8_t code;
  const char16_t* name;
};

// Codes 1, 2 and 4 are mouse buttons, named by the interface text.
constexpr NamedCode kKeyCodeNames[] = {
    {16, u"~"}, {17, u"1"}, {18, u"Q"}, {19, u"TAB"}, {20, u"A"}, {21, u"ESC"}, {22, u"Z"},
    {23, u"(MuHenkan)"}, {24, u"F1"}, {25, u"2"}, {26, u"W"}, {27, u"Caps Lock"}, {28, u"S"},
    {30, u"X"}, {32, u"F2"}, {33, u"3"}, {34, u"E"}, {35, u"F3"}, {36, u"D"}, {37, u"F4"},
    {38, u"C"}, {39, u"Hanguel(Korean)"}, {40, u"5"}, {41, u"4"}, {42, u"R"}, {43, u"T"},
    {44, u"F"}, {45, u"G"}, {46, u"V"}, {47, u"B"}, {48, u"6"}, {49, u"7"}, {50, u"U"}, {51, u"Y"},
    {52, u"J"}, {53, u"H"}, {54, u"M"}, {55, u"N"}, {56, u"="}, {57, u"8"}, {58, u"I"}, {59, u"]"},
    {60, u"K"}, {61, u"F6"}, {62, u","}, {63, u"`(Dos/v)"}, {64, u"F8"}, {65, u"9"}, {66, u"O"},
    {67, u"F7"}, {68, u"L"}, {69, u"Henkan(Dos/v)"}, {70, u"."}, {71, u"Katakana(Dos/v)"},
    {72, u"-"}, {73, u"0"}, {74, u"P"}, {75, u"["}, {76, u";"}, {77, u"'"}, {78, u"$/}(102W)"},
    {79, u"/"}, {80, u"F9"}, {81, u"F10"}, {82, u"V-(Dos/v)"}, {83, u"Backspace"}, {84, u"\\"},
    {85, u"F5"}, {86, u"Enter"}, {87, u"Space Bar"}, {88, u"Insert"}, {89, u"F12"}, {90, u"Num 8"},
    {91, u"Num 5"}, {92, u"Num 2"}, {93, u"Num 0"}, {94, u"Num /"}, {95, u"Right"},
    {96, u"Delete"}, {97, u"F11"}, {98, u"Num 7"}, {99, u"Num 4"}, {100, u"Num 1"}, {101, u"NA"},
    {102, u"Num Lock"}, {103, u"Down"}, {104, u"Pageup"}, {105, u"Pagedown"}, {106, u"Num 9"},
    {107, u"Num 6"}, {108, u"Num 3"}, {109, u"Num del"}, {110, u"Num *"}, {111, u"Num -"},
    {112, u"Home"}, {113, u"End"}, {114, u"Num +"}, {115, u"NA"}, {116, u"Num Enter"},
    {117, u"Up"}, {118, u"Pause/Break"}, {119, u"Left"}, {120, u"NA"}, {121, u"Scroll Lock"},
    {122, u"PrtScr"}, {123, u"NA"}, {124, u"NA"}, {125, u"Alt"}, {127, u"Right Alt"},
    {131, u"Shift"}, {134, u"Right Shift"}, {135, u"Profile"}, {136, u"Ctrl"},
    {142, u"Right Ctrl"}, {143, u"Mute"}, {154, u"Application"}, {155, u"DPad NE"}, {156, u"Win"},
    {157, u"DPad SE"}, {158, u"DPad SW"}, {159, u"DPad NW"}, {244, u"Left Windows"},
    {245, u"Right Windows"},
};

struct NamedKey {
  uint8_t virtualKey;
  const char16_t* name;
};

// Keys with a fixed name; the keypad digits and F-keys follow below by rule. Num Lock
// (0x90) is named separately for the two uses.
constexpr NamedKey kKeyNames[] = {
    {0x08, u"Backspace"}, {0x09, u"Tab"}, {0x0C, u"Clear"}, {0x0D, u"Enter"}, {0x10, u"Shift"},
    {0x11, u"Ctrl"}, {0x12, u"Alt"}, {0x13, u"Pause"}, {0x14, u"CapsLock"}, {0x1B, u"Esc"},
    {0x20, u"Space"}, {0x21, u"PageUp"}, {0x22, u"PageDown"}, {0x23, u"End"}, {0x24, u"Home"},
    {0x25, u"Left"}, {0x26, u"Up"}, {0x27, u"Right"}, {0x28, u"Down"}, {0x29, u"Select"},
    {0x2A, u"Print"}, {0x2B, u"Exe"}, {0x2C, u"Snapshot"}, {0x2D, u"Ins"}, {0x2E, u"Del"},
    {0x2F, u"Help"}, {0x6A, u"Num*"}, {0x6B, u"Num+"}, {0x6C, u"Enter"}, {0x6D, u"Num-"},
    {0x6E, u"Num."}, {0x6F, u"Num/"}, {0x91, u"Scrl"}, {0xA0, u"LShift"}, {0xA1, u"RShift"},
    {0xA2, u"LCtrl"}, {0xA3, u"RCtrl"}, {0xA4, u"LAlt"}, {0xA5, u"RAlt"},
};

// Lower-case letters of the character sets the ANSI pages cover (Latin-1 and basic
// Cyrillic besides ASCII), so that key labels read like the printing on the keys.
char16_t upperCaseLetter(char16_t c) {
  if (c >= u'a' && c <= u'z') return static_cast<char16_t>(c - 0x20);
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<char16_t>(c - 0x20);
  if (c >= 0x430 && c <= 0x44F) return static_cast<char16_t>(c - 0x20);
  if (c >= 0x450 && c <= 0x45F) return static_cast<char16_t>(c - 0x50);
  return c;
}

// The character the layout gives the key with nothing held, as a one-character name.
Text characterName(uint32_t virtualKey, const KeyboardLayout& layout) {
  const uint32_t scanCode = layout.scanCodeOf(virtualKey);
  uint16_t character = 0;
  if (layout.translate(virtualKey, scanCode, character) == 0) return {};
  const char byte = static_cast<char>(character & 0xFF);
  if (byte == 0) return {};
  // The byte is in the ANSI code page; outside ASCII it is decoded there rather than shown
  // as whatever Latin-1 character has the same number.
  Text text;
  if (static_cast<unsigned char>(byte) < 0x80 || !decodeCodePage(ansiCodePage(), std::string_view(&byte, 1), text) ||
      text.size() != 1) {
    text.assign(1, static_cast<char16_t>(static_cast<unsigned char>(byte)));
  }
  text[0] = upperCaseLetter(text[0]);
  return text;
}

Text keyName(uint32_t virtualKey, const KeyboardLayout& layout, const char16_t* numLockName) {
  if (virtualKey >= 0x60 && virtualKey <= 0x69) return u"Num" + Text(1, static_cast<char16_t>(u'0' + virtualKey - 0x60));
  if (virtualKey >= 0x70 && virtualKey <= 0x7B) return u"F" + decimal(static_cast<int32_t>(virtualKey - 0x6F));
  if (virtualKey == 0x90) return numLockName;
  for (const auto& key : kKeyNames)
    if (key.virtualKey == virtualKey) return key.name;
  return characterName(virtualKey, layout);
}

}  // namespace

uint8_t VkToHid(uint32_t virtualKey) {
  uint8_t usage = 0;
  for (const auto& pair : HidUsageTable)
    if (pair.virtualKey == virtualKey) usage = pair.usage;
  return usage;
}

uint32_t HidToVk(uint32_t usage) {
  uint32_t virtualKey = 0;
  for (const auto& pair : HidUsageTable)
    if (pair.usage == usage) virtualKey = pair.virtualKey;
  return virtualKey;
}

uint32_t VkToKeyNameCode(uint32_t virtualKey) {
  uint32_t code = 0;
  if (virtualKey == 0) return 0;
  for (const auto& pair : KeyNameCodeTable)
    if (pair.virtualKey == virtualKey) code = pair.code;
  return code;
}

Text LabelKeyName(uint32_t virtualKey, const KeyboardLayout& layout) { return keyName(virtualKey, layout, u"Numlock"); }

Text DialogKeyName(uint32_t virtualKey, const KeyboardLayout& layout) { return keyName(virtualKey, layout, u"Numl"); }

Text KeyCodeNames(uint32_t code) { return KeyCodeNames(code, LanguageFile()); }

Text KeyCodeNames(uint32_t code, TextView languageFile) {
  switch (code) {
    case 1: return GetXmlText(languageFile, kButtonPageSection, u"CLICK");
    case 2: return GetXmlText(languageFile, kButtonPageSection, u"MENU");
    case 4: return GetXmlText(languageFile, kButtonPageSection, u"MIDDLE");
    default: break;
  }
  for (const auto& named : kKeyCodeNames)
    if (named.code == code) return named.name;
  return {};
}

}  // namespace ko
