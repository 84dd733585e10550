// CBmpMenu and CSubBmpMenu: the skinned popup menu, a borderless popup of picture-button
// items with at most one sub-menu beside it. A choice reaches the opener as 0x501; the
// opener destroys the menu. The opener hands the menu its keys while it is open: Up and
// Down walk the items, Right opens a sub-menu and Left closes it, Enter or Space choose
// (through the item's own click), a letter goes to the next item starting with it, and
// Escape asks the opener to close the menu.
#pragma once
#include <algorithm>
#include <array>
#include <functional>
#include <memory>
#include "platform/wide_text.h"
#include "skin/menu_geometry.h"
#include "skin/menu_items.h"
#include "skin/win/bitmap_btn.h"
#include "skin/win/skin_control.h"
#include "skin/win/skin_image.h"

namespace ko {

struct MenuPictures {
  SkinImage normal, over, down, disabled;
  void Load(TextView normalPath, TextView overPath, TextView downPath, TextView disabledPath);
};

enum class MenuKeyResult { Handled, Close };

class CSubBmpMenu : public SkinControl {
 public:
  CSubBmpMenu(HWND menu, int itemIndex, const std::vector<tagBMPMENUINFO>& subItems, const MenuPictures& pictures,
              int fontHeight);
  bool Create(ScreenPoint position);
  int itemIndex() const { return itemIndex_; }
  int width() const { return width_; }
  PixelRect ScreenRect() const;
  int itemCount() const { return static_cast<int>(std::min(subItems_.size(), kMaxMenuItems)); }
  CBitmapBtn& item(int j) { return buttons_[j]; }
  TextView itemText(int j) const { return subItems_[j].textView(); }
  bool Describe(AccessibleFacts& facts) const override;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  HWND menu_;
  int itemIndex_;
  const std::vector<tagBMPMENUINFO>& subItems_;
  SkinImage normal_, over_, down_, disabled_;
  int fontHeight_;
  int width_ = 0;
  std::array<CBitmapBtn, kMaxMenuItems> buttons_;
};

class CBmpMenu : public SkinControl {
 public:
  explicit CBmpMenu(HWND opener) : opener_(opener) {}
  ~CBmpMenu() override;

  void SetItemImages(TextView normal, TextView over, TextView down, TextView disabled);
  void SetSubMenuImages(TextView normal, TextView over, TextView down, TextView disabled);
  void SetPosition(int x, int y) { position_ = {x, y}; }
  void SetFontHeight(int height) { fontHeight_ = height; }
  void SetCompactMode(bool compact) { compact_ = compact; }
  void AddItem(TextView text, int32_t value) {
    MenuItemList().ClaimFor(this);
    MenuItemList().AddItem(text, value);
  }
  void AddSubItem(size_t itemIndex, TextView text, int32_t value) {
    if (MenuItemList().filledBy() == this) MenuItemList().AddSubItem(itemIndex, text, value);
  }

  // Creates and shows the menu window; false when it could not be made.
  bool Create();
  // The open sub-menu, if any (for tests and the opener's dismissal rule).
  const CSubBmpMenu* subMenu() const { return subMenu_.get(); }
  // Whether a screen point lies on the menu or its open sub-menu.
  bool ContainsScreenPoint(POINT p) const;
  // A key while the menu is open (see above).
  MenuKeyResult OnKey(UINT virtualKey);
  // The item the keys stand on, and the sub-menu item (-1: none).
  int keyItem() const { return keyItem_; }
  int subKeyItem() const { return subKeyItem_; }
  bool Describe(AccessibleFacts& facts) const override;
  // The next item after `from` (wrapping) whose text starts with `letter`, -1 for none; the
  // macro-name popup jumps by letter the same way.
  static int NextStartingWith(int count, int from, char16_t letter, const std::function<TextView(int)>& text);

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void OnPointer(ScreenPoint p);
  void CloseSubMenu();
  void OpenSubMenu(int item);
  void OnItemClicked(HWND button);
  void TearDown();
  void HighlightKeyItem(int item, int subItem);

  HWND opener_;
  MenuPictures items_, subMenus_;
  ScreenPoint position_;
  int fontHeight_ = 15;
  bool compact_ = false;
  int itemCount_ = 0;
  std::array<CBitmapBtn, kMaxMenuItems> buttons_;
  std::unique_ptr<CSubBmpMenu> subMenu_;
  int keyItem_ = -1;
  int subKeyItem_ = -1;
};

}  // namespace ko
