// The first frame of a picture file (PNG, JPEG, BMP, GIF: whatever the system's imaging
// codecs read), decoded and held by the codec, from which GDI+ bitmaps of the whole or of
// a part are copied.
//
// GDI+'s own decoding of a stream keeps the decoder, and with it a second copy of the
// pixels, for as long as the bitmap lives. A bitmap copied from a frame stands on its own
// once the frame is gone, and a part costs only its own pixels: a page's hover picture is
// never copied whole when only its buttons' faces are cut out of it.
#pragma once
#include <windows.h>

#include <memory>

#include "platform/wide_text.h"

namespace Gdiplus {
class Bitmap;
}  // namespace Gdiplus

struct IWICBitmapSource;

namespace ko {

class PictureFrame {
 public:
  // An empty frame (0 x 0) when the file cannot be read or decoded, or is too large to be
  // a skin's picture.
  static std::unique_ptr<PictureFrame> Open(TextView path);
  ~PictureFrame();
  PictureFrame(const PictureFrame&) = delete;
  PictureFrame& operator=(const PictureFrame&) = delete;

  int width() const { return width_; }
  int height() const { return height_; }
  // The rectangle as a bitmap of its own, in the GDI+ format nearest the file's; null when
  // the rectangle does not lie inside the frame or memory runs out.
  std::unique_ptr<Gdiplus::Bitmap> Copy(int x, int y, int width, int height) const;

 private:
  PictureFrame() = default;
  IWICBitmapSource* source_ = nullptr;  // holds the decoder, which holds the file's bytes
  int format_ = 0;                      // a Gdiplus::PixelFormat
  int width_ = 0, height_ = 0;
  double dpiX_ = 0, dpiY_ = 0;
};

}  // namespace ko
