#include "control_faces.h"
#include <algorithm>
#include <cmath>
#include <cstring>

namespace skingen {

using ko::ControlKind;
using ko::ControlLook;
using ko::ControlSpec;
using ko::Picture;
namespace c = colour;

Face faceForPicture(const ControlSpec& control, Picture picture) {
  const ko::StateSources& s = control.sources;
  if (control.kind == ControlKind::Slider) {
    // A track cuts its empty part from `normal` and its filled part from `down`.
    if (picture == s.normal) return Face::Normal;
    return picture == s.down ? Face::Down : Face::Normal;
  }
  if (picture == s.normal) return Face::Normal;
  if (picture == s.down) return Face::Down;
  if (picture == s.over) return Face::Over;
  if (picture == s.disabled) return Face::Disabled;
  return Face::Normal;
}

namespace {

Box boxOf(const ko::PixelRect& r) { return {double(r.left), double(r.top), double(r.width()), double(r.height())}; }

bool hasGlyph(const ControlSpec& control, const char* name) { return std::strcmp(control.glyph, name) == 0; }

// A raised face: soft vertical gradient, 1-px outline, a faint light line under the top edge.
void raised(Canvas& k, Box b, double radius, Face f, Corners corners = {}) {
  Rgb top = mix(c::panel, c::highlight, 0.85), bottom = mix(c::panel, c::highlight, 0.3), edge = c::border;
  if (f == Face::Over) {
    top = mix(c::panelOver, c::borderOver, 0.25);
    bottom = c::panelOver;
    edge = c::borderOver;
  } else if (f == Face::Down) {
    top = c::panelDown;
    bottom = mix(c::panelDown, c::ground, 0.3);
    edge = c::accent;
  }
  k.fillRoundedGradient(b, radius, top, bottom, corners);
  k.strokeRounded(b, radius, edge, corners);
  if (f != Face::Down && b.h > 8) k.hLine(b.x + std::max(radius, 1.0), b.right() - std::max(radius, 1.0), int(b.y) + 1, c::highlight, 0.9);
}

void pushButton(Canvas& k, Box b, Face f, Corners corners = {}) {
  raised(k, b, 3, f, corners);
  if (f == Face::Down) k.hLine(b.x + 3, b.right() - 3, int(b.bottom()) - 2, c::accent, 0.9);
}

void tab(Canvas& k, Box b, Face f) {
  const Corners top{true, true, false, false};
  Rgb fill = c::panel, edge = c::border;
  if (f == Face::Over) fill = c::panelOver, edge = c::borderOver;
  if (f == Face::Down) fill = mix(c::panelOver, c::panel, 0.5), edge = c::borderOver;
  k.fillRounded(b, 3, fill, top);
  k.strokeRounded(b, 3, edge, top);
  if (f == Face::Down) {
    k.fillRect({b.x + 1, b.bottom() - 2, b.w - 2, 2}, c::accent);
  } else {
    k.hLine(b.x, b.right(), int(b.bottom()) - 1, c::border);
  }
}

void field(Canvas& k, Box b, Face f, bool dropDown) {
  Rgb fill = mix(c::groundDeep, c::panel, 0.5), edge = c::border, glyph = c::glyph;
  if (f == Face::Over) fill = c::panel, edge = c::borderOver, glyph = c::textHeading;
  if (f == Face::Down) fill = c::panel, edge = c::accent, glyph = c::accent;
  k.fillRounded(b, 2, fill);
  k.strokeRounded(b, 2, edge);
  if (!dropDown) return;
  const double zone = std::min(20.0, b.h);
  k.vLine(int(b.right() - zone), b.y + 4, b.bottom() - 4, f == Face::Normal ? c::rule : edge, 0.9);
  drawChevronDown(k, b.right() - zone / 2, b.cy(), glyph);
}

void tile(Canvas& k, Box b, Face f) {
  raised(k, b, 4, f);
  // A short bar at the top names the tile as a stage; lit when it is the chosen one.
  const double barW = std::min(18.0, b.w / 3);
  const Box bar{std::round(b.cx() - barW / 2), b.y + 5, std::round(barW), 2};
  k.fillRect(bar, f == Face::Down ? c::accent : (f == Face::Over ? c::borderOver : c::border));
}

void toggleSwitch(Canvas& k, Box b, Face f) {
  // A pill of about 2:1 centred in the rectangle; the knob sits left when off, right when on.
  const double h = std::min(b.h - 4, 18.0), w = std::min(b.w - 4, std::round(h * 2.1));
  const Box pill{std::round(b.cx() - w / 2), std::round(b.cy() - h / 2), w, h};
  const bool on = f == Face::Down;
  Rgb fill = c::groundDeep, edge = c::border, knob = c::textMuted;
  if (f == Face::Over) edge = c::borderOver, knob = c::glyph;
  if (on) fill = mix(c::ground, c::accent, 0.22), edge = c::accent, knob = c::accent;
  k.fillRounded(pill, h / 2, fill);
  k.strokeRounded(pill, h / 2, edge);
  const double r = h / 2 - 3;
  const double kx = on ? pill.right() - h / 2 : pill.x + h / 2;
  cairo_arc(k.cr(), kx, pill.cy(), r, 0, 2 * M_PI);
  k.colour(knob);
  cairo_fill(k.cr());
}

void checkBox(Canvas& k, Box b, Face f, bool round) {
  const double s = std::min(13.0, b.h - 2);
  const Box box{b.x + 4, std::round(b.cy() - s / 2), s, s};
  Rgb fill = c::groundDeep, edge = c::border;
  if (f == Face::Over) edge = c::borderOver, fill = c::panel;
  if (f == Face::Down) edge = c::accent, fill = c::accent;
  k.fillRounded(box, round ? s / 2 : 2, fill);
  k.strokeRounded(box, round ? s / 2 : 2, edge);
  if (f != Face::Down) return;
  cairo_t* cr = k.cr();
  if (round) {
    cairo_arc(cr, box.cx(), box.cy(), s / 2 - 4, 0, 2 * M_PI);
    k.colour(c::ground);
    cairo_fill(cr);
    return;
  }
  cairo_move_to(cr, box.x + 3, box.cy());
  cairo_line_to(cr, box.x + s * 0.42, box.bottom() - 3.5);
  cairo_line_to(cr, box.right() - 3, box.y + 3.5);
  cairo_set_line_width(cr, 1.8);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  k.colour(c::ground);
  cairo_stroke(cr);
}

void windowButton(Canvas& k, Box b, Face f, bool close) {
  Rgb glyph = c::glyph;
  if (f == Face::Over || f == Face::Down) {
    k.fillRounded(b.inset(1), 3, close ? c::closeOver : c::panelOver);
    glyph = c::textHeading;
  }
  const double cx = std::floor(b.cx()), cy = std::floor(b.cy());
  if (close) {
    k.line(cx - 4, cy - 4, cx + 5, cy + 5, 1.4, glyph);
    k.line(cx + 5, cy - 4, cx - 4, cy + 5, 1.4, glyph);
  } else {
    k.fillRect({cx - 4, cy + 3, 10, 2}, glyph);
  }
}

void linkText(Canvas& k, Box b, Face f) {
  if (f == Face::Normal) return;
  k.hLine(b.x + 6, b.right() - 6, int(b.bottom()) - 2, f == Face::Down ? c::accent : c::textMuted, 0.8);
}

// Areas the control paints completely itself get a frame just outside their rectangle, so
// they sit in a well; sliders get a groove the thumb runs along.
void well(Canvas& k, const ControlSpec& control, Box b, Face f) {
  if (control.kind == ControlKind::Slider) {
    const double h = std::min(6.0, b.h - 4);
    const Box groove{b.x, std::round(b.cy() - h / 2), b.w, h};
    k.fillRounded(groove, h / 2, c::groundDeep);
    if (f == Face::Down) {
      // The filled part: the program shows it from the left edge up to the thumb.
      k.fillRoundedGradient(groove, h / 2, c::accent, mix(c::accent, hex(0xc8a800), 0.6));
    } else {
      k.strokeRounded(groove, h / 2, c::border);
    }
    return;
  }
  const Box frame{b.x - 1, b.y - 1, b.w + 2, b.h + 2};
  k.fillRect(b, c::groundDeep);
  k.strokeRounded(frame, 0, f == Face::Over ? c::borderOver : c::border);
}

void drawFace(Canvas& k, const ControlSpec& control, Face f, SegmentJoins joins) {
  const Box b = boxOf(control.rect);
  switch (control.look) {
    case ControlLook::None:
    case ControlLook::Text:
      return;
    case ControlLook::PushButton:
      return pushButton(k, b, f);
    case ControlLook::Tab:
      return tab(k, b, f);
    case ControlLook::Field:
      return field(k, b, f, hasGlyph(control, "arrow-down"));
    case ControlLook::Tile:
      return tile(k, b, f);
    case ControlLook::Segment:
      return pushButton(k, b, f, Corners{!joins.left, !joins.right, !joins.right, !joins.left});
    case ControlLook::Switch:
      if (hasGlyph(control, "check")) return checkBox(k, b, f, false);
      if (hasGlyph(control, "radio")) return checkBox(k, b, f, true);
      return toggleSwitch(k, b, f);
    case ControlLook::WindowButton:
      return windowButton(k, b, f, !hasGlyph(control, "minimise"));
    case ControlLook::LinkText:
      return linkText(k, b, f);
    case ControlLook::Well:
      return well(k, control, b, f);
  }
}

}  // namespace

void drawControlFace(Canvas& k, const ControlSpec& control, Face face, SegmentJoins joins) {
  if (control.rect.empty()) return;
  if (face != Face::Disabled) return drawFace(k, control, face, joins);
  // Disabled is the normal face sunk into the ground: same shapes, a third of the contrast.
  cairo_push_group(k.cr());
  drawFace(k, control, Face::Normal, joins);
  cairo_pop_group_to_source(k.cr());
  cairo_paint_with_alpha(k.cr(), 0.4);
}

void drawChevronDown(Canvas& k, double cx, double cy, Rgb colour) {
  cairo_t* cr = k.cr();
  cx = std::floor(cx) + 0.5;
  cy = std::floor(cy) + 0.5;
  cairo_move_to(cr, cx - 3.5, cy - 1.5);
  cairo_line_to(cr, cx, cy + 2);
  cairo_line_to(cr, cx + 3.5, cy - 1.5);
  cairo_set_line_width(cr, 1.5);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
  k.colour(colour);
  cairo_stroke(cr);
}

void drawChevronRight(Canvas& k, double cx, double cy, Rgb colour) {
  cairo_t* cr = k.cr();
  cx = std::floor(cx) + 0.5;
  cy = std::floor(cy) + 0.5;
  cairo_move_to(cr, cx - 1.5, cy - 3.5);
  cairo_line_to(cr, cx + 2, cy);
  cairo_line_to(cr, cx - 1.5, cy + 3.5);
  cairo_set_line_width(cr, 1.5);
  k.colour(colour);
  cairo_stroke(cr);
}

}  // namespace skingen
