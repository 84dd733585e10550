#include "skin/dialog_entries.h"

#include "skin/control_entries.h"

namespace ko {

ControlSpec dialogButton(PixelRect r, int caption, const char* text, ControlLook look, const char* glyph,
                         StateSources sources, TextAlign align) {
  return ButtonEntry(r, caption, text, look, sources, align, glyph);
}

ControlSpec dialogLabel(PixelRect r, int caption, const char* text, TextAlign align) {
  return LabelEntry(r, caption, text, align);
}

ControlSpec dialogEdit(PixelRect r, int id, int maxChars, bool digitsOnly, bool centred) {
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

WindowLayout dialogWithCommonButtons(const char* name, const char* file, const char* mainPicture,
                                     const char* overPicture, const char* heading) {
  WindowLayout w{name, file, kDialogWidth, kDialogHeight, mainPicture, overPicture, "", "", heading, {},
                 WindowFrame::Dialog, {}};
  w.controls.push_back(dialogButton({166, 253, 269, 273}, 1, "OK", ControlLook::PushButton));
  w.controls.push_back(dialogButton({271, 253, 374, 273}, 2, "Cancel", ControlLook::PushButton));
  w.controls.push_back(dialogButton({363, 11, 387, 35}, 0, "", ControlLook::WindowButton, "close"));
  return w;
}

}  // namespace ko
