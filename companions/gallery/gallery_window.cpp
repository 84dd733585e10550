#include "gallery_window.h"

#include <windowsx.h>

#include "platform/profile_file.h"
#include "skin/gallery_layout.h"
#include "skin/skin_files.h"
#include "skin/win/gdi_objects.h"

namespace ko::gallery {
namespace {

const wchar_t kGalleryClass[] = L"KoGallery";
constexpr int kSliderId = 10001;
constexpr int kEditId = 10020;
constexpr int kListId = 10021;
constexpr int kKeysId = 10022;
constexpr int kColoursId = 10023;

RECT ToRect(const PixelRect& r) { return {r.left, r.top, r.right, r.bottom}; }

}  // namespace

LRESULT ColourArea::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_ERASEBKGND) return TRUE;
  if (message != WM_PAINT) return Default(message, wParam, lParam);
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd(), &ps);
  RECT client;
  GetClientRect(hwnd(), &client);
  {
    OffscreenCanvas canvas(dc, client.right, client.bottom, false);
    const COLORREF hues[] = {RGB(255, 0, 0), RGB(255, 160, 0), RGB(255, 225, 0), RGB(0, 200, 80),
                             RGB(0, 160, 255), RGB(60, 60, 255), RGB(200, 0, 255)};
    const int bands = sizeof hues / sizeof hues[0];
    for (int i = 0; i < bands; ++i) {
      RECT band{client.right * i / bands, 0, client.right * (i + 1) / bands, client.bottom};
      BrushObject brush(CreateSolidBrush(hues[i]));
      FillRect(canvas.dc(), &band, brush.get());
    }
    canvas.Present();
  }
  EndPaint(hwnd(), &ps);
  return 0;
}

GalleryWindow::~GalleryWindow() {
  menu_.reset();
  Destroy();
}

Text GalleryWindow::Picture(const char* name) const {
  Text path(reinterpret_cast<const char16_t*>(skinFolder_.c_str()));
  return path + u16(name);
}

const SkinImage& GalleryWindow::Full(int source) const {
  switch (static_cast<ko::Picture>(source)) {
    case ko::Picture::Over: return over_;
    case ko::Picture::Down: return down_;
    case ko::Picture::Disabled: return disabled_;
    default: return main_;
  }
}

