// The skin folder the generator writes into the program folder: every picture a window or
// the fixed list names is there, at the size the program cuts it at, and every layout file
// reads back through the program's own INI access.
#include <gtest/gtest.h>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include "app/window_list.h"
#include "platform/wide_text.h"
#include "skin/window_layout.h"

namespace ko {
namespace {

namespace fs = std::filesystem;

fs::path skinFolder() {
#ifdef _WIN32
  return fs::path(std::string("Z:") + KOCFG_DIST_DIR) / "skins";  // Wine maps / to Z:
#else
  return fs::path(KOCFG_DIST_DIR) / "skins";
#endif
}

std::string readAll(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct Size {
  int width = -1, height = -1;
};

uint32_t bigEndian(const std::string& b, size_t at, int bytes) {
  uint32_t v = 0;
  for (int i = 0; i < bytes; ++i) v = (v << 8) | static_cast<unsigned char>(b[at + i]);
  return v;
}

// PNG: the signature, then the IHDR chunk with width and height.
// JPEG: the first start-of-frame marker carries height and width.
Size pictureSize(const fs::path& p) {
  const std::string b = readAll(p);
  if (b.size() >= 24 && b.compare(0, 8, "\x89PNG\r\n\x1a\n") == 0 && b.compare(12, 4, "IHDR") == 0)
    return {int(bigEndian(b, 16, 4)), int(bigEndian(b, 20, 4))};
  if (b.size() > 4 && static_cast<unsigned char>(b[0]) == 0xFF && static_cast<unsigned char>(b[1]) == 0xD8) {
    for (size_t i = 2; i + 9 < b.size();) {
      if (static_cast<unsigned char>(b[i]) != 0xFF) return {};
      const unsigned marker = static_cast<unsigned char>(b[i + 1]);
      const size_t length = bigEndian(b, i + 2, 2);
      if (marker >= 0xC0 && marker <= 0xC3) return {int(bigEndian(b, i + 7, 2)), int(bigEndian(b, i + 5, 2))};
      i += 2 + length;
    }
  }
  return {};
}

class SkinFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!fs::is_directory(skinFolder())) {
#ifdef _WIN32
      GTEST_SKIP() << "the skin is drawn by the native build; none at " << skinFolder().string();
#else
      FAIL() << "the build should have drawn the skin into " << skinFolder().string();
#endif
    }
  }
};

TEST_F(SkinFolder, EveryFullPictureHasItsWindowsSize) {
  for (const WindowLayout* w : allWindowLayouts()) {
    SCOPED_TRACE(w->name);
    for (const char* name : {w->mainPicture, w->overPicture, w->downPicture, w->disabledPicture}) {
      if (!name || !*name) continue;
      const Size s = pictureSize(skinFolder() / name);
      EXPECT_EQ(s.width, w->width) << name;
      EXPECT_EQ(s.height, w->height) << name;
    }
  }
}

TEST_F(SkinFolder, EveryFixedPictureIsThereAtItsListedSize) {
  for (const FixedPicture& p : fixedSkinPictures()) {
    const Size s = pictureSize(skinFolder() / p.file);
    EXPECT_EQ(s.width, p.width) << p.file;
    EXPECT_EQ(s.height, p.height) << p.file;
  }
}

TEST_F(SkinFolder, FixedPicturesFitTheControlsAndMenusThatShowThem) {
  auto size = [](const char* file) {
    for (const FixedPicture& p : fixedSkinPictures())
      if (std::string(p.file) == file) return Size{p.width, p.height};
    return Size{};
  };
  // The assignment menu is placed as if 157 wide; its 13 rows of 24 fill its pictures, and
  // the longest sub-menu (11 rows) needs 24 x 11 + 1.
  for (const char* f : {"button_menu1_normal.png", "button_menu1_over.png", "button_menu1_down.png"}) {
    EXPECT_EQ(size(f).width, 157) << f;
    EXPECT_EQ(size(f).height, 13 * 24) << f;
  }
  for (const char* f : {"menu_normal.png", "menu_over.png", "menu_down.png"}) {
    EXPECT_EQ(size(f).width, 157) << f;
    EXPECT_GE(size(f).height, 24 * 11 + 1) << f;
  }
  // The small menus cut their hover and pressed rows from 1menu_over/down: every normal
  // picture must lie within them.
  for (const char* f : {"1menu_normal.png", "2menu_normal.png", "3menu_normal.png", "4menu_normal.png"}) {
    EXPECT_LE(size(f).width, size("1menu_over.png").width) << f;
    EXPECT_LE(size(f).height, size("1menu_down.png").height) << f;
    EXPECT_EQ(size(f).height % 24, 0) << f;
  }
  // Slider thumbs stand in their track from its top: they must not be taller than the
  // shortest track they serve (14, 18 and 12 pixels).
  EXPECT_LE(size("arrow1.png").height, 14);
  EXPECT_LE(size("arrow2.png").height, 18);
  EXPECT_LE(size("arrow3.png").height, 12);
  // The macro-name popup is as high as 20 rows of 20 plus its edges.
  EXPECT_GE(size("macro_menu_n.jpg").height, 20 * 20 + 2);
}

// The text of a UTF-16LE file with its byte-order mark, or "" when it is not one.
std::u16string utf16File(const std::string& bytes) {
  if (bytes.size() < 2 || bytes.compare(0, 2, "\xFF\xFE") != 0) return {};
  std::u16string text;
  for (size_t i = 2; i + 1 < bytes.size(); i += 2)
    text.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                         (static_cast<unsigned char>(bytes[i + 1]) << 8)));
  return text;
}

TEST_F(SkinFolder, LayoutFilesAreUnicodeAndNamePicturesAndCaptions) {
  for (const WindowLayout* w : allWindowLayouts()) {
    SCOPED_TRACE(w->layoutFile);
    const std::u16string text = utf16File(readAll(skinFolder() / w->layoutFile));
    ASSERT_FALSE(text.empty()) << "written as UTF-16LE with its byte-order mark";
    EXPECT_EQ(text.rfind(u"[Screen]\r\n", 0), 0u);
    EXPECT_NE(text.find(u"\r\nMain=" + u16(w->mainPicture) + u"\r\n"), std::u16string::npos);
    const size_t buttons = text.find(u"\r\n[BUTTONPOS]\r\n");
    ASSERT_NE(buttons, std::u16string::npos);
    for (const ControlSpec& c : w->controls) {
      if (c.captionNumber == 0) continue;
      EXPECT_NE(text.find(u"\r\n" + decimal(c.captionNumber) + u"=" + u16(c.caption) + u"\r\n", buttons),
                std::u16string::npos)
          << "caption " << c.captionNumber;
    }
  }
}

TEST_F(SkinFolder, StatePicturesOfAWindowDiffer) {
  // Each state picture carries its own faces; two equal files would mean a state lost its look.
  for (const WindowLayout* w : allWindowLayouts()) {
    SCOPED_TRACE(w->name);
    if (!w->mainPicture || !*w->mainPicture) continue;
    const std::string main = readAll(skinFolder() / w->mainPicture);
    for (const char* name : {w->overPicture, w->downPicture, w->disabledPicture}) {
      if (!name || !*name) continue;
      EXPECT_NE(readAll(skinFolder() / name), main) << name;
    }
  }
}

}  // namespace
}  // namespace ko
