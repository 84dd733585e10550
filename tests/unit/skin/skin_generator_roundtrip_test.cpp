// The layout files the generator writes are read by the program through ProfileFile; every
// picture name and caption must come back exactly as the window tables give them.
#include <gtest/gtest.h>
#include <filesystem>
#include <string>
#include "app/window_list.h"
#include "platform/profile_file.h"
#include "skin/window_layout.h"

namespace ko {
namespace {

namespace fs = std::filesystem;

fs::path skinFolder() {
#ifdef _WIN32
  return fs::path(std::string("Z:") + KOCFG_DIST_DIR) / "skins";
#else
  return fs::path(KOCFG_DIST_DIR) / "skins";
#endif
}

Text orEmpty(const char* s) { return u16(s ? s : ""); }

TEST(GeneratedLayoutFiles, ReadBackThroughTheProgramsIniAccess) {
  if (!fs::is_directory(skinFolder())) {
#ifdef _WIN32
    GTEST_SKIP() << "the skin is drawn by the native build";
#else
    FAIL() << "the build should have drawn the skin into " << skinFolder().string();
#endif
  }
  for (const WindowLayout* w : allWindowLayouts()) {
    SCOPED_TRACE(w->layoutFile);
    const ProfileFile layout((skinFolder() / w->layoutFile).u16string());
    EXPECT_EQ(layout.readString(u"Screen", u"Main"), orEmpty(w->mainPicture));
    EXPECT_EQ(layout.readString(u"Screen", u"Over"), orEmpty(w->overPicture));
    EXPECT_EQ(layout.readString(u"Screen", u"Down"), orEmpty(w->downPicture));
    EXPECT_EQ(layout.readString(u"Screen", u"Disabled"), orEmpty(w->disabledPicture));
    for (const ControlSpec& c : w->controls) {
      if (c.captionNumber == 0) continue;
      EXPECT_EQ(layout.readString(u"BUTTONPOS", decimal(c.captionNumber), u"<missing>"), u16(c.caption))
          << "caption " << c.captionNumber;
    }
  }
}

}  // namespace
}  // namespace ko
