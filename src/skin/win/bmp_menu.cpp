#include "skin/win/bmp_menu.h"

#include <oleacc.h>

#include <algorithm>

#include "skin/win/control_accessible.h"
#include "skin/win/gdi_objects.h"

namespace ko {
namespace {

const wchar_t kMenuClass[] = L"KoBmpMenu";

void PaintBackground(HWND window, const SkinImage& picture) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window, &ps);
  RECT client;
  GetClientRect(window, &client);
  {
    OffscreenCanvas canvas(dc, client.right, client.bottom, false);
    RECT all{0, 0, client.right, client.bottom};
    FillRect(canvas.dc(), &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    picture.DrawStretched(canvas.dc(), 0, 0, client.right, client.bottom);
    canvas.Present();
  }
  EndPaint(window, &ps);
}

HWND CreatePopup(HWND owner, ScreenPoint at, int width, int height) {
  // Topmost while it is open; the opener closes it when the program loses the activation, so
  // it never stands over another program.
  return CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, RegisterCustomClass(kMenuClass), L"", WS_POPUP, at.x, at.y,
                         width, height, owner, nullptr, GetModuleHandleW(nullptr), nullptr);
}

}  // namespace

void MenuPictures::Load(TextView normalPath, TextView overPath, TextView downPath, TextView disabledPath) {
  normal = SkinImage::Load(normalPath);
  over = SkinImage::Load(overPath);
  down = SkinImage::Load(downPath);
  disabled = SkinImage::Load(disabledPath);
}

// ---- sub-menu ------------------------------------------------------------------------

CSubBmpMenu::CSubBmpMenu(HWND menu, int itemIndex, const std::vector<tagBMPMENUINFO>& subItems,
                         const MenuPictures& pictures, int fontHeight)
    : menu_(menu), itemIndex_(itemIndex), subItems_(subItems), fontHeight_(fontHeight) {
  const int count = static_cast<int>(std::min(subItems.size(), kMaxMenuItems));
  const SkinImage* sizing = &pictures.normal;
  for (const SkinImage* other : {&pictures.over, &pictures.down, &pictures.disabled})
    if (sizing->empty()) sizing = other;
  const int w = sizing->width();
  width_ = w;
  const int h = std::min(SubMenuHeight(count), sizing->height());
  normal_ = pictures.normal.Cut(0, 0, w, h);
  over_ = pictures.over.Cut(0, 0, w, h);
  down_ = pictures.down.Cut(0, 0, w, h);
  disabled_ = pictures.disabled.Cut(0, 0, w, h);
}

bool CSubBmpMenu::Create(ScreenPoint position) {
  const int count = static_cast<int>(std::min(subItems_.size(), kMaxMenuItems));
  HWND window = CreatePopup(menu_, position, width(), SubMenuHeight(count));
  if (!window || !Attach(window)) return false;
  for (int j = 0; j < count; ++j) {
    const PixelRect r = SubMenuItemRect(j, width());
    CBitmapBtn& button = buttons_[j];
    button.Create(hwnd(), {r.left, r.top, r.right, r.bottom}, 0);
    button.SetImages(r.left, r.top, r.width(), r.height(), normal_, over_, down_, disabled_);
    button.SetCaption(subItems_[j].textView(), 0, 1);
    button.SetTextRectCentredSingleLine({0, 0, r.width(), kMenuItemHeight});
    button.SetFontHeight(fontHeight_);
    button.SetAccessibleRole(ROLE_SYSTEM_MENUITEM);
  }
  ShowWindow(hwnd(), SW_SHOWNOACTIVATE);
  NotifyAccessible(EVENT_SYSTEM_MENUPOPUPSTART, hwnd());
  return true;
}

bool CSubBmpMenu::Describe(AccessibleFacts& facts) const {
  const BmpMenuItems& list = MenuItemList();
  if (itemIndex_ >= 0 && itemIndex_ < static_cast<int>(list.size())) facts.name = Text(list[itemIndex_].textView());
  facts.role = ROLE_SYSTEM_MENUPOPUP;
  facts.state = WindowState(hwnd(), false);
  return true;
}

