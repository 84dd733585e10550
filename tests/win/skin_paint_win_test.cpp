// Pictures read for cutting and the paint of a part of a skinned window, on the real
// window system: both exist to spend less memory than the plain way, and must show
// exactly what the plain way shows.
#include <gtest/gtest.h>

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <fstream>
#include <functional>

#include "skin/win/gdi_objects.h"
#include "skin/win/skin_image.h"
#include "skin/win/skinned_paint.h"
#include "skin/win/static_trans.h"
#include "support/message_pump.h"
#include "support/temp_dir.h"

namespace ko {
namespace {

// A picture whose every pixel differs from its neighbours, so a part taken from the wrong
// place, or a row out of order, shows.
Gdiplus::Color patternAt(int x, int y, bool withAlpha) {
  const BYTE alpha = withAlpha ? static_cast<BYTE>(255 - (x * 7 + y) % 200) : 255;
  return Gdiplus::Color(alpha, static_cast<BYTE>(x * 5), static_cast<BYTE>(y * 3), static_cast<BYTE>((x + y) * 11));
}

void writePatternPng(const Text& path, int width, int height, Gdiplus::PixelFormat format) {
  Gdiplus::Bitmap bitmap(width, height, format);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) bitmap.SetPixel(x, y, patternAt(x, y, format == PixelFormat32bppARGB));
  const CLSID png = {0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
  ASSERT_EQ(bitmap.Save(reinterpret_cast<const wchar_t*>(path.c_str()), &png, nullptr), Gdiplus::Ok);
}

Gdiplus::ARGB pixelOf(const SkinImage& image, int x, int y) {
  Gdiplus::Color colour;
  image.bitmap()->GetPixel(x, y, &colour);
  return colour.GetValue();
}

// A 32-bit top-down bitmap selected into a memory DC, filled with one colour.
class Surface {
 public:
  Surface(int width, int height, COLORREF fill) : width_(width) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    bitmap_.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0));
    dc_ = CreateCompatibleDC(nullptr);
    previous_ = SelectObject(dc_, bitmap_.get());
    BrushObject brush(CreateSolidBrush(fill));
    const RECT all{0, 0, width, height};
    FillRect(dc_, &all, brush.get());
  }
  ~Surface() {
    SelectObject(dc_, previous_);
    DeleteDC(dc_);
  }
  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;
  HDC dc() const { return dc_; }
  DWORD at(int x, int y) const {
    GdiFlush();
    return bits_[y * width_ + x] & 0xFFFFFF;
  }

 private:
  BitmapObject bitmap_;
  DWORD* bits_ = nullptr;
  HDC dc_ = nullptr;
  HGDIOBJ previous_ = nullptr;
  int width_;
};

class SkinPaintOnWindows : public ::testing::Test {
 protected:
  GdiplusSession gdiplus_;
  test::TempDir dir_;
};

