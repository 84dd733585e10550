#include "perf/win/own_color_select.h"

#include <oleacc.h>
#include <windowsx.h>

#include "skin/win/focus_mark.h"
#include "text/interface_text.h"

namespace ko {

namespace {

const wchar_t* W(const Text& t) { return reinterpret_cast<const wchar_t*>(t.c_str()); }

// Below the square and the bar: one row of channels (label, minus, field, plus), then the
// hexadecimal field and a swatch of the chosen colour.
constexpr int kChannelRowTop = 202, kChannelRowBottom = 220;
constexpr int kHexRowTop = 228, kHexRowBottom = 248;
constexpr int kGroupWidth = 74;
constexpr COLORREF kGround = RGB(0x16, 0x16, 0x16);
constexpr COLORREF kFrame = RGB(78, 84, 98);
constexpr COLORREF kLabel = RGB(200, 204, 212);
constexpr COLORREF kAccent = RGB(255, 225, 0);

const int kFieldIds[4] = {picker_field::kRed, picker_field::kGreen, picker_field::kBlue, picker_field::kHex};

int FieldOfId(int id) {
  for (int i = 0; i < 4; ++i)
    if (kFieldIds[i] == id) return i;
  return -1;
}

bool Inside(const RECT& r, int x, int y) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; }

void FrameAround(HDC dc, RECT r, COLORREF colour) {
  InflateRect(&r, 1, 1);
  BrushObject brush(CreateSolidBrush(colour));
  FrameRect(dc, &r, brush.get());
}

}  // namespace

RECT COwnColorSelect::StepButtonRect(int channel, bool plus) {
  const int left = channel * kGroupWidth + (plus ? 56 : 10);
  return {left, kChannelRowTop + 1, left + 14, kChannelRowBottom - 1};
}

RECT COwnColorSelect::FieldRect(int field) {
  if (field == 3) return {30, kHexRowTop + 1, 90, kHexRowBottom - 1};
  const int left = field * kGroupWidth + 26;
  return {left, kChannelRowTop + 1, left + 28, kChannelRowBottom - 1};
}

RECT COwnColorSelect::SwatchRect() { return {100, kHexRowTop, 218, kHexRowBottom}; }

bool COwnColorSelect::Create(HWND parent, const RECT& rect, int id, const Text& skinFolder) {
  if (!CZarvoCustomControl::Create(parent, rect, id, WS_CHILD | WS_CLIPCHILDREN)) return false;
  marker_ = SkinImage::Load(skinFolder + u"rgb_sel.png");
  strip_ = SkinImage::Load(skinFolder + u"bar1.png");
  slot_ = SkinImage::Load(skinFolder + u"bar2.png");
  labelFont_.reset(CreateFontW(14, 0, 0, 0, 600, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                               CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS,
                               reinterpret_cast<const wchar_t*>(FaceName())));
  for (int i = 0; i < 4; ++i) {
    const DWORD style = ES_CENTER | ES_AUTOHSCROLL | (i < 3 ? ES_NUMBER : 0);
    fields_[i].Create(hwnd(), FieldRect(i), kFieldIds[i], style);
    SendMessageW(fields_[i].hwnd(), EM_LIMITTEXT, i < 3 ? 3 : 6, 0);
    // The channels' letters, as the picker draws them beside the fields.
    static const char16_t* const kFieldNames[] = {u"R", u"G", u"B", u"#"};
    fields_[i].SetAccessibleName(kFieldNames[i]);
  }
  Reset(picker_.colour());
  return true;
}

void COwnColorSelect::Reset(uint32_t colour) {
  // A refresh in the middle of a hue-bar drag or a step-button press (a device notice can
  // come at any time) ends it without a pick, and gives the mouse back: kept, the
  // window's next clicks would all go to the picker.
  picker_.reset(colour);
  pressedButton_ = -1;
  if (hwnd() && GetCapture() == hwnd()) ReleaseCapture();
  ShowFields();
  Repaint();
}

Text COwnColorSelect::FieldText(int field) const {
  wchar_t buffer[16] = {};
  GetWindowTextW(fields_[field].hwnd(), buffer, 16);
  return Text(reinterpret_cast<const char16_t*>(buffer));
}

