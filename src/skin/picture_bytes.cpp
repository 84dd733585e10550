#include "skin/picture_bytes.h"

#include <cstdint>
#include <cstring>

namespace ko {
namespace {

const unsigned char kPngSignature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};

uint32_t bigEndian32(const unsigned char* p) {
  return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | uint32_t(p[3]);
}

bool pngComplete(const unsigned char* bytes, size_t size) {
  size_t at = sizeof kPngSignature;
  bool first = true;
  while (size - at >= 12) {
    const uint32_t length = bigEndian32(bytes + at);
    const unsigned char* type = bytes + at + 4;
    if (first && std::memcmp(type, "IHDR", 4) != 0) return false;
    first = false;
    if (length > size - at - 12) return false;  // the chunk runs past the end of the file
    if (std::memcmp(type, "IEND", 4) == 0) return true;
    at += 12 + size_t(length);
  }
  return false;
}

bool jpegComplete(const unsigned char* bytes, size_t size) {
  // The end-of-image marker, possibly followed by padding some writers add.
  for (size_t i = size; i-- > 2;)
    if (bytes[i - 1] == 0xFF && bytes[i] == 0xD9) return true;
  return false;
}

}  // namespace

bool PictureBytesLookComplete(const unsigned char* bytes, size_t size) {
  if (!bytes || size == 0) return false;
  if (size >= sizeof kPngSignature && std::memcmp(bytes, kPngSignature, sizeof kPngSignature) == 0)
    return pngComplete(bytes, size);
  if (size >= 2 && bytes[0] == 0xFF && bytes[1] == 0xD8) return jpegComplete(bytes, size);
  if (size >= 6 && (std::memcmp(bytes, "GIF87a", 6) == 0 || std::memcmp(bytes, "GIF89a", 6) == 0))
    return bytes[size - 1] == 0x3B;
  return true;
}

}  // namespace ko
