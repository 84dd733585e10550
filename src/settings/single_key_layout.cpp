#include "settings/single_key_layout.h"

namespace ko {
namespace {

WindowLayout makeSingleKey() {
  WindowLayout w = dialogWithCommonButtons("dialog-singlekey", "skin_singlekey.ini", "singlekey_main.png",
                                           "singlekey_over.png", "VX48K2 Gaming Mouse");
  auto& c = w.controls;
  ControlSpec display;
  display.rect = {72, 128, 150, 143};
  display.kind = ControlKind::MacroDisplay;
  display.look = ControlLook::Well;
  c.push_back(display);
  c.push_back(dialogLabel({72, 100, 360, 122}, 3, "Press the key this button should send."));
  c.push_back(dialogEdit({72, 128, 150, 143}, single_key::kDelayFieldId, 6, true));
  c.push_back(dialogLabel({69, 108, 153, 125}, 0, ""));
  // The name field draws its own black ground; a well of its own in the shared pictures
  // would show around the key dialog's narrower key display.
  ControlSpec name = dialogEdit({69, 126, 177, 145}, single_key::kNameFieldId, 0, false);
  name.look = ControlLook::None;
  c.push_back(name);
  w.decorations = {{DecorationKind::Panel, {40, 80, 368, 236}, ""}};
  return w;
}

}  // namespace

const WindowLayout& singleKeyDialogLayout() {
  static const WindowLayout layout = makeSingleKey();
  return layout;
}

}  // namespace ko
