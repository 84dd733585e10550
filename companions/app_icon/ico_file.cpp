#include "ico_file.h"
#include <stdexcept>

namespace appicon {

namespace {

void put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}

void put32(std::vector<uint8_t>& out, uint32_t v) {
  put16(out, v & 0xFFFF);
  put16(out, v >> 16);
}

// The image as the icon resource stores it: a BITMAPINFOHEADER whose height counts the
// colour rows and the mask rows together, the colour rows bottom-up, then the 1-bit AND
// mask (rows padded to 32 bits), set where the pixel is fully transparent so that
// programs drawing without alpha see the same outline.
std::vector<uint8_t> bitmapOf(const IconImage& image) {
  const uint32_t n = static_cast<uint32_t>(image.size);
  const uint32_t maskStride = ((n + 31) / 32) * 4;
  std::vector<uint8_t> out;
  out.reserve(kBitmapInfoHeaderBytes + n * n * 4 + maskStride * n);
  put32(out, kBitmapInfoHeaderBytes);
  put32(out, n);
  put32(out, n * 2);
  put16(out, 1);   // planes
  put16(out, 32);  // bits per pixel
  put32(out, 0);   // BI_RGB
  put32(out, n * n * 4 + maskStride * n);
  put32(out, 0);
  put32(out, 0);
  put32(out, 0);
  put32(out, 0);
  for (uint32_t row = n; row-- > 0;) {
    const uint8_t* p = image.bgra.data() + row * n * 4;
    out.insert(out.end(), p, p + n * 4);
  }
  for (uint32_t row = n; row-- > 0;) {
    std::vector<uint8_t> mask(maskStride, 0);
    for (uint32_t x = 0; x < n; ++x)
      if (image.bgra[(row * n + x) * 4 + 3] == 0) mask[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
    out.insert(out.end(), mask.begin(), mask.end());
  }
  return out;
}

}  // namespace

std::vector<uint8_t> encodeIcon(const std::vector<IconImage>& images) {
  if (images.empty() || images.size() > 0xFFFF) throw std::invalid_argument("an icon holds 1 to 65535 images");
  std::vector<std::vector<uint8_t>> payloads;
  for (const IconImage& image : images) {
    if (image.size < 1 || image.size > 256) throw std::invalid_argument("icon images are 1 to 256 pixels");
    if (!image.png.empty()) {
      payloads.push_back(image.png);
      continue;
    }
    if (image.bgra.size() != static_cast<size_t>(image.size) * image.size * 4)
      throw std::invalid_argument("icon pixel buffer does not match its size");
    payloads.push_back(bitmapOf(image));
  }

  std::vector<uint8_t> out;
  put16(out, 0);
  put16(out, 1);  // icon (2 would be a cursor)
  put16(out, static_cast<uint32_t>(images.size()));
  uint32_t offset = static_cast<uint32_t>(kIconDirBytes + kIconDirEntryBytes * images.size());
  for (size_t i = 0; i < images.size(); ++i) {
    // A width or height of 256 is written as 0: the field is one byte.
    const uint8_t side = static_cast<uint8_t>(images[i].size == 256 ? 0 : images[i].size);
    out.push_back(side);
    out.push_back(side);
    out.push_back(0);  // no palette
    out.push_back(0);
    put16(out, 1);
    put16(out, 32);
    put32(out, static_cast<uint32_t>(payloads[i].size()));
    put32(out, offset);
    offset += static_cast<uint32_t>(payloads[i].size());
  }
  for (const auto& payload : payloads) out.insert(out.end(), payload.begin(), payload.end());
  return out;
}

}  // namespace appicon
