#include "assign/dialog_layouts.h"

#include "skin/control_entries.h"

namespace ko {

namespace {

// Dialog buttons brighten from the Over picture while hovered and pressed.
constexpr StateSources kHoverFromOver{Picture::Main, Picture::Over, Picture::Over, Picture::Main};
// A check box in a window with only Main and Over pictures: its set look is in Over, and it
// does not light up under the pointer (a lit box would read as set).
constexpr StateSources kCheckFromOver{Picture::Main, Picture::Main, Picture::Over, Picture::Main};
constexpr StateSources kTrackMain{Picture::Main, Picture::None, Picture::None, Picture::Main};

ControlSpec button(PixelRect r, int caption, const char* text, ControlLook look, const char* glyph = "",
                   StateSources sources = kHoverFromOver, TextAlign align = TextAlign::Centre) {
  return ButtonEntry(r, caption, text, look, sources, align, glyph);
}

ControlSpec label(PixelRect r, int caption, const char* text, TextAlign align = TextAlign::Left) {
  return LabelEntry(r, caption, text, align);
}

ControlSpec edit(PixelRect r, int id, int maxChars, bool digitsOnly, bool centred = true) {
  ControlSpec c;
  c.rect = r;
  c.kind = ControlKind::Edit;
  c.look = ControlLook::Well;
  c.id = id;
  c.maxChars = maxChars;
  c.digitsOnly = digitsOnly;
  c.centredText = centred;
  return c;
}

// OK, Cancel and the close button, in the places every dialog has them.
void commonButtons(std::vector<ControlSpec>& c) {
  c.push_back(button({166, 253, 269, 273}, 1, "OK", ControlLook::PushButton));
  c.push_back(button({271, 253, 374, 273}, 2, "Cancel", ControlLook::PushButton));
  c.push_back(button({363, 11, 387, 35}, 0, "", ControlLook::WindowButton, "close"));
}

WindowLayout dialog(const char* name, const char* file, const char* mainPicture, const char* overPicture,
                    const char* heading) {
  WindowLayout w{name, file, kDialogWidth, kDialogHeight, mainPicture, overPicture, "", "", heading, {},
                 WindowFrame::Dialog, {}};
  commonButtons(w.controls);
  return w;
}

WindowLayout makeSingleKey() {
  WindowLayout w = dialog("dialog-singlekey", "skin_singlekey.ini", "singlekey_main.png", "singlekey_over.png",
                          "VX48K2 Gaming Mouse");
  auto& c = w.controls;
  ControlSpec display;
  display.rect = {72, 128, 150, 143};
  display.kind = ControlKind::MacroDisplay;
  display.look = ControlLook::Well;
  c.push_back(display);
  c.push_back(label({72, 100, 360, 122}, 3, "Press the key this button should send."));
  c.push_back(edit({72, 128, 150, 143}, single_key::kDelayFieldId, 6, true));
  c.push_back(label({69, 108, 153, 125}, 0, ""));
  // The name field draws its own black ground; a well of its own in the shared pictures
  // would show around the key dialog's narrower key display.
  ControlSpec name = edit({69, 126, 177, 145}, single_key::kNameFieldId, 0, false);
  name.look = ControlLook::None;
  c.push_back(name);
  w.decorations = {{DecorationKind::Panel, {40, 80, 368, 236}, ""}};
  return w;
}

WindowLayout makeGunfire() {
  WindowLayout w = dialog("dialog-gunfire", "skin_gunfire.ini", "gunfire_main.png", "gunfire_over.png", "Rapid fire");
  auto& c = w.controls;
  c.push_back(label({38, 107, 128, 129}, 3, "Fire rate"));
  c.push_back(label({130, 107, 180, 129}, 0, ""));
  c.push_back(label({41, 156, 65, 169}, 4, "10", TextAlign::Centre));
  c.push_back(label({335, 156, 364, 169}, 5, "200", TextAlign::Centre));
  ControlSpec speed;
  speed.rect = {39, 142, 369, 154};
  speed.kind = ControlKind::Slider;
  speed.look = ControlLook::Well;
  speed.sources = kTrackMain;
  speed.id = gunfire::kSliderId;
  speed.rangeMin = 10;
  speed.rangeMax = 200;
  speed.thumb = "arrow3.png";
  c.push_back(speed);
  c.push_back(button({34, 186, 111, 205}, 8, "Endless", ControlLook::Switch, "check", kCheckFromOver, TextAlign::Left));
  c.push_back(edit({115, 188, 160, 205}, gunfire::kCountFieldId, 3, true));
  c.push_back(label({165, 187, 257, 206}, 7, "shots, pause", TextAlign::Centre));
  c.push_back(edit({262, 188, 307, 205}, gunfire::kSecondFieldId, 4, true));
  c.push_back(label({317, 187, 373, 206}, 6, "ms", TextAlign::Centre));
  w.decorations = {
      {DecorationKind::Panel, {24, 92, 384, 178}, ""},
      {DecorationKind::Panel, {24, 180, 384, 214}, ""},
  };
  return w;
}

WindowLayout makeXShoot() {
  WindowLayout w = dialog("dialog-xshoot", "skin_Xshoot.ini", "xshoot_main.png", "xshoot_over.png", "XShoot");
  auto& c = w.controls;
  c.push_back(edit({48, 69, 115, 85}, xshoot::kTriggerFieldId, 1, false));
  c.push_back(button({116, 69, 142, 85}, 0, "", ControlLook::Field, "arrow-down"));
  c.push_back(label({47, 100, 132, 116}, 7, "Shots"));
  c.push_back(edit({49, 119, 131, 135}, xshoot::kSecondFieldId, 3, true));
  c.push_back(label({47, 150, 132, 166}, 8, "Interval"));
  c.push_back(edit({49, 169, 131, 185}, xshoot::kFirstFieldId, 3, true));
  c.push_back(label({30, 199, 323, 216}, 9, "Both numbers run from 1 to 255."));
  c.push_back(label({30, 225, 323, 242}, 10, "Keyboard: type the key that starts the shots."));
  c.push_back(label({150, 69, 300, 85}, 11, "Trigger"));
  w.decorations = {{DecorationKind::Panel, {24, 60, 384, 192}, ""}};
  return w;
}

WindowLayout makeDpiShift() {
  WindowLayout w = dialog("dialog-dpishift", "skin_shift.ini", "shift_main.png", "shift_over.png", "DPI shift");
  auto& c = w.controls;
  c.push_back(button({35, 132, 145, 149}, 0, "", ControlLook::Field, "arrow-down"));
  c.push_back(label({35, 104, 360, 126}, 3, "DPI while the button is held"));
  w.decorations = {{DecorationKind::Panel, {24, 90, 384, 170}, ""}};
  return w;
}

}  // namespace

const WindowLayout& singleKeyDialogLayout() {
  static const WindowLayout layout = makeSingleKey();
  return layout;
}
const WindowLayout& gunfireDialogLayout() {
  static const WindowLayout layout = makeGunfire();
  return layout;
}
const WindowLayout& xshootDialogLayout() {
  static const WindowLayout layout = makeXShoot();
  return layout;
}
const WindowLayout& dpiShiftDialogLayout() {
  static const WindowLayout layout = makeDpiShift();
  return layout;
}

}  // namespace ko