TEST_F(SkinPaintOnWindows, APictureReadForCuttingGivesTheSamePartsAsAPictureReadWhole) {
  for (const Gdiplus::PixelFormat format : {PixelFormat32bppARGB, PixelFormat24bppRGB}) {
    SCOPED_TRACE(format == PixelFormat32bppARGB ? "with alpha" : "without alpha");
    writePatternPng(dir_.file(u"page.png"), 48, 36, format);
    const SkinImage whole = SkinImage::Load(dir_.file(u"page.png"));
    const SkinImage toCut = SkinImage::LoadForCutting(dir_.file(u"page.png"));
    ASSERT_FALSE(whole.empty());
    ASSERT_FALSE(toCut.empty());
    EXPECT_EQ(toCut.width(), 48);
    EXPECT_EQ(toCut.height(), 36);
    EXPECT_EQ(whole.bitmap()->GetPixelFormat(), format);

    const SkinImage fromWhole = whole.Cut(13, 7, 21, 17);
    const SkinImage fromFrame = toCut.Cut(13, 7, 21, 17);
    ASSERT_FALSE(fromFrame.empty());
    EXPECT_EQ(fromFrame.bitmap()->GetPixelFormat(), fromWhole.bitmap()->GetPixelFormat());
    int differing = 0;
    for (int y = 0; y < 17; ++y)
      for (int x = 0; x < 21; ++x) differing += pixelOf(fromWhole, x, y) != pixelOf(fromFrame, x, y);
    EXPECT_EQ(differing, 0);
    EXPECT_EQ(pixelOf(fromFrame, 4, 9), patternAt(13 + 4, 7 + 9, format == PixelFormat32bppARGB).GetValue());

    // The edges are inside; one pixel past them is not.
    EXPECT_FALSE(toCut.Cut(0, 0, 48, 36).empty());
    EXPECT_TRUE(toCut.Cut(1, 0, 48, 36).empty());
    EXPECT_TRUE(toCut.Cut(0, 30, 10, 7).empty());
    EXPECT_TRUE(toCut.Cut(-1, 0, 5, 5).empty());
  }

  // A picture with a palette is converted, whole or in parts, to 32-bit colour.
  {
    Gdiplus::Bitmap indexed(6, 4, PixelFormat8bppIndexed);
    struct {
      UINT flags, count;
      Gdiplus::ARGB entries[2];
    } palette{0, 2, {Gdiplus::Color::MakeARGB(255, 10, 20, 30), Gdiplus::Color::MakeARGB(255, 200, 150, 100)}};
    indexed.SetPalette(reinterpret_cast<Gdiplus::ColorPalette*>(&palette));
    Gdiplus::Rect all(0, 0, 6, 4);
    Gdiplus::BitmapData rows{};
    ASSERT_EQ(indexed.LockBits(&all, Gdiplus::ImageLockModeWrite, PixelFormat8bppIndexed, &rows), Gdiplus::Ok);
    for (int y = 0; y < 4; ++y)
      for (int x = 0; x < 6; ++x) static_cast<BYTE*>(rows.Scan0)[y * rows.Stride + x] = (x + y) % 2;
    indexed.UnlockBits(&rows);
    const CLSID png = {0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
    ASSERT_EQ(indexed.Save(reinterpret_cast<const wchar_t*>(dir_.file(u"indexed.png").c_str()), &png, nullptr),
              Gdiplus::Ok);
    const SkinImage whole = SkinImage::Load(dir_.file(u"indexed.png"));
    const SkinImage part = SkinImage::LoadForCutting(dir_.file(u"indexed.png")).Cut(1, 1, 3, 2);
    ASSERT_FALSE(whole.empty());
    ASSERT_FALSE(part.empty());
    EXPECT_EQ(pixelOf(whole, 0, 0), palette.entries[0]);
    EXPECT_EQ(pixelOf(whole, 1, 0), palette.entries[1]);
    EXPECT_EQ(pixelOf(part, 0, 0), palette.entries[0]);  // (1, 1) of the picture
    EXPECT_EQ(pixelOf(part, 1, 0), palette.entries[1]);
  }

  std::ofstream(dir_.fsFile(u"text.png"), std::ios::binary) << "not a picture";
  for (const char16_t* name : {u"text.png", u"missing.png"}) {
    const SkinImage broken = SkinImage::LoadForCutting(dir_.file(name));
    EXPECT_TRUE(broken.empty());
    EXPECT_TRUE(broken.Cut(0, 0, 1, 1).empty());
  }

  // A moved picture leaves an empty one behind, whichever way it was read.
  SkinImage moved = SkinImage::LoadForCutting(dir_.file(u"page.png"));
  SkinImage target = std::move(moved);
  EXPECT_FALSE(target.empty());
  EXPECT_TRUE(moved.empty());
  EXPECT_TRUE(moved.Cut(0, 0, 1, 1).empty());
}

TEST_F(SkinPaintOnWindows, APaintedPartShowsWhatTheWholePaintShowsThereAndNothingElse) {
  writePatternPng(dir_.file(u"window.png"), 64, 40, PixelFormat24bppRGB);
  const SkinImage background = SkinImage::Load(dir_.file(u"window.png"));
  ASSERT_FALSE(background.empty());
  // What the window draws over its picture, in client coordinates.
  const auto over = [](HDC dc) {
    BrushObject red(CreateSolidBrush(RGB(255, 0, 0)));
    const RECT mark{30, 12, 36, 18};
    FillRect(dc, &mark, red.get());
  };
  const RECT client{0, 0, 64, 40};
  const COLORREF magenta = RGB(255, 0, 255);

  for (const bool scaled : {false, true}) {
    SCOPED_TRACE(scaled ? "picture stretched to a larger window" : "picture of the window's size");
    const RECT window = scaled ? RECT{0, 0, 80, 50} : client;
    Surface whole(window.right, window.bottom, magenta);
    PaintSkinnedPart(whole.dc(), window, window, background, over);
    Surface part(window.right, window.bottom, magenta);
    const RECT update{25, 9, 50, 23};
    PaintSkinnedPart(part.dc(), update, window, background, over);

    // Unscaled, only the update is painted; stretched, the whole window is, the same way.
    int wrongInside = 0, touchedOutside = 0;
    for (int y = 0; y < window.bottom; ++y)
      for (int x = 0; x < window.right; ++x) {
        const POINT p{x, y};
        if (scaled || PtInRect(&update, p))
          wrongInside += part.at(x, y) != whole.at(x, y);
        else
          touchedOutside += part.at(x, y) != 0xFF00FF;
      }
    EXPECT_EQ(wrongInside, 0);
    EXPECT_EQ(touchedOutside, 0);
    EXPECT_EQ(part.at(31, 13), 0xFF0000u);  // the drawing over the picture, in its place
  }
  if (HasFailure()) return;
  // The picture's own pixels where nothing is drawn over them.
  Surface full(64, 40, magenta);
  PaintSkinnedPart(full.dc(), client, client, background, nullptr);
  const Gdiplus::Color expected = patternAt(5, 33, false);
  EXPECT_EQ(full.at(5, 33), static_cast<DWORD>(RGB(expected.GetB(), expected.GetG(), expected.GetR())));

  // An update outside the client area paints nothing.
  Surface untouched(64, 40, magenta);
  PaintSkinnedPart(untouched.dc(), RECT{70, 0, 90, 10}, client, background, over);
  EXPECT_EQ(untouched.at(0, 0), 0xFF00FFu);
}

LRESULT CALLBACK PlainWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT reflected = 0;
  if (ReflectToControl(window, message, wParam, lParam, &reflected)) return reflected;
  return DefWindowProcW(window, message, wParam, lParam);
}

