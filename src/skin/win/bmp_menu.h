// CBmpMenu and CSubBmpMenu: the skinned popup menu, a borderless popup of picture-button
// items with at most one sub-menu beside it. A choice reaches the opener as 0x501; the
// opener destroys the menu.
#pragma once
#include <array>
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

class CSubBmpMenu : public SkinControl {
 public:
  CSubBmpMenu(HWND menu, int itemIndex, const std::vector<tagBMPMENUINFO>& subItems, const MenuPictures& pictures,
              int fontHeight);
  bool Create(ScreenPoint position);
  int itemIndex() const { return itemIndex_; }
  int width() const { return width_; }
  PixelRect ScreenRect() const;

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

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void OnPointer(ScreenPoint p);
  void CloseSubMenu();
  void OpenSubMenu(int item);
  void OnItemClicked(HWND button);
  void TearDown();

  HWND opener_;
  MenuPictures items_, subMenus_;
  ScreenPoint position_;
  int fontHeight_ = 15;
  bool compact_ = false;
  int itemCount_ = 0;
  std::array<CBitmapBtn, kMaxMenuItems> buttons_;
  std::unique_ptr<CSubBmpMenu> subMenu_;
};

}  // namespace ko
