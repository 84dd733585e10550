// The items of the skinned popup menu. There is only ever one menu open, so there is one
// item list for the whole program: the opener fills it before the menu window is made and
// the menu empties it when its window goes away. A menu opened while another is still up
// fills the list before the old one is torn down, so the list remembers which menu filled
// it: the first item of a new menu starts the list afresh, and only the menu that filled
// the list empties it.
#pragma once
#include <cstdint>
#include <memory>
#include <vector>
#include "platform/wide_text.h"

namespace ko {

inline constexpr size_t kMenuTextUnits = 260;  // with the terminator: 259 units of text
inline constexpr size_t kMaxMenuItems = 20;

struct tagBMPMENUINFO {
  char16_t text[kMenuTextUnits] = {};
  uint8_t hasSubMenu = 0;   // 1 once a sub-item is added
  uint8_t subMenuOpen = 0;  // 1 while this item's sub-menu window exists
  int32_t value = 0;
  // Created with the first sub-item; sub-items use only text and value.
  std::unique_ptr<std::vector<tagBMPMENUINFO>> subItems;

  tagBMPMENUINFO() = default;
  tagBMPMENUINFO(TextView itemText, int32_t itemValue);
  tagBMPMENUINFO(tagBMPMENUINFO&&) = default;
  tagBMPMENUINFO& operator=(tagBMPMENUINFO&&) = default;

  TextView textView() const { return TextView(text, boundedLength(text, kMenuTextUnits)); }
  size_t subItemCount() const { return subItems ? subItems->size() : 0; }
};

class BmpMenuItems {
 public:
  void AddItem(TextView text, int32_t value);
  // Hangs a sub-item under item `itemIndex`; false (nothing added) for an item that does
  // not exist.
  bool AddSubItem(size_t itemIndex, TextView text, int32_t value);
  void Clear() {
    items_.clear();
    filledBy_ = nullptr;
  }
  // Makes `menu` the one whose items the list holds, dropping another menu's items.
  void ClaimFor(const void* menu) {
    if (filledBy_ == menu) return;
    items_.clear();
    filledBy_ = menu;
  }
  // Empties the list if `menu` filled it; another menu's items stay.
  void ReleaseBy(const void* menu) {
    if (filledBy_ == menu) Clear();
  }
  const void* filledBy() const { return filledBy_; }

  size_t size() const { return items_.size(); }
  bool empty() const { return items_.empty(); }
  tagBMPMENUINFO& operator[](size_t i) { return items_[i]; }
  const tagBMPMENUINFO& operator[](size_t i) const { return items_[i]; }

 private:
  std::vector<tagBMPMENUINFO> items_;
  const void* filledBy_ = nullptr;
};

// The program's one menu item list.
BmpMenuItems& MenuItemList();

}  // namespace ko