void COwnColorSelect::SetFieldText(int field, const Text& text) {
  if (FieldText(field) != text) SetWindowTextW(fields_[field].hwnd(), W(text));
}

void COwnColorSelect::ShowFields(bool includingHex) {
  if (!hwnd()) return;
  const ColourFields f = FieldsFor(picker_.colour());
  SetFieldText(0, f.red);
  SetFieldText(1, f.green);
  SetFieldText(2, f.blue);
  if (includingHex) SetFieldText(3, f.hex);
}

void COwnColorSelect::Repaint() {
  if (hwnd()) InvalidateRect(hwnd(), nullptr, FALSE);
}

void COwnColorSelect::Post() {
  PostMessageW(GetParent(hwnd()), kColourPickedMessage, picker_.colour(), 0);
}

int COwnColorSelect::StepButtonAt(int x, int y) const {
  for (int b = 0; b < 6; ++b)
    if (Inside(StepButtonRect(b / 2, b % 2 == 1), x, y)) return b;
  return -1;
}

int COwnColorSelect::FocusedField() const {
  HWND focus = GetFocus();
  for (int i = 0; i < 4; ++i)
    if (focus && fields_[i].hwnd() == focus) return i;
  return -1;
}

void COwnColorSelect::FocusField(int field) {
  SetFocus(fields_[field].hwnd());
  // As a dialog's edit field is entered by Tab: all of it selected, typing replaces it.
  SendMessageW(fields_[field].hwnd(), EM_SETSEL, 0, -1);
}

bool COwnColorSelect::OnKey(UINT key, bool shift) {
  const int field = FocusedField();
  if (key == VK_TAB) {
    const int next = field < 0 ? (shift ? 3 : 0) : field + (shift ? -1 : 1);
    if (next < 0 || next > 3) return false;
    FocusField(next);
    return true;
  }
  const bool small = key == VK_UP || key == VK_DOWN;
  const bool large = key == VK_PRIOR || key == VK_NEXT;
  if ((!small && !large) || field < 0 || field > 2) return false;
  const int delta = key == VK_UP || key == VK_PRIOR ? +1 : -1;
  for (int n = small ? 1 : 16; n > 0; --n) picker_.stepChannel(static_cast<ColourChannel>(field), delta);
  ShowFields();
  SendMessageW(fields_[field].hwnd(), EM_SETSEL, 0, -1);
  Repaint();
  Post();
  return true;
}

void COwnColorSelect::OnPress(int x, int y) {
  if (InHueBar(x, y)) {
    if (picker_.dragging()) return;
    pressing_ = true;
    SetFocus(hwnd());
    pressing_ = false;
    picker_.pressBar(y);
    ShowFields();
    Repaint();
    SetCapture(hwnd());
    return;
  }
  if (InShadeSquare(x, y)) {
    pressing_ = true;
    SetFocus(hwnd());
    pressing_ = false;
    // The colour drawn under the pointer: the square is painted from the same rule.
    picker_.pickShade(x, y, ShadeColourAt(x, y - picker_geometry::kSquareTop, picker_.hue()));
    ShowFields();
    Repaint();
    Post();
    return;
  }
  pressedButton_ = StepButtonAt(x, y);
  if (pressedButton_ >= 0) {
    SetCapture(hwnd());
    Repaint();
  }
}

void COwnColorSelect::OnMove(int x, int y) {
  if (picker_.dragging()) {
    if (picker_.dragBar(y)) {
      ShowFields();
      Repaint();
    }
    return;
  }
  const int hover = StepButtonAt(x, y);
  if (hover != hoverButton_) {
    hoverButton_ = hover;
    Repaint();
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd(), 0};
    TrackMouseEvent(&track);
  }
}

void COwnColorSelect::OnRelease(int x, int y) {
  if (picker_.dragging()) {
    picker_.releaseBar();
    ReleaseCapture();
    Repaint();
    Post();
    return;
  }
  if (pressedButton_ < 0) return;
  const int button = pressedButton_;
  pressedButton_ = -1;
  ReleaseCapture();
  if (StepButtonAt(x, y) == button) {
    picker_.stepChannel(static_cast<ColourChannel>(button / 2), button % 2 == 1 ? +1 : -1);
    ShowFields();
    // A step changes the chosen colour like any other pick, so it is stored like one.
    Post();
  }
  Repaint();
}

