// Every function a mouse button can have: its code as stored in the assignment record, the
// interface text that labels it, where the assignment menu offers it, whether a loaded
// settings file may keep it, and which parameter bytes it uses. The load rules, the
// labels and the menus all read this one table.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

namespace ko {

// Where the assignment menu offers a function.
enum class MenuGroup : uint8_t {
  None,        // never chosen from the menu (set by the device or by older versions)
  TopLevel,
  Macro,       // the macro chooser
  Advanced,    // "ADVANCEDCOMMAND"
  Basic,       // "BASICCOMMAND"
  Additional,  // "ADDITIONALCOMMAND"
  Media,       // "MEDIACOMMAND"
  Shift,       // "SHIFT": switch to one of the other profiles
};

// Which bytes of the record beyond the code a function uses.
enum class AssignmentParams : uint8_t {
  None,
  KeySequence,  // ParamA 1, ParamB = key entries, ParamData = the entries (key capture)
  Macro,        // ParamA loop, ParamB position and run mode, MacroName
  XShoot,       // ParamA, ParamB the two numbers, byte 5 the trigger
  DpiShift,     // ParamA 1..4
  RapidFire,    // ParamA count, ParamB second number, byte 5 the speed
};

struct CatalogueEntry {
  uint8_t code;
  const char16_t* labelKey;  // key of section "BUTTONPAGE"; nullptr: no fixed label
  MenuGroup menu;
  bool keptOnLoad;  // false: a loaded file's assignment is replaced by the factory one
  AssignmentParams params;
};

namespace catalogue_detail {
using M = MenuGroup;
using P = AssignmentParams;
}  // namespace catalogue_detail

// In code order. Codes 5 and 6 are labelled by their key and macro; 25 and 36 have none.
inline constexpr std::array<CatalogueEntry, 54> kFunctionCatalogue = [] {
  using namespace catalogue_detail;
  return std::array<CatalogueEntry, 54>{{
      {1, u"CLICK", M::TopLevel, true, P::None},
      {2, u"MENU", M::TopLevel, true, P::None},
      {3, u"MIDDLE", M::TopLevel, true, P::None},
      {4, u"DBCLICK", M::TopLevel, true, P::None},
      {5, nullptr, M::Advanced, true, P::KeySequence},
      {6, nullptr, M::Macro, true, P::Macro},
      {7, u"OFFBUTTON", M::TopLevel, true, P::None},
      {9, u"XSHOOT", M::Advanced, true, P::XShoot},
      {10, u"BUTTON4", M::TopLevel, true, P::None},
      {11, u"BUTTON5", M::TopLevel, true, P::None},
      {12, u"DPIUP", M::Advanced, true, P::None},
      {13, u"DPIDOWN", M::Advanced, true, P::None},
      {14, u"DPISWITCH", M::Advanced, true, P::None},
      {15, u"DPISHIFT", M::Advanced, true, P::DpiShift},
      {21, u"GAMEKEY", M::None, true, P::None},
      {23, u"PROFILEUP", M::Advanced, true, P::None},
      {24, u"PROFILEDOWN", M::Advanced, true, P::None},
      {25, nullptr, M::None, true, P::None},
      {32, u"PLAYPAUSE", M::Media, true, P::None},
      {33, u"STOP", M::Media, true, P::None},
      {34, u"PREVIOUS", M::Media, true, P::None},
      {35, u"NEXT", M::Media, true, P::None},
      {36, nullptr, M::None, true, P::None},
      {37, u"VOLUMEUP", M::Media, true, P::None},
      {38, u"VOLUMEDOWN", M::Media, true, P::None},
      {39, u"MUTE", M::Media, true, P::None},
      {48, u"SCROLLUP", M::None, true, P::None},
      {49, u"SCROLLDOWN", M::None, true, P::None},
      {50, u"SCROLLLEFT", M::None, true, P::None},
      {51, u"SCROLLRIGHT", M::None, true, P::None},
      {64, u"CUT", M::Basic, true, P::None},
      {65, u"COPY", M::Basic, true, P::None},
      {66, u"PASTE", M::Basic, true, P::None},
      {67, u"UNDO", M::Basic, true, P::None},
      {68, u"SELECTALL", M::Basic, true, P::None},
      {69, u"FIND", M::Basic, true, P::None},
      {70, u"NEW", M::Basic, true, P::None},
      {71, u"PRINT", M::Basic, true, P::None},
      {72, u"SAVE", M::Basic, true, P::None},
      {80, u"SWAP_WINDOWS", M::Additional, true, P::None},
      {81, u"CLOSE_WINDOWS", M::Additional, true, P::None},
      {82, u"LOCK_PC", M::Additional, true, P::None},
      {83, u"OPEN_EXPLORER", M::Additional, true, P::None},
      {84, u"RUN", M::Additional, true, P::None},
      {85, u"SHOW_DESKTOP", M::Additional, true, P::None},
      {96, u"DPIFUN", M::None, false, P::None},
      {99, u"HANDSWITCH", M::Advanced, true, P::None},
      {100, u"LEDSWITCH", M::Advanced, true, P::None},
      {101, u"GUNFIREKEY", M::Advanced, true, P::RapidFire},
      {113, u"SHIFT1", M::Shift, true, P::None},
      {114, u"SHIFT2", M::Shift, true, P::None},
      {115, u"SHIFT3", M::Shift, true, P::None},
      {116, u"SHIFT4", M::Shift, true, P::None},
      {117, u"SHIFT5", M::Shift, true, P::None},
  }};
}();

// Function codes with a fixed meaning.
namespace function_code {
constexpr uint8_t kNone = 0;
constexpr uint8_t kLeftClick = 1;
constexpr uint8_t kKeySequence = 5;
constexpr uint8_t kMacro = 6;
constexpr uint8_t kButtonOff = 7;
constexpr uint8_t kFirstProfileShift = 113;  // 112 + n switches to profile n (index n - 1)
}  // namespace function_code

// The catalogue entry of a code; nullptr for codes without a function.
constexpr const CatalogueEntry* findCatalogueEntry(uint8_t code) {
  if (code == function_code::kNone) return nullptr;
  for (const CatalogueEntry& entry : kFunctionCatalogue)
    if (entry.code == code) return &entry;
  return nullptr;
}

constexpr bool catalogueKeepsOnLoad(uint8_t code) {
  for (const CatalogueEntry& entry : kFunctionCatalogue)
    if (entry.code == code) return entry.keptOnLoad;
  return false;
}

static_assert(catalogueKeepsOnLoad(1) && catalogueKeepsOnLoad(117) && !catalogueKeepsOnLoad(96) &&
                  !catalogueKeepsOnLoad(0) && !catalogueKeepsOnLoad(8),
              "what a loaded file keeps");

}  // namespace ko