TEST_F(SkinPaintOnWindows, AHiddenLabelsNewTextLeavesItsParentUnpainted) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = PlainWindow;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"KoPaintTestParent";
  RegisterClassExW(&wc);
  HWND parent = CreateWindowExW(0, L"KoPaintTestParent", L"", WS_POPUP | WS_VISIBLE, 0, 0, 300, 200, nullptr,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_TRUE(parent);
  CStaticTrans label;
  ASSERT_TRUE(label.Create(parent, RECT{20, 30, 120, 50}, u"first"));
  test::PumpMessages();
  ValidateRect(parent, nullptr);

  ShowWindow(label.hwnd(), SW_HIDE);
  ValidateRect(parent, nullptr);
  label.SetText(u"second");
  RECT dirty{};
  EXPECT_FALSE(GetUpdateRect(parent, &dirty, FALSE));
  wchar_t text[16] = {};
  GetWindowTextW(label.hwnd(), text, 16);
  EXPECT_STREQ(text, L"second");

  // Shown, the old text must go: the parent paints its picture again behind the label.
  ShowWindow(label.hwnd(), SW_SHOW);
  ValidateRect(parent, nullptr);
  label.SetText(u"third");
  ASSERT_TRUE(GetUpdateRect(parent, &dirty, FALSE));
  EXPECT_EQ(dirty.left, 20);
  EXPECT_EQ(dirty.top, 30);
  EXPECT_EQ(dirty.right, 120);
  EXPECT_EQ(dirty.bottom, 50);
  DestroyWindow(parent);
}

}  // namespace
}  // namespace ko
