// Rules every window table must keep so that the pictures drawn from it can serve the
// controls built from it.
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>
#include "app/window_list.h"
#include "skin/gallery_layout.h"
#include "skin/window_layout.h"

namespace ko {
namespace {

bool inside(const PixelRect& r, int width, int height) {
  return r.left >= 0 && r.top >= 0 && r.right <= width && r.bottom <= height;
}

bool overlap(const PixelRect& a, const PixelRect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// A caption number may serve two controls (the main pages show some texts twice), but the
// layout file holds one text per number, so both must carry the same one.
TEST(WindowTables, EveryControlLiesInsideItsWindowAndEachCaptionKeyHasOneText) {
  ASSERT_FALSE(allWindowLayouts().empty());
  std::set<std::string> layoutFiles;
  for (const WindowLayout* w : allWindowLayouts()) {
    SCOPED_TRACE(w->name);
    EXPECT_TRUE(layoutFiles.insert(w->layoutFile).second) << "two windows share " << w->layoutFile;
    ASSERT_NE(w->mainPicture, nullptr);
    EXPECT_STRNE(w->mainPicture, "") << "a window without a Main picture would be sized 0 x 0";
    std::map<int, std::string> captionKeys;
    for (const ControlSpec& c : w->controls) {
      if (c.rect.empty()) continue;  // placed later by its page
      EXPECT_TRUE(inside(c.rect, w->width, w->height))
          << c.rect.left << "," << c.rect.top << "," << c.rect.right << "," << c.rect.bottom;
      if (c.captionNumber != 0) {
        auto [it, added] = captionKeys.emplace(c.captionNumber, c.caption);
        if (!added) {
          EXPECT_EQ(it->second, c.caption) << "caption key " << c.captionNumber;
        }
      }
    }
  }
}

TEST(GalleryTable, HoldsEveryControlKindWithoutOverlaps) {
  const WindowLayout& g = galleryLayout();
  EXPECT_EQ(g.layoutFile, std::string("skin_gallery.ini"));
  EXPECT_EQ(g.width, 640);
  EXPECT_EQ(g.height, 480);
  std::set<ControlKind> kinds;
  for (const ControlSpec& c : g.controls) kinds.insert(c.kind);
  for (ControlKind k : {ControlKind::Button, ControlKind::Label, ControlKind::Edit, ControlKind::Slider,
                        ControlKind::Custom, ControlKind::MacroDisplay, ControlKind::List})
    EXPECT_EQ(kinds.count(k), 1u) << static_cast<int>(k);
  for (size_t i = 0; i < g.controls.size(); ++i)
    for (size_t j = i + 1; j < g.controls.size(); ++j)
      EXPECT_FALSE(overlap(g.controls[i].rect, g.controls[j].rect)) << i << " and " << j;

  // The named positions point at the controls the gallery program drives.
  EXPECT_EQ(g.controls[gallery::kSlider].kind, ControlKind::Slider);
  EXPECT_EQ(g.controls[gallery::kEdit].kind, ControlKind::Edit);
  EXPECT_EQ(g.controls[gallery::kList].kind, ControlKind::List);
  EXPECT_EQ(g.controls[gallery::kCustom].kind, ControlKind::Custom);
  EXPECT_EQ(g.controls[gallery::kMacroDisplay].kind, ControlKind::MacroDisplay);
  EXPECT_EQ(g.controls[gallery::kLabelLeft].kind, ControlKind::Label);
  EXPECT_EQ(g.controls[gallery::kTabFirst].look, ControlLook::Tab);
  EXPECT_EQ(g.controls[gallery::kTileFirst].look, ControlLook::Tile);
  EXPECT_EQ(g.controls[gallery::kSegmentFirst + 1].look, ControlLook::Segment);
  EXPECT_EQ(g.controls[gallery::kSwitch].look, ControlLook::Switch);
  EXPECT_EQ(g.controls[gallery::kSlot].look, ControlLook::Field);
  EXPECT_EQ(std::string(g.controls[gallery::kClose].glyph), "close");
  EXPECT_EQ(g.controls.size(), static_cast<size_t>(gallery::kMinimise + 1));
}

}  // namespace
}  // namespace ko