bool GalleryWindow::Create() {
  const WindowLayout& layout = galleryLayout();
  const ProfileFile file(Picture(layout.layoutFile));
  const SkinScreen screen = ReadSkinScreen(file);
  const Text folder(reinterpret_cast<const char16_t*>(skinFolder_.c_str()));
  main_ = SkinImage::Load(folder + screen.main);
  over_ = SkinImage::Load(folder + screen.over);
  down_ = SkinImage::Load(folder + screen.down);
  disabled_ = SkinImage::Load(folder + screen.disabled);
  // The program's windows take the size of their Main picture; the gallery keeps its table
  // size when that picture is missing, so the controls stay reachable.
  const int width = main_.empty() ? layout.width : main_.width();
  const int height = main_.empty() ? layout.height : main_.height();
  log_.Write("pictures main=%dx%d over=%dx%d down=%dx%d disabled=%dx%d", main_.width(), main_.height(),
             over_.width(), over_.height(), down_.width(), down_.height(), disabled_.width(), disabled_.height());
  HWND window = CreateWindowExW(0, RegisterCustomClass(kGalleryClass), L"Control gallery",
                                // Not clipping children: transparent labels show the picture
                                // painted under them.
                                WS_POPUP, 0, 0, width, height, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
  if (!window || !Attach(window)) return false;
  BuildControls();
  ShowWindow(hwnd(), SW_SHOW);
  SetForegroundWindow(hwnd());
  UpdateWindow(hwnd());
  log_.Write("ready %dx%d", width, height);
  return true;
}

void GalleryWindow::BuildControls() {
  const WindowLayout& layout = galleryLayout();
  const ProfileFile file(Picture(layout.layoutFile));
  buttons_.resize(layout.controls.size());
  labels_.resize(layout.controls.size());
  for (size_t i = 0; i < layout.controls.size(); ++i) {
    const ControlSpec& entry = layout.controls[i];
    const RECT rect = ToRect(entry.rect);
    const Text caption = entry.captionNumber ? ReadButtonCaption(file, entry.captionNumber) : Text();
    switch (entry.kind) {
      case ControlKind::Button: {
        auto button = std::make_unique<CBitmapBtn>();
        button->Create(hwnd(), rect, 0);
        button->SetImages(entry.rect.left, entry.rect.top, entry.rect.width(), entry.rect.height(),
                          Full(static_cast<int>(entry.sources.normal)), Full(static_cast<int>(entry.sources.over)),
                          Full(static_cast<int>(entry.sources.down)), Full(static_cast<int>(entry.sources.disabled)));
        const int offset = entry.align == TextAlign::Left ? 28 : 0;
        button->SetCaption(caption, offset, 1);
        buttons_[i] = std::move(button);
        break;
      }
      case ControlKind::Label: {
        auto label = std::make_unique<CStaticTrans>();
        label->Create(hwnd(), rect, caption);
        if (entry.align == TextAlign::Centre)
          SetWindowLongPtrW(label->hwnd(), GWL_STYLE, GetWindowLongPtrW(label->hwnd(), GWL_STYLE) | SS_CENTER);
        label->SetFont(13);
        labels_[i] = std::move(label);
        break;
      }
      case ControlKind::Edit:
        edit_.Create(hwnd(), rect, kEditId, ES_NUMBER | ES_CENTER);
        SendMessageW(edit_.hwnd(), EM_LIMITTEXT, 5, 0);
        SetWindowTextW(edit_.hwnd(), L"800");
        break;
      case ControlKind::Slider: {
        const Text thumb = Picture("arrow1.png");
        slider_.SetRange(1, 12);
        slider_.Create(thumb, u"", rect, hwnd(), kSliderId);
        const SkinImage* filled =
            entry.sources.down == ko::Picture::None ? nullptr : &Full(static_cast<int>(entry.sources.down));
        slider_.SetTrackImages(entry.rect.left, entry.rect.top, entry.rect.width(), entry.rect.height(),
                               Full(static_cast<int>(entry.sources.normal)), filled);
        slider_.SetPos(6);
        break;
      }
      case ControlKind::Custom: colours_.Create(hwnd(), rect, kColoursId); break;
      case ControlKind::MacroDisplay:
        keys_.Create(hwnd(), rect, kKeysId);
        keys_.SetText(u"Ctrl^ C^ C| Ctrl| Shift^ F5^ F5| Shift|");
        keys_.SetHighlight(true);
        break;
      case ControlKind::List:
        list_.Create(hwnd(), rect, kListId);
        list_.SetColors(Rgb(21, 23, 27), Rgb(58, 64, 74));
        list_.SetTextColors(Rgb(255, 255, 255), Rgb(255, 225, 0));
        list_.SetRightClickReportingOff(false);
        list_.AddLine(u"A", kKeyPressIcon);
        list_.AddLine(u"250 ms", kNoIcon);
        list_.AddLine(u"A", kKeyReleaseIcon);
        list_.AddLine(u"Burst macro", kIconlessKindLine);
        break;
    }
  }
  // The states worth seeing: the two-state buttons and their disabled, checked sibling,
  // the first tab and segment selected, the switch on.
  auto twoState = [&](int index, bool checked) {
    if (index < static_cast<int>(buttons_.size()) && buttons_[index]) {
      buttons_[index]->SetCheckMode(true);
      buttons_[index]->SetChecked(checked);
    }
  };
  twoState(kToggleChecked, true);
  twoState(kToggleLocked, true);
  if (buttons_[kToggleLocked]) EnableWindow(buttons_[kToggleLocked]->hwnd(), FALSE);
  for (int t = 0; t < kTabCount; ++t) twoState(kTabFirst + t, t == 0);
  twoState(kTileFirst, true);
  twoState(kTileFirst + 1, false);
  twoState(kSegmentFirst, false);
  twoState(kSegmentFirst + 1, true);
  twoState(kSwitch, true);
  twoState(kCheckBox, false);
}

void GalleryWindow::OnCommand(HWND control) {
  for (int i = 0; i < static_cast<int>(buttons_.size()); ++i) {
    CBitmapBtn* button = buttons_[i].get();
    if (!button || button->hwnd() != control) continue;
    // Tabs, tiles and segments behave as groups: one of each stays chosen.
    auto choose = [&](int first, int count) {
      if (i < first || i >= first + count) return;
      for (int k = first; k < first + count; ++k) buttons_[k]->SetChecked(k == i);
    };
    choose(kTabFirst, kTabCount);
    choose(kTileFirst, 2);
    choose(kSegmentFirst, 2);
    log_.Write("command control=%d checked=%d", i, button->IsChecked() ? 1 : 0);
    if (i == kMenuButton) {
      if (menu_) CloseMenu();
      else OpenMenu();
    } else if (i == kClose) {
      DestroyWindow(hwnd());
    } else if (i == kMinimise) {
      ShowWindow(hwnd(), SW_MINIMIZE);
    }
    return;
  }
}

void GalleryWindow::OpenMenu() {
  menu_ = std::make_unique<CBmpMenu>(hwnd());
  menu_->SetItemImages(Picture("button_menu1_normal.png"), Picture("button_menu1_over.png"),
                       Picture("button_menu1_down.png"), Picture("button_menu1_normal.png"));
  menu_->SetSubMenuImages(Picture("menu_normal.png"), Picture("menu_over.png"), Picture("menu_down.png"),
                          Picture("menu_normal.png"));
  RECT anchor;
  GetWindowRect(buttons_[kMenuButton]->hwnd(), &anchor);
  menu_->SetPosition(anchor.left, anchor.bottom);
  // The assignment menu's pictures carry sub-menu arrows on rows 7 to 11: the items with
  // sub-items sit there.
  static const struct {
    const char* text;
    int value;
  } items[] = {{"Left click", 1}, {"Right click", 2}, {"Middle click", 3}, {"Forward", 4},
               {"Back", 5},       {"Double click", 6}, {"Disable", 13},    {"Advanced", 7},
               {"Media", 8},      {"Macro", 11},       {"Keyboard", 12},   {"Lighting", 14},
               {"Restore default", 15}};
  for (const auto& item : items) menu_->AddItem(u16(item.text), item.value);
  const char* advanced[] = {"DPI up", "DPI down", "Profile cycle", "Rapid fire"};
  for (int j = 0; j < 4; ++j) menu_->AddSubItem(7, u16(advanced[j]), j + 1);
  const char* media[] = {"Play", "Next track", "Previous track", "Volume up", "Volume down", "Mute"};
  for (int j = 0; j < 6; ++j) menu_->AddSubItem(8, u16(media[j]), 20 + j);
  menu_->AddSubItem(9, u"Burst", 1);
  menu_->AddSubItem(9, u"Reload", 2);
  menu_->AddSubItem(10, u"Single key", 1);
  menu_->AddSubItem(10, u"Key combination", 2);
  menu_->AddSubItem(11, u"On", 1);
  menu_->AddSubItem(11, u"Off", 0);
  if (!menu_->Create()) {
    menu_.reset();
    return;
  }
  log_.Write("menu open");
}

void GalleryWindow::CloseMenu() {
  menu_.reset();
  log_.Write("menu closed");
}

void GalleryWindow::Paint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd(), &ps);
  RECT client;
  GetClientRect(hwnd(), &client);
  {
    OffscreenCanvas canvas(dc, client.right, client.bottom, false);
    FillRect(canvas.dc(), &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    main_.DrawStretched(canvas.dc(), 0, 0, main_.width(), main_.height());
    canvas.Present();
  }
  EndPaint(hwnd(), &ps);
}