void COwnColorSelect::OnFieldKey(int field) {
  if (field == 3) {
    picker_.hexTyped(FieldText(3));
    ShowFields(false);  // the field being typed in keeps its text and caret
  } else {
    std::optional<Text> replacement;
    picker_.channelTyped(static_cast<ColourChannel>(field), FieldText(0), FieldText(1), FieldText(2), &replacement);
    if (replacement) {
      SetWindowTextW(fields_[field].hwnd(), W(*replacement));
      SendMessageW(fields_[field].hwnd(), EM_SETSEL, replacement->size(), replacement->size());
    }
    SetFieldText(3, FieldsFor(picker_.colour()).hex);
  }
  Repaint();
  Post();
}

void COwnColorSelect::PaintShadeSquare(HDC dc) {
  using namespace picker_geometry;
  const int width = kShadeRowEnd + 1, height = kShadeRows;
  if (!shade_ || shadeHue_ != picker_.hue()) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    shade_.reset(CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!shade_ || !bits) return;
    auto* pixels = static_cast<uint32_t*>(bits);
    for (int h = 0; h < height; ++h)
      for (int x = 0; x < width; ++x) {
        const uint32_t c = ShadeColourAt(x, h, picker_.hue());
        pixels[h * width + x] = static_cast<uint32_t>(RedOf(c)) << 16 | static_cast<uint32_t>(GreenOf(c)) << 8 |
                                static_cast<uint32_t>(BlueOf(c));
      }
    shadeHue_ = picker_.hue();
  }
  HDC source = CreateCompatibleDC(dc);
  HGDIOBJ previous = SelectObject(source, shade_.get());
  BitBlt(dc, kSquareLeft, kSquareTop, width, height, source, 0, 0, SRCCOPY);
  SelectObject(source, previous);
  DeleteDC(source);
}

void COwnColorSelect::PaintStepButton(HDC dc, int button) {
  const RECT r = StepButtonRect(button / 2, button % 2 == 1);
  const bool pressed = button == pressedButton_ && button == hoverButton_;
  const bool hover = button == hoverButton_;
  BrushObject face(CreateSolidBrush(pressed ? kAccent : hover ? RGB(72, 78, 92) : RGB(46, 50, 60)));
  GdiObject<HPEN> edge(CreatePen(PS_SOLID, 1, hover ? RGB(150, 156, 170) : kFrame));
  {
    SelectedObject b(dc, face.get());
    SelectedObject p(dc, edge.get());
    RoundRect(dc, r.left, r.top, r.right, r.bottom, 5, 5);
  }
  GdiObject<HPEN> glyph(CreatePen(PS_SOLID, 2, pressed ? RGB(20, 20, 20) : RGB(235, 235, 235)));
  SelectedObject p(dc, glyph.get());
  const int cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
  MoveToEx(dc, cx - 3, cy, nullptr);
  LineTo(dc, cx + 4, cy);
  if (button % 2 == 1) {
    MoveToEx(dc, cx, cy - 3, nullptr);
    LineTo(dc, cx, cy + 4);
  }
}

