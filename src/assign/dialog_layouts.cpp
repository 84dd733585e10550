#include "assign/dialog_layouts.h"

namespace ko {

namespace {

WindowLayout makeGunfire() {
  WindowLayout w = dialogWithCommonButtons("dialog-gunfire", "skin_gunfire.ini", "gunfire_main.png",
                                           "gunfire_over.png", "Rapid fire");
  auto& c = w.controls;
  c.push_back(dialogLabel({38, 107, 128, 129}, 3, "Fire rate"));
  c.push_back(dialogLabel({130, 107, 180, 129}, 0, ""));
  c.push_back(dialogLabel({41, 156, 65, 169}, 4, "10", TextAlign::Centre));
  c.push_back(dialogLabel({335, 156, 364, 169}, 5, "200", TextAlign::Centre));
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
  c.push_back(
      dialogButton({34, 186, 111, 205}, 8, "Endless", ControlLook::Switch, "check", kCheckFromOver, TextAlign::Left));
  c.push_back(dialogEdit({115, 188, 160, 205}, gunfire::kCountFieldId, 3, true));
  c.push_back(dialogLabel({165, 187, 257, 206}, 7, "shots, pause", TextAlign::Centre));
  c.push_back(dialogEdit({262, 188, 307, 205}, gunfire::kSecondFieldId, 3, true));
  c.push_back(dialogLabel({317, 187, 373, 206}, 6, "ms", TextAlign::Centre));
  w.decorations = {
      {DecorationKind::Panel, {24, 92, 384, 178}, ""},
      {DecorationKind::Panel, {24, 180, 384, 214}, ""},
  };
  return w;
}

WindowLayout makeXShoot() {
  WindowLayout w =
      dialogWithCommonButtons("dialog-xshoot", "skin_Xshoot.ini", "xshoot_main.png", "xshoot_over.png", "XShoot");
  auto& c = w.controls;
  c.push_back(dialogEdit({48, 69, 115, 85}, xshoot::kTriggerFieldId, 1, false));
  c.push_back(dialogButton({116, 69, 142, 85}, 0, "", ControlLook::Field, "arrow-down"));
  c.push_back(dialogLabel({47, 100, 132, 116}, 7, "Shots"));
  c.push_back(dialogEdit({49, 119, 131, 135}, xshoot::kSecondFieldId, 3, true));
  c.push_back(dialogLabel({47, 150, 132, 166}, 8, "Interval"));
  c.push_back(dialogEdit({49, 169, 131, 185}, xshoot::kFirstFieldId, 3, true));
  c.push_back(dialogLabel({30, 199, 323, 216}, 9, "Both numbers run from 1 to 255."));
  c.push_back(dialogLabel({30, 225, 323, 242}, 10, "Keyboard: type the key that starts the shots."));
  c.push_back(dialogLabel({150, 69, 300, 85}, 11, "Trigger"));
  w.decorations = {{DecorationKind::Panel, {24, 60, 384, 192}, ""}};
  return w;
}

WindowLayout makeDpiShift() {
  WindowLayout w =
      dialogWithCommonButtons("dialog-dpishift", "skin_shift.ini", "shift_main.png", "shift_over.png", "DPI shift");
  auto& c = w.controls;
  c.push_back(dialogButton({35, 132, 145, 149}, 0, "", ControlLook::Field, "arrow-down"));
  c.push_back(dialogLabel({35, 104, 360, 126}, 3, "DPI while the button is held"));
  w.decorations = {{DecorationKind::Panel, {24, 90, 384, 170}, ""}};
  return w;
}

}  // namespace

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
