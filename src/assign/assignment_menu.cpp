#include "assign/assignment_menu.h"

#include "settings/settings_file.h"

namespace ko {
namespace {

using Entries = std::vector<AssignmentMenuEntry>;

const Entries& advancedItems() {
  static const Entries items = {
      {u"LEDSWITCH", 100}, {u"HANDSWITCH", 99}, {u"DPIUP", 12},       {u"DPIDOWN", 13},
      {u"DPISWITCH", 14},  {u"DPISHIFT", 15},   {u"PROFILEUP", 23},   {u"PROFILEDOWN", 24},
      {u"XSHOOT", 9},      {u"ASSIGNKEY", 5},   {u"GUNFIREKEY", 101},
  };
  return items;
}

const Entries& basicItems() {
  static const Entries items = {
      {u"CUT", 64},       {u"COPY", 65}, {u"PASTE", 66}, {u"UNDO", 67}, {u"SELECTALL", 68},
      {u"FIND", 69},      {u"NEW", 70},  {u"PRINT", 71}, {u"SAVE", 72},
  };
  return items;
}

const Entries& additionalItems() {
  static const Entries items = {
      {u"SWAP_WINDOWS", 80}, {u"CLOSE_WINDOWS", 81}, {u"OPEN_EXPLORER", 83},
      {u"RUN", 84},          {u"SHOW_DESKTOP", 85},  {u"LOCK_PC", 82},
  };
  return items;
}

const Entries& mediaItems() {
  static const Entries items = {
      {u"PLAYPAUSE", 32}, {u"STOP", 33},       {u"PREVIOUS", 34}, {u"NEXT", 35},
      {u"VOLUMEUP", 37},  {u"VOLUMEDOWN", 38}, {u"MUTE", 39},
  };
  return items;
}

Entries shiftItems(int activeProfile) {
  static const char16_t* const keys[] = {u"SHIFT1", u"SHIFT2", u"SHIFT3", u"SHIFT4", u"SHIFT5"};
  Entries items;
  for (int n = 1; n <= kProfileCount; ++n)
    if (n != activeProfile + 1) items.push_back({keys[n - 1], 112 + n});
  return items;
}

}  // namespace

AssignmentMenuTree BuildAssignmentMenuTree(int activeProfile) {
  namespace id = assignment_menu_id;
  if (activeProfile < 0 || activeProfile >= kProfileCount) activeProfile = 0;
  return AssignmentMenuTree{
      {{u"CLICK", id::kClick}, {}},
      {{u"MENU", id::kMenu}, {}},
      {{u"MIDDLE", id::kMiddle}, {}},
      {{u"DBCLICK", id::kDoubleClick}, {}},
      {{u"BUTTON4", id::kButton4}, {}},
      {{u"BUTTON5", id::kButton5}, {}},
      {{u"MACROCOMMAND", id::kMacro}, {}},
      {{u"ADVANCEDCOMMAND", id::kAdvanced}, advancedItems()},
      {{u"BASICCOMMAND", id::kBasic}, basicItems()},
      {{u"ADDITIONALCOMMAND", id::kAdditional}, additionalItems()},
      {{u"MEDIACOMMAND", id::kMedia}, mediaItems()},
      {{u"SHIFT", id::kShift}, shiftItems(activeProfile)},
      {{u"OFFBUTTON", id::kButtonOff}, {}},
  };
}

bool AssignmentMenuOffers(const AssignmentMenuTree& tree, int top, int sub) {
  for (const AssignmentMenuItem& item : tree) {
    if (item.entry.id != top) continue;
    if (item.subItems.empty()) return sub == 0;
    for (const AssignmentMenuEntry& subItem : item.subItems)
      if (subItem.id == sub) return true;
    return false;
  }
  return false;
}

ScreenPoint AssignmentMenuPosition(const PixelRect& slot, int screenWidth, int screenHeight) {
  ScreenPoint p{slot.left + 1, slot.bottom};
  if (p.x + kAssignmentMenuWidth > screenWidth) p.x -= kAssignmentMenuWidth;
  if (p.y + kAssignmentMenuHeight > screenHeight) p.y -= kAssignmentMenuHeight;
  return p;
}

int activeProfileIndex(const SettingsRecord& record) {
  return static_cast<int>(&activeProfile(record) - record.Profiles);
}

}  // namespace ko
