#include "skin/menu_items.h"

namespace ko {

tagBMPMENUINFO::tagBMPMENUINFO(TextView itemText, int32_t itemValue) : value(itemValue) {
  copyToBuffer(itemText, text, kMenuTextUnits);
}

void BmpMenuItems::AddItem(TextView text, int32_t value) { items_.emplace_back(text, value); }

bool BmpMenuItems::AddSubItem(size_t itemIndex, TextView text, int32_t value) {
  if (itemIndex >= items_.size()) return false;
  tagBMPMENUINFO& item = items_[itemIndex];
  if (!item.subItems) item.subItems = std::make_unique<std::vector<tagBMPMENUINFO>>();
  item.subItems->emplace_back(text, value);
  item.hasSubMenu = 1;
  return true;
}

BmpMenuItems& MenuItemList() {
  static BmpMenuItems list;
  return list;
}

}  // namespace ko
