#include "skin/win/skin_image.h"

#include <objidl.h>
#include <gdiplus.h>

#include <utility>

#include "skin/win/picture_frame.h"

namespace ko {

SkinImage::SkinImage() = default;
SkinImage::~SkinImage() = default;
SkinImage::SkinImage(SkinImage&& other) noexcept { *this = std::move(other); }

SkinImage& SkinImage::operator=(SkinImage&& other) noexcept {
  if (this == &other) return *this;
  bitmap_ = std::move(other.bitmap_);
  frame_ = std::move(other.frame_);
  width_ = other.width_;
  height_ = other.height_;
  other.width_ = other.height_ = 0;
  return *this;
}

SkinImage::SkinImage(std::unique_ptr<Gdiplus::Bitmap> bitmap) : bitmap_(std::move(bitmap)) {
  if (bitmap_ && bitmap_->GetLastStatus() == Gdiplus::Ok && bitmap_->GetWidth() > 0 && bitmap_->GetHeight() > 0) {
    width_ = static_cast<int>(bitmap_->GetWidth());
    height_ = static_cast<int>(bitmap_->GetHeight());
  } else {
    bitmap_.reset();
  }
}

SkinImage SkinImage::Load(TextView path) {
  const std::unique_ptr<PictureFrame> frame = PictureFrame::Open(path);
  return SkinImage(frame->Copy(0, 0, frame->width(), frame->height()));
}

SkinImage SkinImage::LoadForCutting(TextView path) {
  SkinImage image;
  image.frame_ = PictureFrame::Open(path);
  image.width_ = image.frame_->width();
  image.height_ = image.frame_->height();
  if (image.width_ == 0) image.frame_.reset();
  return image;
}

SkinImage SkinImage::Cut(int x, int y, int width, int height) const {
  if (empty() || width <= 0 || height <= 0 || x < 0 || y < 0 || x + width > width_ || y + height > height_)
    return {};
  if (frame_) return SkinImage(frame_->Copy(x, y, width, height));
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

void SkinImage::DrawUnscaledPart(HDC dc, const RECT& part) const {
  const INT partWidth = part.right - part.left, partHeight = part.bottom - part.top;
  if (!bitmap_ || partWidth <= 0 || partHeight <= 0) return;
  // The same modes as DrawStretched: unscaled, each pixel is the picture's own.
  Gdiplus::Graphics graphics(dc);
  graphics.SetInterpolationMode(Gdiplus::InterpolationModeNearestNeighbor);
  graphics.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
  graphics.DrawImage(bitmap_.get(), Gdiplus::Rect(0, 0, partWidth, partHeight), part.left, part.top, partWidth,
                     partHeight, Gdiplus::UnitPixel);
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
