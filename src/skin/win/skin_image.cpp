#include "skin/win/skin_image.h"

#include <objidl.h>
#include <gdiplus.h>

#include "skin/win/picture_file.h"

namespace ko {

SkinImage::SkinImage() = default;
SkinImage::~SkinImage() = default;
SkinImage::SkinImage(SkinImage&&) noexcept = default;
SkinImage& SkinImage::operator=(SkinImage&&) noexcept = default;

SkinImage::SkinImage(std::unique_ptr<Gdiplus::Bitmap> bitmap) : bitmap_(std::move(bitmap)) {
  if (bitmap_ && bitmap_->GetLastStatus() == Gdiplus::Ok && bitmap_->GetWidth() > 0 && bitmap_->GetHeight() > 0) {
    width_ = static_cast<int>(bitmap_->GetWidth());
    height_ = static_cast<int>(bitmap_->GetHeight());
  } else {
    bitmap_.reset();
  }
}

SkinImage SkinImage::Load(TextView path) {
  if (path.empty()) return {};
  // Decoding from a copy in memory keeps the file free for the skin's maker to replace and
  // lets an unreadable file fail here, quietly.
  DWORD size = 0;
  HGLOBAL memory = ReadFileToGlobalMemory(path, &size);
  if (!memory) return {};
  IStream* stream = nullptr;
  if (FAILED(CreateStreamOnHGlobal(memory, TRUE, &stream))) {
    GlobalFree(memory);
    return {};
  }
  std::unique_ptr<Gdiplus::Bitmap> decoded(Gdiplus::Bitmap::FromStream(stream));
  SkinImage image;
  if (decoded && decoded->GetLastStatus() == Gdiplus::Ok) {
    // The stream must outlive a bitmap made from it; a clone stands on its own.
    const Gdiplus::Rect all(0, 0, static_cast<INT>(decoded->GetWidth()), static_cast<INT>(decoded->GetHeight()));
    image = SkinImage(std::unique_ptr<Gdiplus::Bitmap>(decoded->Clone(all, decoded->GetPixelFormat())));
  }
  decoded.reset();
  stream->Release();
  return image;
}

SkinImage SkinImage::Cut(int x, int y, int width, int height) const {
  if (!bitmap_ || width <= 0 || height <= 0 || x < 0 || y < 0 || x + width > width_ || y + height > height_)
    return {};
  return SkinImage(std::unique_ptr<Gdiplus::Bitmap>(
      bitmap_->Clone(Gdiplus::Rect(x, y, width, height), bitmap_->GetPixelFormat())));
}

void SkinImage::DrawStretched(HDC dc, int x, int y, int width, int height) const {
  if (!bitmap_) return;
  Gdiplus::Graphics graphics(dc);
  // State pictures are drawn at their own size almost always: pixel for pixel, no blur.
  graphics.SetInterpolationMode(Gdiplus::InterpolationModeNearestNeighbor);
  graphics.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
  graphics.DrawImage(bitmap_.get(), Gdiplus::Rect(x, y, width, height), 0, 0, width_, height_, Gdiplus::UnitPixel);
}

void SkinImage::DrawPart(HDC dc, int x, int y, int width, int height) const {
  if (!bitmap_ || width <= 0 || height <= 0) return;
  if (width > width_) width = width_;
  if (height > height_) height = height_;
  Gdiplus::Graphics graphics(dc);
  graphics.DrawImage(bitmap_.get(), Gdiplus::Rect(x, y, width, height), 0, 0, width, height, Gdiplus::UnitPixel);
}

GdiplusSession::GdiplusSession() {
  Gdiplus::GdiplusStartupInput input;
  if (Gdiplus::GdiplusStartup(&token_, &input, nullptr) != Gdiplus::Ok) token_ = 0;
}

GdiplusSession::~GdiplusSession() {
  if (token_) Gdiplus::GdiplusShutdown(token_);
}

}  // namespace ko
