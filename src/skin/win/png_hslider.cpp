#include "skin/win/png_hslider.h"

#include <windowsx.h>

#include <oleacc.h>

#include "skin/focus_order.h"
#include "skin/win/control_accessible.h"
#include "skin/win/focus_mark.h"
#include "skin/win/gdi_objects.h"

namespace ko {
namespace {

const wchar_t kTrackClass[] = L"KoSliderTrack";
const wchar_t kThumbClass[] = L"KoSliderThumb";

void PaintThrough(HWND window, void (*painter)(void*, HDC, int, int), void* self) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window, &ps);
  RECT client;
  GetClientRect(window, &client);
  {
    OffscreenCanvas canvas(dc, client.right, client.bottom);
    painter(self, canvas.dc(), client.right, client.bottom);
    canvas.Present();
  }
  EndPaint(window, &ps);
}

}  // namespace

// ---- thumb ---------------------------------------------------------------------------

bool CPngHSlider::Create(CPngHSliderBar& track, TextView picturePath, TextView disabledPicturePath, int id) {
  track_ = &track;
  id_ = id;
  picture_ = SkinImage::Load(picturePath);
  if (!disabledPicturePath.empty()) disabledPicture_ = SkinImage::Load(disabledPicturePath);
  const RECT rect{0, 0, picture_.width(), picture_.height()};
  return CreateControl(RegisterCustomClass(kThumbClass), L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, WS_EX_TRANSPARENT,
                       rect, track.hwnd(), id);
}

int CPngHSlider::TrackWidth() const {
  RECT client{};
  if (track_ && track_->hwnd()) GetClientRect(track_->hwnd(), &client);
  return client.right;
}

void CPngHSlider::SetEnabledLook(bool enabled) {
  enabled_ = enabled;
  if (hwnd()) InvalidateRect(hwnd(), nullptr, FALSE);
}

bool CPngHSlider::Describe(AccessibleFacts& facts) const {
  facts.name = track_ ? track_->accessibleName() : Text();
  facts.role = ROLE_SYSTEM_SLIDER;
  facts.value = decimal(value_);
  facts.state = WindowState(hwnd(), true);
  if (!enabled_) facts.state |= STATE_SYSTEM_UNAVAILABLE;
  return true;
}

int CPngHSlider::MoveToValue(int value) {
  const int before = value_;
  value_ = (value < range_.minimum || value > range_.maximum) ? range_.minimum : value;
  if (value_ != before) NotifyAccessible(EVENT_OBJECT_VALUECHANGE, hwnd());
  const int left = ThumbLeftForValue(range_, TrackWidth(), width(), value_);
  if (hwnd()) MoveWindow(hwnd(), left, 0, width(), height(), TRUE);
  return left;
}

void CPngHSlider::Paint() {
  PaintThrough(hwnd(), [](void* self, HDC dc, int, int) {
    auto* thumb = static_cast<CPngHSlider*>(self);
    const bool useDisabled = !thumb->enabled_ && !thumb->disabledPicture_.empty();
    const SkinImage& picture = useDisabled ? thumb->disabledPicture_ : thumb->picture_;
    picture.DrawStretched(dc, 0, 0, thumb->width(), thumb->height());
  }, this);
}

void CPngHSlider::EndDrag() {
  dragging_ = false;
  if (GetCapture() == hwnd()) ReleaseCapture();
  RECT placed;
  GetWindowRect(hwnd(), &placed);
  MapWindowPoints(nullptr, track_->hwnd(), reinterpret_cast<POINT*>(&placed), 2);
  value_ = ValueForDragEnd(range_, TrackWidth(), width(), placed.left);
  PostMessageW(track_->hwnd(), kSliderValueMessage, static_cast<WPARAM>(value_), id_);
}

bool CPngHSlider::OnKey(WPARAM virtualKey) {
  SliderKey key;
  switch (virtualKey) {
    case VK_RIGHT: case VK_UP: key = SliderKey::Increase; break;
    case VK_LEFT: case VK_DOWN: key = SliderKey::Decrease; break;
    case VK_PRIOR: key = SliderKey::PageIncrease; break;
    case VK_NEXT: key = SliderKey::PageDecrease; break;
    case VK_HOME: key = SliderKey::Lowest; break;
    case VK_END: key = SliderKey::Highest; break;
    default: return false;
  }
  ShowFocusMarks();
  if (!enabled_ || !IsWindowEnabled(track_->hwnd())) return true;
  const std::optional<int> value = sliderValueForKey(range_, value_, key);
  if (!value) return true;
  track_->SetFillPosition(MoveToValue(*value));
  PostMessageW(track_->hwnd(), kSliderValueMessage, static_cast<WPARAM>(value_), id_);
  return true;
}