void COwnColorSelect::Paint(HDC target) {
  RECT client;
  GetClientRect(hwnd(), &client);
  OffscreenCanvas canvas(target, client.right, client.bottom, false);
  HDC dc = canvas.dc();
  {
    BrushObject ground(CreateSolidBrush(kGround));
    FillRect(dc, &client, ground.get());
  }
  slot_.DrawPart(dc, picker_geometry::kBarLeft, 1, slot_.width(), slot_.height());
  strip_.DrawPart(dc, 201, picker_geometry::kBarTop, strip_.width(), strip_.height());
  marker_.DrawPart(dc, picker_geometry::kBarLeft, picker_.barPosition() - marker_.height() / 2, marker_.width(),
                   marker_.height());
  PaintShadeSquare(dc);
  {
    // The marker: a small ring, black under white, readable on light and dark shades.
    SelectedObject hollow(dc, GetStockObject(NULL_BRUSH));
    const int x = picker_.markerX(), y = picker_.markerY();
    GdiObject<HPEN> black(CreatePen(PS_SOLID, 2, RGB(0, 0, 0)));
    {
      SelectedObject p(dc, black.get());
      Ellipse(dc, x - 2, y - 2, x + 3, y + 3);
    }
    GdiObject<HPEN> white(CreatePen(PS_SOLID, 1, RGB(255, 255, 255)));
    SelectedObject p(dc, white.get());
    Ellipse(dc, x - 2, y - 2, x + 3, y + 3);
  }

  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, kLabel);
  SelectedObject font(dc, labelFont_.get());
  static const wchar_t* const kChannelLabels[] = {L"R", L"G", L"B"};
  for (int channel = 0; channel < 3; ++channel) {
    RECT label{channel * kGroupWidth, kChannelRowTop, channel * kGroupWidth + 10, kChannelRowBottom};
    DrawTextW(dc, kChannelLabels[channel], -1, &label, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
    PaintStepButton(dc, channel * 2);
    PaintStepButton(dc, channel * 2 + 1);
  }
  RECT hexLabel{0, kHexRowTop, 28, kHexRowBottom};
  // The colour code's sign reads the same in every interface language, unlike a word.
  DrawTextW(dc, L"#", -1, &hexLabel, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
  for (int field = 0; field < 4; ++field) FrameAround(dc, FieldRect(field), kFrame);
  // The field with the keyboard focus carries the window's focus mark around it (the
  // field itself covers the mark's inner half).
  if (const int focused = FocusedField(); focused >= 0 && FocusMarksShown()) {
    RECT around = FieldRect(focused);
    InflateRect(&around, 3, 3);
    DrawFocusMark(dc, around);
  }
  const RECT swatch = SwatchRect();
  {
    const uint32_t c = picker_.colour();
    BrushObject fill(CreateSolidBrush(RGB(RedOf(c), GreenOf(c), BlueOf(c))));
    FillRect(dc, &swatch, fill.get());
    FrameAround(dc, swatch, kFrame);
  }
  canvas.Present();
}

LRESULT COwnColorSelect::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT reflected = 0;
  if (ReflectToControl(hwnd(), message, wParam, lParam, &reflected)) return reflected;
  switch (message) {
    case WM_ERASEBKGND: return TRUE;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd(), &ps);
      Paint(dc);
      EndPaint(hwnd(), &ps);
      return 0;
    }
    case WM_LBUTTONDOWN: OnPress(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)); return 0;
    case WM_MOUSEMOVE: OnMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)); return 0;
    case WM_LBUTTONUP: OnRelease(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)); return 0;
    case WM_MOUSELEAVE:
      if (hoverButton_ >= 0) {
        hoverButton_ = -1;
        Repaint();
      }
      return 0;
    case WM_CAPTURECHANGED:
      // Losing the mouse mid-drag (another window took it) ends the drag as a release
      // would, so the bar never stays stuck in a drag nobody can finish.
      if (picker_.dragging()) {
        picker_.releaseBar();
        Repaint();
        Post();
      }
      if (pressedButton_ >= 0) {
        pressedButton_ = -1;
        Repaint();
      }
      return 0;
    case WM_SETFOCUS:
      // Reached by keys: the focus goes on into a field (Shift+Tab comes to the last).
      if (!pressing_) FocusField(GetKeyState(VK_SHIFT) < 0 ? 3 : 0);
      return 0;
    case WM_COMMAND:
      if (HIWORD(wParam) == EN_SETFOCUS || HIWORD(wParam) == EN_KILLFOCUS) Repaint();
      return Default(message, wParam, lParam);
    case kEditKeyMessage: {
      const int field = FieldOfId(static_cast<int>(lParam));
      if (field >= 0) OnFieldKey(field);
      return 0;
    }
    default: return Default(message, wParam, lParam);
  }
}

long COwnColorSelect::accessibleRole() const { return ROLE_SYSTEM_GROUPING; }

}  // namespace ko
