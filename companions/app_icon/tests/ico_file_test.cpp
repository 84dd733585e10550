#include <gtest/gtest.h>
#include <stdexcept>
#include "ico_file.h"
#include "icon_drawing.h"

namespace appicon {
namespace {

uint32_t read16(const std::vector<uint8_t>& b, size_t at) { return b.at(at) | (b.at(at + 1) << 8); }
uint32_t read32(const std::vector<uint8_t>& b, size_t at) { return read16(b, at) | (read16(b, at + 2) << 16); }

// A 2 x 2 image: top-left opaque red, top-right transparent, bottom row opaque blue.
IconImage tiny() {
  IconImage image;
  image.size = 2;
  image.bgra = {0, 0, 255, 255, 0, 0, 0, 0, 255, 0, 0, 255, 255, 0, 0, 255};
  return image;
}

TEST(IconFile, DirectoryPointsAtEachImageInOrder) {
  IconImage png;
  png.size = 256;
  png.png = {0x89, 'P', 'N', 'G', 1, 2, 3};
  const std::vector<uint8_t> file = encodeIcon({tiny(), png});

  EXPECT_EQ(read16(file, 0), 0u);
  EXPECT_EQ(read16(file, 2), 1u);  // an icon, not a cursor
  ASSERT_EQ(read16(file, 4), 2u);
  const size_t first = kIconDirBytes, second = kIconDirBytes + kIconDirEntryBytes;
  EXPECT_EQ(file[first], 2);
  EXPECT_EQ(file[second], 0);  // 256 does not fit the byte: written as 0
  EXPECT_EQ(file[second + 1], 0);
  EXPECT_EQ(read16(file, first + 6), 32u);

  const uint32_t bmpSize = read32(file, first + 8), bmpOffset = read32(file, first + 12);
  EXPECT_EQ(bmpOffset, kIconDirBytes + 2 * kIconDirEntryBytes);
  // Header, 2 x 2 x 4 colour bytes, two mask rows of 4 bytes each.
  EXPECT_EQ(bmpSize, kBitmapInfoHeaderBytes + 16 + 8);
  EXPECT_EQ(read32(file, second + 12), bmpOffset + bmpSize);
  EXPECT_EQ(read32(file, second + 8), png.png.size());
  EXPECT_EQ(file.size(), bmpOffset + bmpSize + png.png.size());
  EXPECT_EQ(std::vector<uint8_t>(file.end() - 7, file.end()), png.png);
}

TEST(IconFile, BitmapIsBottomUpWithDoubleHeightAndTransparencyMask) {
  const std::vector<uint8_t> file = encodeIcon({tiny()});
  const size_t bmp = read32(file, kIconDirBytes + 12);
  EXPECT_EQ(read32(file, bmp), kBitmapInfoHeaderBytes);
  EXPECT_EQ(read32(file, bmp + 4), 2u);
  EXPECT_EQ(read32(file, bmp + 8), 4u);  // colour rows and mask rows
  EXPECT_EQ(read16(file, bmp + 14), 32u);

  const size_t pixels = bmp + kBitmapInfoHeaderBytes;
  // First stored row is the bottom one (blue), the second the top one (red, transparent).
  EXPECT_EQ(file[pixels + 0], 255);
  EXPECT_EQ(file[pixels + 8 + 2], 255);
  EXPECT_EQ(file[pixels + 8 + 7], 0);
  const size_t mask = pixels + 16;
  EXPECT_EQ(file[mask], 0x00);      // bottom row: both opaque
  EXPECT_EQ(file[mask + 4], 0x40);  // top row: the second pixel is transparent
}

TEST(IconFile, RefusesImagesItCannotStore) {
  IconImage wrongBuffer = tiny();
  wrongBuffer.bgra.pop_back();
  EXPECT_THROW(encodeIcon({wrongBuffer}), std::invalid_argument);
  IconImage tooLarge;
  tooLarge.size = 512;
  tooLarge.png = {1};
  EXPECT_THROW(encodeIcon({tooLarge}), std::invalid_argument);
  EXPECT_THROW(encodeIcon({}), std::invalid_argument);
}

TEST(IconDrawing, TileIsOpaqueInsideAndRoundedAtTheCorners) {
  for (int size : {16, 32, 256}) {
    const IconImage image = drawIcon(size);
    ASSERT_EQ(image.bgra.size(), static_cast<size_t>(size * size * 4));
    auto alpha = [&](int x, int y) { return image.bgra[(static_cast<size_t>(y) * size + x) * 4 + 3]; };
    EXPECT_LT(alpha(0, 0), 96) << size;  // antialiased rounding: mostly transparent
    EXPECT_EQ(alpha(size / 2, size / 2), 255) << size;
    EXPECT_EQ(alpha(size / 2, size / 8), 255) << size;
  }
  const IconImage large = drawIcon(256);
  ASSERT_GT(large.png.size(), 8u);
  EXPECT_EQ(large.png[1], 'P');  // the large image is stored as PNG
  EXPECT_TRUE(drawIcon(48).png.empty());
}

}  // namespace
}  // namespace appicon
