#include "skin/gallery_layout.h"

namespace ko {

namespace {

// The gallery feeds each state from its own picture, so that every face the skin has is
// visible somewhere: normal from Main, hover from Over, pressed or checked from Down and
// disabled from Disabled.
constexpr StateSources kAllFour{Picture::Main, Picture::Over, Picture::Down, Picture::Disabled};
// The slider shows its empty track from Down and its filled part from Main, as the
// performance page's DPI slider does.
constexpr StateSources kSliderTrack{Picture::Down, Picture::Main, Picture::Main, Picture::Main};
constexpr StateSources kMainOnly{};

ControlSpec button(PixelRect r, int caption, const char* text, ControlLook look,
                   TextAlign align = TextAlign::Centre, const char* glyph = "") {
  return ControlSpec{r, ControlKind::Button, caption, text, look, kAllFour, align, glyph};
}

ControlSpec area(PixelRect r, ControlKind kind, StateSources sources = kMainOnly) {
  return ControlSpec{r, kind, 0, "", ControlLook::Well, sources, TextAlign::Left, ""};
}

ControlSpec label(PixelRect r, int caption, const char* text, TextAlign align) {
  return ControlSpec{r, ControlKind::Label, caption, text, ControlLook::Text, kMainOnly, align, ""};
}

WindowLayout makeGallery() {
  WindowLayout w{"gallery", "skin_gallery.ini", 640, 480,
                 "gallery_main.png", "gallery_over.png", "gallery_down.png", "gallery_disabled.png",
                 "Control gallery", {}, WindowFrame::Dialog, {}};
  auto& c = w.controls;
  // Row 1: push buttons side by side (hover must hand over from one to the next), then the
  // two two-state buttons.
  c.push_back(button({24, 64, 124, 89}, 1, "Apply", ControlLook::PushButton));
  c.push_back(button({130, 64, 230, 89}, 2, "Cancel", ControlLook::PushButton));
  c.push_back(button({236, 64, 336, 89}, 3, "Defaults", ControlLook::PushButton));
  c.push_back(button({364, 64, 484, 89}, 4, "Checked", ControlLook::PushButton));
  c.push_back(button({492, 64, 612, 89}, 5, "Locked", ControlLook::PushButton));
  // Row 2: profile tabs and a drop-down button.
  for (int i = 0; i < gallery::kTabCount; ++i) {
    static const char* const names[] = {"Profile 1", "Profile 2", "Profile 3", "Profile 4", "Profile 5"};
    const int left = 24 + i * 71;
    c.push_back(button({left, 116, left + 69, 139}, 6 + i, names[i], ControlLook::Tab));
  }
  c.push_back(button({412, 116, 612, 139}, 11, "Breathing", ControlLook::Field, TextAlign::Centre, "arrow-down"));
  // Row 3: an assignment slot, DPI tiles and the polling-rate segments.
  c.push_back(button({24, 164, 209, 187}, 12, "Left click", ControlLook::Field, TextAlign::Centre, "arrow-down"));
  c.push_back(button({232, 164, 300, 224}, 13, "800", ControlLook::Tile));
  c.push_back(button({304, 164, 372, 224}, 14, "1600", ControlLook::Tile));
  c.push_back(button({396, 164, 500, 204}, 15, "500 Hz", ControlLook::Segment));
  c.push_back(button({504, 164, 608, 204}, 16, "1000 Hz", ControlLook::Segment));
  // Row 4: a switch and a check box with its text to the right of the box.
  c.push_back(button({24, 200, 92, 223}, 0, "", ControlLook::Switch));
  c.push_back(button({108, 201, 209, 222}, 17, "Repeat", ControlLook::Switch, TextAlign::Left, "check"));
  // Row 5: labels, an edit field and a slider.
  c.push_back(label({396, 214, 500, 232}, 18, "Polling rate", TextAlign::Left));
  c.push_back(label({504, 214, 608, 232}, 19, "Centred", TextAlign::Centre));
  c.push_back(ControlSpec{{24, 252, 84, 270}, ControlKind::Edit, 0, "", ControlLook::Well, kMainOnly, TextAlign::Left, ""});
  c.push_back(ControlSpec{{104, 253, 608, 268}, ControlKind::Slider, 0, "", ControlLook::Well, kSliderTrack, TextAlign::Left, ""});
  // Row 6: the areas that draw themselves.
  c.push_back(area({24, 296, 244, 456}, ControlKind::Custom));
  c.push_back(area({264, 296, 432, 340}, ControlKind::MacroDisplay));
  c.push_back(area({264, 356, 432, 456}, ControlKind::List));
  // Window buttons.
  c.push_back(ControlSpec{{604, 12, 628, 36}, ControlKind::Button, 0, "", ControlLook::WindowButton,
                          {Picture::Main, Picture::Over, Picture::Over, Picture::Main}, TextAlign::Centre, "close"});
  c.push_back(ControlSpec{{576, 12, 600, 36}, ControlKind::Button, 0, "", ControlLook::WindowButton,
                          {Picture::Main, Picture::Over, Picture::Over, Picture::Main}, TextAlign::Centre, "minimise"});

  w.decorations = {
      {DecorationKind::Panel, {12, 52, 628, 236}, ""},
      {DecorationKind::Panel, {12, 240, 628, 282}, ""},
      {DecorationKind::Panel, {12, 286, 628, 468}, ""},
      {DecorationKind::Text, {452, 296, 616, 314}, "Areas drawn by their controls"},
      {DecorationKind::Divider, {452, 318, 612, 319}, ""},
  };
  return w;
}

}  // namespace

const WindowLayout& galleryLayout() {
  static const WindowLayout layout = makeGallery();
  return layout;
}

}  // namespace ko