bool CBmpMenu::Describe(AccessibleFacts& facts) const {
  facts.name = accessibleName();
  facts.role = ROLE_SYSTEM_MENUPOPUP;
  facts.state = WindowState(hwnd(), false);
  return true;
}

PixelRect CSubBmpMenu::ScreenRect() const {
  RECT r{};
  if (hwnd()) GetWindowRect(hwnd(), &r);
  return {r.left, r.top, r.right, r.bottom};
}

LRESULT CSubBmpMenu::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT reflected = 0;
  if (ReflectToControl(hwnd(), message, wParam, lParam, &reflected)) return reflected;
  switch (message) {
    case WM_ERASEBKGND: return TRUE;
    case WM_PAINT: PaintBackground(hwnd(), normal_); return 0;
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_COMMAND: {
      const HWND button = reinterpret_cast<HWND>(lParam);
      for (size_t j = 0; j < std::min(subItems_.size(), kMaxMenuItems); ++j)
        if (buttons_[j].hwnd() == button) {
          const MenuMessage report = PackSubMenuReport(itemIndex_, static_cast<int>(j), subItems_[j].value);
          PostMessageW(menu_, kSubMenuChoiceMessage, report.wParam, report.lParam);
        }
      return 0;
    }
    default: return Default(message, wParam, lParam);
  }
}

// ---- menu ----------------------------------------------------------------------------

CBmpMenu::~CBmpMenu() {
  Destroy();
  // A menu never shown still owns the list its opener filled.
  TearDown();
}

void CBmpMenu::SetItemImages(TextView normal, TextView over, TextView down, TextView disabled) {
  items_.Load(normal, over, down, disabled);
}

void CBmpMenu::SetSubMenuImages(TextView normal, TextView over, TextView down, TextView disabled) {
  subMenus_.Load(normal, over, down, disabled);
}

bool CBmpMenu::Create() {
  BmpMenuItems& list = MenuItemList();
  // The menu takes the size of its normal picture; without one, the size of any other of
  // its pictures keeps the items reachable (their normal faces are then empty).
  const SkinImage* sizing = &items_.normal;
  for (const SkinImage* other : {&items_.over, &items_.down, &items_.disabled})
    if (sizing->empty()) sizing = other;
  const int width = sizing->width();
  const int height = sizing->height();
  HWND window = CreatePopup(opener_, position_, width, height);
  if (!window || !Attach(window)) return false;
  // The list holds this menu's items only if this menu filled it.
  itemCount_ = list.filledBy() == this ? static_cast<int>(std::min(list.size(), kMaxMenuItems)) : 0;
  const int h = MenuItemHeight(compact_);
  for (int i = 0; i < itemCount_; ++i) {
    const PixelRect r = MenuItemRect(i, width, height, compact_);
    CBitmapBtn& button = buttons_[i];
    button.Create(hwnd(), {r.left, r.top, r.right, r.bottom}, 0);
    button.SetImages(r.left, r.top, r.width(), r.height(), items_.normal, items_.over, items_.down, items_.disabled);
    button.SetCaption(list[i].textView(), 0, 1);
    button.SetTextRectCentredSingleLine({0, 0, width, h});
    button.SetFontHeight(fontHeight_);
    button.SetAccessibleRole(ROLE_SYSTEM_MENUITEM);
  }
  ShowWindow(hwnd(), SW_SHOW);
  UpdateWindow(hwnd());
  NotifyAccessible(EVENT_SYSTEM_MENUPOPUPSTART, hwnd());
  return true;
}

bool CBmpMenu::ContainsScreenPoint(POINT p) const {
  RECT r{};
  if (hwnd() && GetWindowRect(hwnd(), &r) && PtInRect(&r, p)) return true;
  return subMenu_ && Contains(subMenu_->ScreenRect(), {p.x, p.y});
}