LRESULT GalleryWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT reflected = 0;
  if (ReflectToControl(hwnd(), message, wParam, lParam, &reflected)) return reflected;
  switch (message) {
    case WM_ERASEBKGND: return TRUE;
    case WM_PAINT: Paint(); return 0;
    case WM_COMMAND: OnCommand(reinterpret_cast<HWND>(lParam)); return 0;
    case WM_LBUTTONDOWN:
      // A click on the gallery itself dismisses an open menu, as an opener would.
      if (menu_) CloseMenu();
      return 0;
    case kSliderValueMessage:
      log_.Write("slider value=%d id=%d", static_cast<int>(wParam), static_cast<int>(lParam));
      return 0;
    case kMenuChoiceMessage:
      log_.Write("menu choice wParam=0x%08X lParam=0x%08X", static_cast<unsigned>(wParam),
                 static_cast<unsigned>(lParam));
      CloseMenu();
      return 0;
    case kEditKeyMessage:
      log_.Write("edit key=%d id=%d", static_cast<int>(wParam), static_cast<int>(lParam));
      return 0;
    case kListRightClickMessage:
    case kListLeftClickMessage:
    case kListDoubleClickMessage:
    case kListKindDoubleClickMessage:
      log_.Write("list message=0x%04X line=%d data=%d", message, static_cast<int>(wParam), static_cast<int>(lParam));
      return 0;
    case WM_DESTROY:
      menu_.reset();
      PostQuitMessage(0);
      return Default(message, wParam, lParam);
    default: return Default(message, wParam, lParam);
  }
}

}  // namespace ko::gallery
