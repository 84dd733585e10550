// The Windows icon file: one directory of images, each stored as a 32-bit BGRA bitmap
// with its AND mask (read by every Windows version and by the resource compiler) or, for
// the 256-pixel image, as PNG (as Windows Vista and later expect for that size, and
// because a 256 x 256 bitmap would be a quarter of a megabyte).
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace appicon {

// One square image in straight (not premultiplied) alpha, rows top to bottom, each pixel
// stored as the bytes B, G, R, A.
struct IconImage {
  int size = 0;
  std::vector<uint8_t> bgra;  // size * size * 4 bytes
  std::vector<uint8_t> png;   // when not empty, stored instead of the bitmap
};

// The bytes of the icon file. Images larger than 256 pixels or with a pixel buffer of the
// wrong length are refused with std::invalid_argument: a broken icon must fail the build.
std::vector<uint8_t> encodeIcon(const std::vector<IconImage>& images);

// The layout of the records, for the readers in the tests.
inline constexpr size_t kIconDirBytes = 6;       // reserved, type 1, count
inline constexpr size_t kIconDirEntryBytes = 16;  // w, h, colours, reserved, planes, bpp, size, offset
inline constexpr size_t kBitmapInfoHeaderBytes = 40;

}  // namespace appicon