void CBmpMenu::CloseSubMenu() {
  subKeyItem_ = -1;
  if (!subMenu_) return;
  BmpMenuItems& list = MenuItemList();
  if (subMenu_->itemIndex() < static_cast<int>(list.size())) list[subMenu_->itemIndex()].subMenuOpen = 0;
  subMenu_.reset();
}

void CBmpMenu::OpenSubMenu(int item) {
  tagBMPMENUINFO& info = MenuItemList()[item];
  info.subMenuOpen = 1;
  subMenu_ = std::make_unique<CSubBmpMenu>(hwnd(), item, *info.subItems, subMenus_, fontHeight_);
  RECT menu;
  GetWindowRect(hwnd(), &menu);
  const ScreenPoint at =
      SubMenuPosition({menu.left, menu.top}, menu.right - menu.left, subMenu_->width(), item,
                      static_cast<int>(info.subItemCount()), GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  if (!subMenu_->Create(at)) CloseSubMenu();
}

void CBmpMenu::OnPointer(ScreenPoint p) {
  const BmpMenuItems& list = MenuItemList();
  std::vector<PixelRect> rects;
  std::vector<bool> hasSub;
  for (int i = 0; i < itemCount_; ++i) {
    RECT r{};
    GetWindowRect(buttons_[i].hwnd(), &r);
    rects.push_back({r.left, r.top, r.right, r.bottom});
    hasSub.push_back(list[i].hasSubMenu != 0);
  }
  const int open = subMenu_ ? subMenu_->itemIndex() : -1;
  const SubMenuChange change = DecideSubMenu(p, rects, hasSub, open, subMenu_ ? subMenu_->ScreenRect() : PixelRect{});
  if (change.closeOpen) CloseSubMenu();
  if (change.openItem >= 0) OpenSubMenu(change.openItem);
}

void CBmpMenu::OnItemClicked(HWND button) {
  const BmpMenuItems& list = MenuItemList();
  for (int i = 0; i < itemCount_; ++i) {
    if (buttons_[i].hwnd() != button) continue;
    if (list[i].hasSubMenu) return;  // its sub-menu carries the choice
    const MenuMessage choice = PackItemChoice(i, list[i].value);
    PostMessageW(opener_, kMenuChoiceMessage, choice.wParam, choice.lParam);
    return;
  }
}

void CBmpMenu::HighlightKeyItem(int item, int subItem) {
  if (keyItem_ >= 0 && keyItem_ < itemCount_) buttons_[keyItem_].ShowHighlight(false);
  if (subMenu_ && subKeyItem_ >= 0 && subKeyItem_ < subMenu_->itemCount())
    subMenu_->item(subKeyItem_).ShowHighlight(false);
  keyItem_ = item;
  subKeyItem_ = subMenu_ ? subItem : -1;
  if (keyItem_ >= 0 && keyItem_ < itemCount_) buttons_[keyItem_].ShowHighlight(true);
  if (subMenu_ && subKeyItem_ >= 0 && subKeyItem_ < subMenu_->itemCount())
    subMenu_->item(subKeyItem_).ShowHighlight(true);
}

int CBmpMenu::NextStartingWith(int count, int from, char16_t letter, const std::function<TextView(int)>& text) {
  const auto upper = [](char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 32) : c; };
  for (int n = 1; n <= count; ++n) {
    const int i = ((from + n) % count + count) % count;
    const TextView t = text(i);
    if (!t.empty() && upper(t[0]) == upper(letter)) return i;
  }
  return -1;
}

