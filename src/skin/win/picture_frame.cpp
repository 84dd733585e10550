#include "skin/win/picture_frame.h"

#include <objidl.h>
#include <gdiplus.h>
#include <wincodec.h>

#include "skin/win/picture_file.h"

namespace ko {
namespace {

// The imaging factory without COM: windowscodecs exports it (CoCreateInstance would need
// COM started on every thread that decodes, and a registry lookup for each picture). The
// library is found when the first picture is decoded, not when the program is loaded:
// the start page's background is decoded beside the building of its controls.
using CreateFactory = HRESULT(WINAPI*)(UINT, IWICImagingFactory**);

CreateFactory FactoryMaker() {
  static const CreateFactory maker = [] {
    // From the system folder only, never from beside the program.
    HMODULE codecs = LoadLibraryExW(L"windowscodecs.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    return codecs ? reinterpret_cast<CreateFactory>(
                        reinterpret_cast<void*>(GetProcAddress(codecs, "WICCreateImagingFactory_Proxy")))
                  : nullptr;
  }();
  return maker;
}

// A skin picture is at most a window's size; anything past this many pixels is not one.
constexpr UINT kMostPixels = 16u << 20;

// One reference to a COM object, released when the holder goes.
template <class Interface>
class Held {
 public:
  Held() = default;
  ~Held() {
    if (object_) object_->Release();
  }
  Held(const Held&) = delete;
  Held& operator=(const Held&) = delete;
  Interface** out() { return &object_; }
  Interface* operator->() const { return object_; }
  Interface* get() const { return object_; }
  Interface* release() {
    Interface* object = object_;
    object_ = nullptr;
    return object;
  }

 private:
  Interface* object_ = nullptr;
};

// The GDI+ format that holds a frame's pixels as they are; PixelFormatUndefined for the
// formats that are converted to 32-bit BGRA (palettes, grey, 16 bits a channel), as GDI+
// itself would show them.
Gdiplus::PixelFormat SameLayoutFormat(const WICPixelFormatGUID& format) {
  if (IsEqualGUID(format, GUID_WICPixelFormat32bppBGRA)) return PixelFormat32bppARGB;
  if (IsEqualGUID(format, GUID_WICPixelFormat32bppPBGRA)) return PixelFormat32bppPARGB;
  if (IsEqualGUID(format, GUID_WICPixelFormat32bppBGR)) return PixelFormat32bppRGB;
  if (IsEqualGUID(format, GUID_WICPixelFormat24bppBGR)) return PixelFormat24bppRGB;
  return PixelFormatUndefined;
}

}  // namespace

std::unique_ptr<PictureFrame> PictureFrame::Open(TextView path) {
  std::unique_ptr<PictureFrame> frame(new PictureFrame);
  if (path.empty()) return frame;
  // Decoding from a copy in memory keeps the file free for the skin's maker to replace and
  // lets an unreadable file fail here, quietly.
  DWORD size = 0;
  HGLOBAL memory = ReadFileToGlobalMemory(path, &size);
  if (!memory) return frame;
  Held<IStream> stream;
  if (FAILED(CreateStreamOnHGlobal(memory, TRUE, stream.out()))) {
    GlobalFree(memory);
    return frame;
  }
  Held<IWICImagingFactory> factory;
  Held<IWICBitmapDecoder> decoder;
  Held<IWICBitmapFrameDecode> decoded;
  const CreateFactory makeFactory = FactoryMaker();
  if (!makeFactory || FAILED(makeFactory(WINCODEC_SDK_VERSION, factory.out())) ||
      FAILED(factory->CreateDecoderFromStream(stream.get(), nullptr, WICDecodeMetadataCacheOnDemand, decoder.out())) ||
      FAILED(decoder->GetFrame(0, decoded.out())))
    return frame;
  UINT width = 0, height = 0;
  WICPixelFormatGUID layout{};
  if (FAILED(decoded->GetSize(&width, &height)) || FAILED(decoded->GetPixelFormat(&layout))) return frame;
  if (width == 0 || height == 0 || width > kMostPixels / height) return frame;
  if (FAILED(decoded->GetResolution(&frame->dpiX_, &frame->dpiY_))) frame->dpiX_ = frame->dpiY_ = 0;

  Gdiplus::PixelFormat format = SameLayoutFormat(layout);
  Held<IWICBitmapSource> source;
  if (format != PixelFormatUndefined) {
    if (FAILED(decoded->QueryInterface(IID_IWICBitmapSource, reinterpret_cast<void**>(source.out())))) return frame;
  } else {
    Held<IWICFormatConverter> converter;
    if (FAILED(factory->CreateFormatConverter(converter.out())) ||
        FAILED(converter->Initialize(decoded.get(), GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone, nullptr, 0.0,
                                     WICBitmapPaletteTypeCustom)) ||
        FAILED(converter->QueryInterface(IID_IWICBitmapSource, reinterpret_cast<void**>(source.out()))))
      return frame;
    format = PixelFormat32bppARGB;
  }
  frame->source_ = source.release();
  frame->format_ = static_cast<int>(format);
  frame->width_ = static_cast<int>(width);
  frame->height_ = static_cast<int>(height);
  return frame;
}

PictureFrame::~PictureFrame() {
  if (source_) source_->Release();
}

std::unique_ptr<Gdiplus::Bitmap> PictureFrame::Copy(int x, int y, int width, int height) const {
  if (!source_ || width <= 0 || height <= 0 || x < 0 || y < 0 || x > width_ - width || y > height_ - height)
    return nullptr;
  const auto format = static_cast<Gdiplus::PixelFormat>(format_);
  auto bitmap = std::make_unique<Gdiplus::Bitmap>(width, height, format);
  if (bitmap->GetLastStatus() != Gdiplus::Ok) return nullptr;
  if (dpiX_ > 0 && dpiY_ > 0)
    bitmap->SetResolution(static_cast<Gdiplus::REAL>(dpiX_), static_cast<Gdiplus::REAL>(dpiY_));
  Gdiplus::Rect all(0, 0, width, height);
  Gdiplus::BitmapData pixels{};
  if (bitmap->LockBits(&all, Gdiplus::ImageLockModeWrite, format, &pixels) != Gdiplus::Ok) return nullptr;
  // Row by row when the bitmap lies bottom-up; in one call otherwise.
  const bool topDown = pixels.Stride > 0;
  const UINT rowBytes = static_cast<UINT>(topDown ? pixels.Stride : -pixels.Stride);
  HRESULT copied = S_OK;
  for (int row = 0; row < (topDown ? 1 : height) && SUCCEEDED(copied); ++row) {
    const WICRect part{x, y + row, width, topDown ? height : 1};
    BYTE* target = static_cast<BYTE*>(pixels.Scan0) + pixels.Stride * row;
    copied = source_->CopyPixels(&part, rowBytes, rowBytes * static_cast<UINT>(part.Height), target);
  }
  bitmap->UnlockBits(&pixels);
  if (FAILED(copied)) return nullptr;
  return bitmap;
}

}  // namespace ko
