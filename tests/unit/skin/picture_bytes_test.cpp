// Which picture files are handed to a decoder and which count as missing.
#include <gtest/gtest.h>

#include <string>
#include "skin/picture_bytes.h"

namespace ko {
namespace {

std::string chunk(const char* type, const std::string& data) {
  std::string c;
  const uint32_t n = static_cast<uint32_t>(data.size());
  for (int shift : {24, 16, 8, 0}) c.push_back(static_cast<char>(n >> shift));
  c += std::string(type, 4) + data + std::string(4, '\0');  // the checksum is the decoder's business
  return c;
}

std::string png() {
  return std::string("\x89PNG\r\n\x1a\n", 8) + chunk("IHDR", std::string(13, '\1')) +
         chunk("IDAT", std::string(40, '\7')) + chunk("IEND", "");
}

bool complete(const std::string& bytes) {
  return PictureBytesLookComplete(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
}

TEST(PictureBytes, WholePngPassesAndEveryCutOffPngIsRefused) {
  const std::string whole = png();
  EXPECT_TRUE(complete(whole));
  EXPECT_TRUE(complete(whole + "trailing"));
  // Fewer bytes than the signature are no PNG at all; the decoder refuses those itself.
  for (size_t cut = 8; cut < whole.size(); ++cut) EXPECT_FALSE(complete(whole.substr(0, cut))) << cut;
}

TEST(PictureBytes, PngWithALyingChunkLengthOrNoHeaderFirstIsRefused) {
  std::string lying = png();
  lying[8 + 25 + 0] = '\x7f';  // IDAT claims about 2 GB
  EXPECT_FALSE(complete(lying));
  const std::string headless =
      std::string("\x89PNG\r\n\x1a\n", 8) + chunk("IDAT", "x") + chunk("IHDR", std::string(13, '\1')) + chunk("IEND", "");
  EXPECT_FALSE(complete(headless));
}

TEST(PictureBytes, JpegNeedsItsEndMarkerAndGifItsTrailer) {
  const std::string jpeg = std::string("\xFF\xD8\xFF\xE0", 4) + std::string(30, 'j') + std::string("\xFF\xD9", 2);
  EXPECT_TRUE(complete(jpeg));
  EXPECT_TRUE(complete(jpeg + std::string(3, '\0')));
  EXPECT_FALSE(complete(jpeg.substr(0, jpeg.size() - 1)));
  EXPECT_TRUE(complete(std::string("GIF89a") + std::string(20, 'g') + ";"));
  EXPECT_FALSE(complete(std::string("GIF89a") + std::string(20, 'g')));
}

TEST(PictureBytes, EmptyFilesAreRefusedAndUnknownFormatsGoToTheDecoder) {
  EXPECT_FALSE(complete(""));
  EXPECT_FALSE(PictureBytesLookComplete(nullptr, 4));
  EXPECT_TRUE(complete("BM and the rest of a bitmap"));
  EXPECT_TRUE(complete("this is not a picture"));
}

}  // namespace
}  // namespace ko