void CPngHSlider::RepaintTrack() {
  if (track_ && track_->hwnd()) RedrawWindow(track_->hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

LRESULT CPngHSlider::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_KEYDOWN:
      if (OnKey(wParam)) return 0;
      return Default(message, wParam, lParam);
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      // The mark goes round the whole track: the thumb is too small to carry it.
      RepaintTrack();
      if (message == WM_SETFOCUS) NotifyAccessible(EVENT_OBJECT_FOCUS, hwnd());
      return Default(message, wParam, lParam);
    case WM_PAINT: Paint(); return 0;
    case WM_ERASEBKGND: return TRUE;
    case WM_LBUTTONDOWN:
      if (!draggable_ || !enabled_) return 0;
      SetCapture(hwnd());
      dragging_ = true;
      dragStart_ = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      ClientToScreen(hwnd(), &dragStart_);
      {
        RECT placed;
        GetWindowRect(hwnd(), &placed);
        MapWindowPoints(nullptr, track_->hwnd(), reinterpret_cast<POINT*>(&placed), 2);
        dragStartLeft_ = placed.left;
      }
      return 0;
    case WM_MOUSEMOVE:
      if (dragging_ && GetCapture() == hwnd()) {
        POINT now{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ClientToScreen(hwnd(), &now);
        const int left = DraggedThumbLeft(dragStartLeft_, now.x - dragStart_.x, TrackWidth(), width());
        MoveWindow(hwnd(), left, 0, width(), height(), TRUE);
        track_->SetFillPosition(left);
      }
      return 0;
    case WM_LBUTTONUP:
      if (dragging_) EndDrag();
      return 0;
    case WM_CAPTURECHANGED:
      // A drag cut short by another window still ends with a value.
      if (dragging_) EndDrag();
      return 0;
    default: return Default(message, wParam, lParam);
  }
}

// ---- track ---------------------------------------------------------------------------

bool CPngHSliderBar::Describe(AccessibleFacts& facts) const {
  thumb_.Describe(facts);
  const bool unavailable = (facts.state & STATE_SYSTEM_UNAVAILABLE) != 0;
  facts.state = WindowState(hwnd(), false) | (unavailable ? STATE_SYSTEM_UNAVAILABLE : 0);
  return true;
}

bool CPngHSliderBar::Create(TextView thumbPicturePath, TextView disabledThumbPicturePath, const RECT& rect,
                            HWND parent, int id) {
  id_ = id;
  if (!CreateControl(RegisterCustomClass(kTrackClass), L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, rect, parent,
                     id))
    return false;
  thumb_.SetRange(range_);
  if (!thumb_.Create(*this, thumbPicturePath, disabledThumbPicturePath, id)) return false;
  SetPos(range_.minimum);
  return true;
}

void CPngHSliderBar::SetTrackImages(int x, int y, int width, int height, const SkinImage& empty,
                                    const SkinImage* filled) {
  emptyTrack_ = empty.Cut(x, y, width, height);
  filledTrack_ = filled ? filled->Cut(x, y, width, height) : SkinImage();
  if (hwnd()) InvalidateRect(hwnd(), nullptr, FALSE);
}

void CPngHSliderBar::SetRange(int minimum, int maximum) {
  range_ = {minimum, maximum};
  thumb_.SetRange(range_);
}

void CPngHSliderBar::SetPos(int value) {
  SetFillPosition(thumb_.MoveToValue(value));
}

void CPngHSliderBar::SetFillPosition(int left) {
  fillPosition_ = left;
  // The track paints under its thumb (it does not clip its child), so the thumb must be
  // painted again after it, or it vanishes until something else repaints it.
  if (hwnd()) RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void CPngHSliderBar::Paint() {
  PaintThrough(hwnd(), [](void* self, HDC dc, int width, int height) {
    auto* track = static_cast<CPngHSliderBar*>(self);
    track->emptyTrack_.DrawStretched(dc, 0, 0, width, height);
    track->filledTrack_.DrawPart(dc, 0, 0, track->fillPosition_ + 1, height);
    if (ShowsFocusMark(track->thumb_.hwnd())) DrawFocusMark(dc, RECT{0, 0, width, height});
  }, this);
}

void CPngHSliderBar::OnClick(LPARAM position) {
  POINT at{GET_X_LPARAM(position), GET_Y_LPARAM(position)};
  HWND parent = GetParent(hwnd());
  MapWindowPoints(hwnd(), parent, &at, 1);
  RECT placed;
  GetWindowRect(hwnd(), &placed);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&placed), 2);
  const int value = ValueForTrackClick(range_, placed.left, placed.right, at.x);
  SetPos(value);
  PostMessageW(parent, kSliderValueMessage, static_cast<WPARAM>(value), id_);
}

LRESULT CPngHSliderBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: Paint(); return 0;
    case WM_ERASEBKGND: return TRUE;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
      OnClick(lParam);
      return 0;
    case WM_ENABLE:
      thumb_.SetEnabledLook(wParam != FALSE);
      InvalidateRect(hwnd(), nullptr, FALSE);
      return 0;
    case kSliderValueMessage:
      // The thumb's drag ended: keep the fill where the thumb stopped and tell the parent.
      PostMessageW(GetParent(hwnd()), kSliderValueMessage, wParam, id_);
      return 0;
    default: return Default(message, wParam, lParam);
  }
}

}  // namespace ko
