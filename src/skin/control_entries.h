// Makers of window-table entries, shared by every window's table so that each table reads
// as a list of its controls.
#pragma once
#include "skin/window_layout.h"

namespace ko {

inline ControlSpec ButtonEntry(PixelRect r, int caption, const char* text, ControlLook look, StateSources sources,
                              TextAlign align = TextAlign::Centre, const char* glyph = "") {
  ControlSpec c;
  c.rect = r;
  c.kind = ControlKind::Button;
  c.captionNumber = caption;
  c.caption = text;
  c.look = look;
  c.sources = sources;
  c.align = align;
  c.glyph = glyph;
  return c;
}

inline ControlSpec LabelEntry(PixelRect r, int caption, const char* text, TextAlign align = TextAlign::Left) {
  ControlSpec c;
  c.rect = r;
  c.kind = ControlKind::Label;
  c.captionNumber = caption;
  c.caption = text;
  c.look = ControlLook::Text;
  c.align = align;
  return c;
}

}  // namespace ko
