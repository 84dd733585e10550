// A decoded skin picture held as a GDI+ bitmap, and the state pictures cut out of a
// window's full pictures. An image that failed to load is empty (0 x 0) and draws nothing.
#pragma once
#include <windows.h>
#include <memory>
#include "platform/wide_text.h"

namespace Gdiplus {
class Bitmap;
class Graphics;
}  // namespace Gdiplus

namespace ko {

class PictureFrame;

class SkinImage {
 public:
  SkinImage();
  ~SkinImage();
  SkinImage(SkinImage&&) noexcept;
  SkinImage& operator=(SkinImage&&) noexcept;
  SkinImage(const SkinImage&) = delete;
  SkinImage& operator=(const SkinImage&) = delete;

  // Decodes any picture the system's codecs read; a missing or undecodable file gives an
  // empty image.
  static SkinImage Load(TextView path);
  // A picture read only to have parts cut out of it: its pixels stay with the decoder and
  // only the parts are copied. It draws nothing itself.
  static SkinImage LoadForCutting(TextView path);
  // A copy of a rectangle of this image with its pixel format; empty when this image is
  // empty or the rectangle does not lie inside it.
  SkinImage Cut(int x, int y, int width, int height) const;

  bool empty() const { return width_ == 0; }
  int width() const { return width_; }
  int height() const { return height_; }
  Gdiplus::Bitmap* bitmap() const { return bitmap_.get(); }

  void DrawStretched(HDC dc, int x, int y, int width, int height) const;
  // Draws the part `part` of the picture at (0, 0), unscaled, pixel for pixel as
  // DrawStretched at the picture's own size shows it there.
  void DrawUnscaledPart(HDC dc, const RECT& part) const;
  // Draws the part (0, 0, width, height) of the picture at (x, y), unscaled.
  void DrawPart(HDC dc, int x, int y, int width, int height) const;

 private:
  explicit SkinImage(std::unique_ptr<Gdiplus::Bitmap> bitmap);
  std::unique_ptr<Gdiplus::Bitmap> bitmap_;
  std::unique_ptr<PictureFrame> frame_;  // only in an image loaded for cutting
  int width_ = 0, height_ = 0;
};

// GDI+ started for the lifetime of the object.
class GdiplusSession {
 public:
  GdiplusSession();
  ~GdiplusSession();
  GdiplusSession(const GdiplusSession&) = delete;
  GdiplusSession& operator=(const GdiplusSession&) = delete;
  bool started() const { return token_ != 0; }

 private:
  ULONG_PTR token_ = 0;
};

}  // namespace ko
