#include "skin/win/bmp_menu.h"

#include <algorithm>

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
  }
  ShowWindow(hwnd(), SW_SHOWNOACTIVATE);
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
  }
  ShowWindow(hwnd(), SW_SHOW);
  UpdateWindow(hwnd());
  return true;
}

bool CBmpMenu::ContainsScreenPoint(POINT p) const {
  RECT r{};
  if (hwnd() && GetWindowRect(hwnd(), &r) && PtInRect(&r, p)) return true;
  return subMenu_ && Contains(subMenu_->ScreenRect(), {p.x, p.y});
}

void CBmpMenu::CloseSubMenu() {
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
    case WM_DESTROY: TearDown(); return Default(message, wParam, lParam);
    default: return Default(message, wParam, lParam);
  }
}

}  // namespace ko
