#include "app/main_window_layouts.h"

#include "skin/control_entries.h"

namespace ko {

namespace {

constexpr StateSources kMainOnly{};
constexpr StateSources kWindowButton{Picture::Main, Picture::Over, Picture::Over, Picture::Main};
constexpr StateSources kMainAndDown{Picture::Main, Picture::Down, Picture::Down, Picture::Main};
// A slider's empty track from Down with its filled part from Main, or its track from Main alone.
constexpr StateSources kTrackDownFilledMain{Picture::Down, Picture::Main, Picture::Main, Picture::Main};
constexpr StateSources kTrackMain{Picture::Main, Picture::None, Picture::None, Picture::Main};

// A control placed by its page rather than by the layout file still needs a spot in the
// pictures; these are the spots this skin gives them.
ControlSpec button(PixelRect r, int caption, const char* text, ControlLook look,
                   TextAlign align = TextAlign::Centre, const char* glyph = "",
                   StateSources sources = kMainOnly) {
  return ButtonEntry(r, caption, text, look, sources, align, glyph);
}

ControlSpec label(PixelRect r, int caption, const char* text, TextAlign align = TextAlign::Left) {
  return LabelEntry(r, caption, text, align);
}

ControlSpec slider(PixelRect r, int id, int low, int high, const char* thumb, StateSources track,
                   ControlLook look = ControlLook::Well) {
  ControlSpec c;
  c.rect = r;
  c.kind = ControlKind::Slider;
  c.look = look;
  c.sources = track;
  c.id = id;
  c.rangeMin = low;
  c.rangeMax = high;
  c.thumb = thumb;
  return c;
}

ControlSpec area(PixelRect r, ControlKind kind, int id) {
  ControlSpec c;
  c.rect = r;
  c.kind = kind;
  c.look = ControlLook::Well;
  c.id = id;
  return c;
}

ControlSpec back() { return button({780, 511, 858, 536}, 71, "Back", ControlLook::PushButton); }

WindowLayout page(const char* name, const char* file, const char* mainPicture, const char* second,
                  bool secondIsOver, const char* heading, WindowFrame frame) {
  return WindowLayout{name,
                      file,
                      kMainWindowWidth,
                      kMainWindowHeight,
                      mainPicture,
                      secondIsOver ? second : "",
                      secondIsOver ? "" : second,
                      "",
                      heading,
                      {},
                      frame,
                      {}};
}

WindowLayout makeStart() {
  WindowLayout w = page("main-start", "skin_main.ini", "main_main.png", "main_over.png", true,
                        "VX48K2 Gaming Mouse", WindowFrame::Start);
  auto& c = w.controls;
  c.push_back(button({}, 0, "", ControlLook::None));
  c.push_back(button({333, 9, 404, 34}, 72, "Import", ControlLook::Tab));
  c.push_back(button({499, 9, 570, 34}, 74, "Export", ControlLook::Tab));
  c.push_back(button({418, 9, 489, 34}, 17, "Restore all", ControlLook::Tab));
  c.push_back(button({405, 598, 525, 619}, 75, "Support website", ControlLook::LinkText));
  // The four page buttons with an (empty) note beside each; the notes are kept hidden.
  c.push_back(button({98, 260, 199, 291}, 10, "Buttons", ControlLook::PushButton));
  c.push_back(label({70, 326, 169, 355}, 0, "", TextAlign::Centre));
  c.push_back(button({721, 260, 822, 291}, 12, "Lighting", ControlLook::PushButton));
  c.push_back(label({724, 322, 851, 353}, 0, "", TextAlign::Centre));
  c.push_back(button({98, 378, 199, 409}, 13, "Performance", ControlLook::PushButton));
  c.push_back(label({67, 308, 195, 339}, 0, "", TextAlign::Centre));
  c.push_back(button({721, 378, 822, 409}, 14, "Macros", ControlLook::PushButton));
  c.push_back(label({729, 375, 856, 406}, 0, "", TextAlign::Centre));
  c.push_back(button({850, 25, 874, 51}, 0, "", ControlLook::WindowButton, TextAlign::Centre, "close", kWindowButton));
  c.push_back(button({814, 25, 838, 51}, 0, "", ControlLook::WindowButton, TextAlign::Centre, "minimise",
                     kWindowButton));
  w.decorations = {
      {DecorationKind::Device, {300, 96, 588, 566}, ""},
      // Leader lines from each page button to the part of the mouse it configures.
      {DecorationKind::Leader, {199, 275, 337, 340}, ""},   // buttons -> side buttons
      {DecorationKind::Leader, {721, 275, 470, 214}, ""},   // lighting -> wheel light
      {DecorationKind::Leader, {199, 393, 390, 420}, ""},   // performance -> sensor
      {DecorationKind::Leader, {721, 393, 500, 300}, ""},   // macros -> the buttons that play them
      {DecorationKind::Divider, {333, 40, 571, 41}, ""},
  };
  return w;
}

WindowLayout makeButtons() {
  WindowLayout w = page("main-buttons", "skin_button.ini", "button_main.png", "", false, "Buttons",
                        WindowFrame::Page);
  auto& c = w.controls;
  c.push_back(label({232, 183, 344, 204}, 1, "Button"));
  static const char* const profiles[] = {"Profile 1", "Profile 2", "Profile 3", "Profile 4", "Profile 5"};
  for (int k = 0; k < button_page::kProfileCount; ++k) {
    const int left = 221 + 71 * k;
    c.push_back(button({left, 128, left + 69, 151}, 4 + k, profiles[k], ControlLook::Tab));
  }
  static const int slotTops[] = {219, 249, 278, 308, 337, 367, 396, 426, 455};
  for (int top : slotTops)
    c.push_back(button({292, top, 477, top + 23}, 0, "", ControlLook::Field, TextAlign::Centre, "arrow-down"));
  c.push_back(button({318, 510, 424, 535}, 18, "Edit macros", ControlLook::PushButton));
  c.push_back(back());
  w.decorations = {
      {DecorationKind::Panel, {206, 166, 500, 492}, ""},
      {DecorationKind::Divider, {221, 152, 575, 153}, ""},
      {DecorationKind::Device, {560, 150, 800, 500}, ""},
  };
  // Slot n sets mouse button n: its number stands beside the slot and, in a badge with a
  // leader line, beside the device at that button. Badges for the buttons on the left of
  // the mouse stand left of it, the others right of it, each at a height that keeps the
  // leader lines from crossing.
  static const char* const numbers[] = {"1", "2", "3", "4", "5", "6", "7", "8", "9"};
  static const struct {
    bool left;
    int centreY;
  } badges[] = {{true, 210}, {false, 228}, {false, 190}, {true, 372}, {true, 324},
                {false, 262}, {false, 296}, {false, 412}, {false, 336}};
  for (int i = 0; i < button_page::kSlotCount; ++i) {
    w.decorations.push_back({DecorationKind::Text, {266, slotTops[i], 288, slotTops[i] + 23}, numbers[i]});
    const int left = badges[i].left ? 526 : 818, top = badges[i].centreY - 8;
    w.decorations.push_back({DecorationKind::Callout, {left, top, left + 16, top + 16}, numbers[i], i + 1});
  }
  return w;
}

WindowLayout makePerformance() {
  WindowLayout w = page("main-performance", "skin_advance.ini", "advance_main.png", "advance_down.png", false,
                        "Performance", WindowFrame::Page);
  auto& c = w.controls;
  // Two columns of the same height and the same three bands: the pointer settings the
  // device service applies to the system at the left (double-click speed, wheel lines,
  // acceleration), the sensor at the right (DPI stages, DPI level, polling rate). Titles
  // of one band stand on one line, and each band's controls share its middle.
  constexpr StateSources twoState{Picture::Main, Picture::Main, Picture::Down, Picture::Main};
  c.push_back(label({333, 139, 550, 163}, 72, "DPI stages"));
  c.push_back(label({333, 277, 449, 299}, 73, "DPI level"));
  c.push_back(label({333, 419, 449, 443}, 74, "Polling rate"));
  c.push_back(label({330, 338, 359, 355}, 0, ""));
  c.push_back(label({440, 338, 502, 355}, 0, ""));
  c.push_back(label({609, 338, 654, 355}, 0, ""));
  c.push_back(label({720, 338, 755, 355}, 0, ""));
  c.push_back(label({75, 419, 191, 443}, 1, "Acceleration"));
  c.push_back(back());
  // The acceleration switch stands at the end of its title's line; it shows its state, not a text.
  c.push_back(button({213, 419, 273, 443}, 1, "Acceleration", ControlLook::Switch, TextAlign::Centre, "", twoState));
  c.back().captionShown = false;
  // Pointer values: - value + under each title.
  c.push_back(button({173, 193, 199, 219}, 0, "", ControlLook::PushButton, TextAlign::Centre, "plus"));
  c.push_back(button({75, 193, 101, 219}, 0, "", ControlLook::PushButton, TextAlign::Centre, "minus"));
  c.push_back(button({173, 313, 199, 339}, 0, "", ControlLook::PushButton, TextAlign::Centre, "plus"));
  c.push_back(button({75, 313, 101, 339}, 0, "", ControlLook::PushButton, TextAlign::Centre, "minus"));
  c.push_back(button({107, 193, 167, 219}, 0, "", ControlLook::Well));
  c.push_back(button({107, 313, 167, 339}, 0, "", ControlLook::Well));
  static const int tiles[][2] = {{325, 393}, {395, 463}, {465, 537}, {539, 610}, {612, 683}, {685, 753}};
  for (const auto& t : tiles) c.push_back(button({t[0], 174, t[1], 238}, 0, "", ControlLook::Tile, TextAlign::Centre, "", twoState));
  c.push_back(button({560, 278, 752, 298}, 12, "Separate X and Y", ControlLook::Switch, TextAlign::Left, "check",
                     kMainAndDown));
  c.push_back(button({325, 458, 431, 508}, 16, "125 Hz", ControlLook::Segment, TextAlign::Centre, "", twoState));
  c.push_back(button({435, 458, 539, 508}, 17, "250 Hz", ControlLook::Segment, TextAlign::Centre, "", twoState));
  c.push_back(button({543, 458, 647, 508}, 18, "500 Hz", ControlLook::Segment, TextAlign::Centre, "", twoState));
  c.push_back(button({651, 458, 752, 508}, 19, "1000 Hz", ControlLook::Segment, TextAlign::Centre, "", twoState));
  c.push_back(slider({327, 318, 752, 333}, control_id::kLevelSlider, 1, 12, "arrow1.png", kTrackDownFilledMain));
  // The separate-axis sliders only show when a file asks for separate axes; they sit over
  // the level scale, so the pictures keep no groove for them.
  c.push_back(slider({300, 347, 722, 362}, control_id::kLevelXSlider, 1, 12, "arrow1.png", kTrackMain,
                     ControlLook::None));
  c.push_back(slider({300, 364, 722, 378}, control_id::kLevelYSlider, 1, 12, "arrow1.png", kTrackMain,
                     ControlLook::None));
  c.push_back(slider({75, 474, 273, 492}, control_id::kAccelerationSlider, 1, 13, "arrow2.png", kTrackMain));
  w.decorations = {
      {DecorationKind::Panel, {52, 124, 296, 548}, ""},
      {DecorationKind::Title, {75, 139, 273, 163}, "Double-click speed"},
      {DecorationKind::Text, {211, 193, 273, 219}, "4 – 20"},
      {DecorationKind::Divider, {67, 262, 281, 263}, ""},
      {DecorationKind::Title, {75, 277, 273, 299}, "Wheel lines"},
      {DecorationKind::Text, {211, 313, 273, 339}, "1 – 10"},
      {DecorationKind::Divider, {67, 404, 281, 405}, ""},
      {DecorationKind::Panel, {310, 124, 766, 548}, ""},
      {DecorationKind::Divider, {325, 262, 753, 263}, ""},
      {DecorationKind::Divider, {325, 404, 753, 405}, ""},
  };
  return w;
}

WindowLayout makeLighting() {
  WindowLayout w = page("main-lighting", "skin_color.ini", "color_main.png", "color_down.png", false, "Lighting",
                        WindowFrame::Page);
  auto& c = w.controls;
  constexpr StateSources twoState{Picture::Main, Picture::Main, Picture::Down, Picture::Main};
  c.push_back(label({81, 215, 259, 245}, 1, "Colour", TextAlign::Centre));
  c.push_back(label({324, 172, 467, 202}, 2, "Effect"));
  c.push_back(label({324, 278, 470, 308}, 3, "Brightness"));
  c.push_back(label({324, 374, 470, 404}, 4, "Effect speed"));
  c.push_back(label({611, 321, 640, 333}, 4, "Effect speed", TextAlign::Centre));
  c.back().captionShown = false;  // shows the level's percentage
  c.push_back(label({642, 321, 660, 333}, 5, "%"));
  c.push_back(back());
  c.push_back(button({468, 172, 579, 202}, 7, "Direction", ControlLook::Text, TextAlign::Left));
  c.push_back(button({330, 488, 374, 506}, 8, "Slow", ControlLook::Text, TextAlign::Left));
  c.push_back(button({582, 488, 626, 506}, 9, "Fast", ControlLook::Text, TextAlign::Right));
  c.push_back(button({172, 171, 271, 200}, 6, "Off", ControlLook::Segment, TextAlign::Centre, "", twoState));
  c.push_back(button({67, 171, 166, 200}, 43, "On", ControlLook::Segment, TextAlign::Centre, "", twoState));
  c.push_back(button({329, 414, 397, 437}, 0, "", ControlLook::Switch, TextAlign::Centre, "", twoState));
  c.push_back(button({333, 211, 452, 231}, 0, "", ControlLook::Field, TextAlign::Centre, "arrow-down"));
  c.push_back(button({460, 211, 579, 231}, 0, "", ControlLook::Field, TextAlign::Centre, "arrow-down"));
  c.push_back(area({64, 254, 284, 507}, ControlKind::Custom, control_id::kColourPicker));
  c.push_back(button({405, 598, 525, 619}, 0, "", ControlLook::LinkText));
  c.push_back(slider({378, 468, 626, 486}, control_id::kEffectSlider, 1, 9, "arrow2.png", kTrackMain));
  c.push_back(slider({320, 320, 607, 335}, control_id::kLightLevelSlider, 1, 6, "arrow1.png", kTrackDownFilledMain));
  w.decorations = {
      {DecorationKind::Panel, {52, 124, 296, 548}, ""},
      {DecorationKind::Panel, {310, 124, 700, 548}, ""},
      {DecorationKind::Divider, {324, 262, 686, 263}, ""},
      {DecorationKind::Divider, {324, 358, 686, 359}, ""},
  };
  return w;
}

WindowLayout makeMacros() {
  WindowLayout w = page("main-macros", "skin_macro.ini", "macro_main.png", "macro_down.png", false, "Macros",
                        WindowFrame::Page);
  auto& c = w.controls;
  c.push_back(label({78, 456, 298, 476}, 18, "Macro:", TextAlign::Right));
  c.push_back(label({78, 479, 298, 499}, 19, "Steps:", TextAlign::Right));
  c.push_back(label({428, 359, 578, 378}, 20, "Mouse action"));
  c.push_back(label({484, 330, 562, 349}, 21, "times"));
  c.push_back(label({}, 0, ""));
  c.push_back(back());
  c.push_back(button({92, 140, 213, 162}, 0, "", ControlLook::Field, TextAlign::Centre, "arrow-down"));
  c.push_back(button({216, 140, 264, 163}, 2, "New", ControlLook::PushButton));
  c.push_back(button({268, 140, 316, 163}, 4, "Delete", ControlLook::PushButton));
  c.push_back(button({319, 140, 377, 163}, 16, "Rename", ControlLook::PushButton));
  c.push_back(button({438, 139, 488, 163}, 3, "Import", ControlLook::PushButton));
  c.push_back(button({491, 139, 568, 163}, 1, "Export", ControlLook::PushButton));
  c.push_back(button({127, 504, 227, 529}, 5, "Stop", ControlLook::PushButton));
  c.push_back(button({244, 504, 344, 529}, 17, "Record", ControlLook::PushButton));
  c.push_back(button({408, 189, 560, 219}, 6, "Record delays as typed", ControlLook::Switch, TextAlign::Left, "radio",
                     kMainAndDown));
  c.push_back(button({408, 226, 568, 245}, 7, "Fixed delay (ms)", ControlLook::Switch, TextAlign::Left, "radio",
                     kMainAndDown));
  c.push_back(button({408, 275, 515, 295}, 8, "No delays", ControlLook::Switch, TextAlign::Left, "radio",
                     kMainAndDown));
  c.push_back(button({408, 308, 515, 325}, 9, "Repeat", ControlLook::Switch, TextAlign::Left, "check",
                     kMainAndDown));
  c.push_back(area({429, 250, 463, 268}, ControlKind::Edit, control_id::kDelayField));
  c.push_back(area({429, 331, 476, 348}, ControlKind::Edit, control_id::kLoopField));
  c.push_back(button({413, 417, 567, 436}, 12, "Move up", ControlLook::PushButton));
  c.push_back(button({413, 448, 567, 467}, 13, "Delete step", ControlLook::PushButton));
  c.push_back(button({413, 477, 567, 496}, 14, "Move down", ControlLook::PushButton));
  c.push_back(button({413, 507, 567, 526}, 15, "Edit step", ControlLook::PushButton));
  c.push_back(button({426, 382, 545, 402}, 0, "", ControlLook::Field, TextAlign::Centre, "arrow-down"));
  c.push_back(area({82, 181, 380, 451}, ControlKind::List, control_id::kStepList));
  w.decorations = {
      {DecorationKind::Panel, {66, 124, 392, 544}, ""},
      {DecorationKind::Panel, {398, 124, 584, 544}, ""},
      {DecorationKind::Divider, {410, 176, 572, 177}, ""},
      {DecorationKind::Divider, {410, 408, 572, 409}, ""},
  };
  return w;
}

}  // namespace

const WindowLayout& startPageLayout() {
  static const WindowLayout layout = makeStart();
  return layout;
}
const WindowLayout& buttonPageLayout() {
  static const WindowLayout layout = makeButtons();
  return layout;
}
const WindowLayout& performancePageLayout() {
  static const WindowLayout layout = makePerformance();
  return layout;
}
const WindowLayout& lightingPageLayout() {
  static const WindowLayout layout = makeLighting();
  return layout;
}
const WindowLayout& macroPageLayout() {
  static const WindowLayout layout = makeMacros();
  return layout;
}

const std::vector<const WindowLayout*>& mainWindowLayouts() {
  static const std::vector<const WindowLayout*> pages = {&startPageLayout(), &buttonPageLayout(),
                                                         &performancePageLayout(), &lightingPageLayout(),
                                                         &macroPageLayout()};
  return pages;
}

int pageOfLayout(const WindowLayout& layout) {
  if (&layout == &startPageLayout()) return page_id::kStart;
  if (&layout == &buttonPageLayout()) return page_id::kButtons;
  if (&layout == &performancePageLayout()) return page_id::kPerformance;
  if (&layout == &lightingPageLayout()) return page_id::kLighting;
  if (&layout == &macroPageLayout()) return page_id::kMacros;
  return 0;
}

}  // namespace ko