MenuKeyResult CBmpMenu::OnKey(UINT key) {
  if (key == VK_ESCAPE || itemCount_ == 0) return MenuKeyResult::Close;
  const BmpMenuItems& list = MenuItemList();
  const bool inSub = subMenu_ && subKeyItem_ >= 0;
  const int subCount = subMenu_ ? subMenu_->itemCount() : 0;
  const auto openSub = [&](int item) {
    if (item < 0 || !list[item].hasSubMenu) return;
    if (!subMenu_ || subMenu_->itemIndex() != item) {
      CloseSubMenu();
      OpenSubMenu(item);
    }
    if (subMenu_ && subMenu_->itemCount() > 0) HighlightKeyItem(item, 0);
  };
  switch (key) {
    case VK_UP:
    case VK_DOWN: {
      const int step = key == VK_DOWN ? 1 : -1;
      if (inSub) {
        HighlightKeyItem(keyItem_, ((subKeyItem_ + step) % subCount + subCount) % subCount);
      } else {
        CloseSubMenu();
        const int from = keyItem_ < 0 ? (step > 0 ? -1 : 0) : keyItem_;
        HighlightKeyItem(((from + step) % itemCount_ + itemCount_) % itemCount_, -1);
      }
      return MenuKeyResult::Handled;
    }
    case VK_RIGHT: openSub(keyItem_); return MenuKeyResult::Handled;
    case VK_LEFT:
      if (inSub) {
        subMenu_->item(subKeyItem_).ShowHighlight(false);
        CloseSubMenu();
      }
      return MenuKeyResult::Handled;
    case VK_RETURN:
    case VK_SPACE:
      if (inSub) {
        subMenu_->item(subKeyItem_).Press();
      } else if (keyItem_ >= 0 && list[keyItem_].hasSubMenu) {
        openSub(keyItem_);
      } else if (keyItem_ >= 0) {
        buttons_[keyItem_].Press();
      }
      return MenuKeyResult::Handled;
    default: break;
  }
  const bool letter = (key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9');
  if (!letter) return MenuKeyResult::Handled;
  const char16_t c = static_cast<char16_t>(key);
  if (inSub) {
    const int j = NextStartingWith(subCount, subKeyItem_, c, [&](int k) { return subMenu_->itemText(k); });
    if (j >= 0) HighlightKeyItem(keyItem_, j);
  } else {
    const int i = NextStartingWith(itemCount_, keyItem_, c, [&](int k) { return list[k].textView(); });
    if (i >= 0) {
      CloseSubMenu();
      HighlightKeyItem(i, -1);
    }
  }
  return MenuKeyResult::Handled;
}

void CBmpMenu::TearDown() {
  subMenu_.reset();
  for (CBitmapBtn& button : buttons_) button.Destroy();
  itemCount_ = 0;
  items_ = MenuPictures{};
  subMenus_ = MenuPictures{};
  // A menu opened after this one may already have filled the list with its own items.
  MenuItemList().ReleaseBy(this);
}

LRESULT CBmpMenu::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT reflected = 0;
  if (ReflectToControl(hwnd(), message, wParam, lParam, &reflected)) return reflected;
  switch (message) {
    case WM_ERASEBKGND: return TRUE;
    case WM_PAINT: PaintBackground(hwnd(), items_.normal); return 0;
    case WM_MOUSEMOVE: {
      // Moves come from the menu itself (client coordinates) and from its buttons (screen
      // coordinates); the pointer's own position serves both.
      POINT p;
      GetCursorPos(&p);
      OnPointer({p.x, p.y});
      return 0;
    }
    case WM_COMMAND: OnItemClicked(reinterpret_cast<HWND>(lParam)); return 0;
    case kSubMenuChoiceMessage: {
      const int item = HighWord(static_cast<uint32_t>(wParam));
      const BmpMenuItems& list = MenuItemList();
      if (item < 0 || item >= static_cast<int>(list.size())) return 0;
      const MenuMessage choice = PackSubItemChoice(
          {static_cast<uint32_t>(wParam), static_cast<uint32_t>(lParam)}, list[item].value);
      PostMessageW(opener_, kMenuChoiceMessage, choice.wParam, choice.lParam);
      return 0;
    }
    case WM_DESTROY:
      NotifyAccessible(EVENT_SYSTEM_MENUPOPUPEND, hwnd());
      TearDown();
      return Default(message, wParam, lParam);
    default: return Default(message, wParam, lParam);
  }
}

}  // namespace ko
