#include "device_drawing.h"
#include <algorithm>
#include <cmath>
#include <optional>

namespace skingen {

namespace c = colour;

namespace {

// The drawing is made in a 260 x 400 design space; the body is symmetric about x = 130.
constexpr double kDesignW = 260, kDesignH = 400;

void bodyPath(cairo_t* cr) {
  cairo_move_to(cr, 130, 22);
  cairo_curve_to(cr, 178, 22, 212, 44, 218, 100);
  cairo_curve_to(cr, 224, 160, 232, 205, 229, 262);
  cairo_curve_to(cr, 225, 340, 186, 386, 130, 386);
  cairo_curve_to(cr, 74, 386, 35, 340, 31, 262);
  cairo_curve_to(cr, 28, 205, 36, 160, 42, 100);
  cairo_curve_to(cr, 48, 44, 82, 22, 130, 22);
  cairo_close_path(cr);
}

// The seam between the main buttons and the palm rest, dipping at the centre.
void buttonSeam(cairo_t* cr) {
  cairo_move_to(cr, 38, 160);
  cairo_curve_to(cr, 80, 168, 104, 176, 130, 176);
  cairo_curve_to(cr, 156, 176, 180, 168, 222, 160);
}

void linear(cairo_t* cr, double x0, double y0, double x1, double y1, Rgb a, Rgb b, double alphaA = 1,
            double alphaB = 1) {
  cairo_pattern_t* p = cairo_pattern_create_linear(x0, y0, x1, y1);
  cairo_pattern_add_color_stop_rgba(p, 0, a.r, a.g, a.b, alphaA);
  cairo_pattern_add_color_stop_rgba(p, 1, b.r, b.g, b.b, alphaB);
  cairo_set_source(cr, p);
  cairo_pattern_destroy(p);
}

void roundedRect(cairo_t* cr, double x, double y, double w, double h, double r) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
  cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
  cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
  cairo_close_path(cr);
}

void shadow(cairo_t* cr) {
  // A soft shadow: the body outline spread in rings of falling strength.
  cairo_save(cr);
  cairo_translate(cr, 0, 7);
  for (int i = 6; i >= 1; --i) {
    bodyPath(cr);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.07);
    cairo_set_line_width(cr, i * 3.0);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cr);
    cairo_fill(cr);
  }
  cairo_restore(cr);
}

void cable(cairo_t* cr) {
  cairo_move_to(cr, 130, 0);
  cairo_curve_to(cr, 130, 8, 130, 14, 130, 24);
  cairo_set_line_width(cr, 4);
  cairo_set_source_rgb(cr, 0.09, 0.10, 0.11);
  cairo_stroke(cr);
  roundedRect(cr, 125, 12, 10, 12, 2);  // strain relief
  cairo_set_source_rgb(cr, 0.14, 0.15, 0.17);
  cairo_fill(cr);
}

void body(cairo_t* cr) {
  bodyPath(cr);
  linear(cr, 0, 22, 0, 386, hex(0x2a2f37), hex(0x16181c));
  cairo_fill_preserve(cr);
  // Rounded flanks: darker towards both sides.
  cairo_pattern_t* side = cairo_pattern_create_linear(30, 0, 230, 0);
  cairo_pattern_add_color_stop_rgba(side, 0.0, 0, 0, 0, 0.45);
  cairo_pattern_add_color_stop_rgba(side, 0.22, 0, 0, 0, 0.0);
  cairo_pattern_add_color_stop_rgba(side, 0.78, 0, 0, 0, 0.0);
  cairo_pattern_add_color_stop_rgba(side, 1.0, 0, 0, 0, 0.45);
  cairo_set_source(cr, side);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(side);
  cairo_set_source_rgb(cr, c::border.r, c::border.g, c::border.b);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
}

void mainButtons(cairo_t* cr) {
  // The two button surfaces, a shade lighter than the palm rest.
  cairo_save(cr);
  bodyPath(cr);
  cairo_clip(cr);
  cairo_move_to(cr, 20, 0);
  cairo_line_to(cr, 240, 0);
  cairo_line_to(cr, 240, 160);
  cairo_curve_to(cr, 180, 168, 156, 176, 130, 176);
  cairo_curve_to(cr, 104, 176, 80, 168, 20, 160);
  cairo_close_path(cr);
  linear(cr, 0, 22, 0, 176, hex(0x343a44), hex(0x262b33));
  cairo_fill(cr);
  cairo_restore(cr);

  // Seams: the split between left and right button and the edge of the palm rest.
  cairo_set_source_rgb(cr, 0.05, 0.06, 0.07);
  cairo_set_line_width(cr, 2);
  buttonSeam(cr);
  cairo_stroke(cr);
  cairo_move_to(cr, 130, 23);
  cairo_line_to(cr, 130, 176);
  cairo_stroke(cr);
  // A hair of light on the upper lip of each seam gives the surfaces their edge.
  cairo_set_source_rgba(cr, 1, 1, 1, 0.07);
  cairo_set_line_width(cr, 1);
  cairo_save(cr);
  cairo_translate(cr, 0, -1.5);
  buttonSeam(cr);
  cairo_stroke(cr);
  cairo_restore(cr);
}

void wheel(cairo_t* cr) {
  // The slot, the wheel, its ridges and a thin accent on the tyre.
  roundedRect(cr, 116, 42, 28, 66, 12);
  cairo_set_source_rgb(cr, 0.04, 0.045, 0.05);
  cairo_fill(cr);
  roundedRect(cr, 121, 47, 18, 56, 8);
  linear(cr, 121, 0, 139, 0, hex(0x2b3038), hex(0x1a1d22));
  cairo_fill(cr);
  cairo_set_line_width(cr, 1);
  for (double y = 52.5; y < 100; y += 4) {
    const double fade = 1 - std::fabs(y - 75) / 26;  // ridges fade where the wheel turns away
    cairo_move_to(cr, 123, y);
    cairo_line_to(cr, 137, y);
    cairo_set_source_rgba(cr, 0.55, 0.6, 0.66, 0.12 + 0.3 * fade);
    cairo_stroke(cr);
  }
  cairo_move_to(cr, 130, 49);
  cairo_line_to(cr, 130, 101);
  cairo_set_source_rgba(cr, c::accent.r, c::accent.g, c::accent.b, 0.85);
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
}

// Buttons 6 and 7: DPI up and down, one split key behind the wheel, each with its arrow.
void dpiButtons(cairo_t* cr) {
  roundedRect(cr, 120, 115, 20, 34, 5);
  cairo_set_source_rgb(cr, 0.05, 0.055, 0.065);
  cairo_fill(cr);
  for (int i = 0; i < 2; ++i) {
    const double top = 117 + i * 16;
    roundedRect(cr, 122, top, 16, 14, 3.5);
    linear(cr, 0, top, 0, top + 14, hex(0x3a404a), hex(0x262b33));
    cairo_fill(cr);
    const double tip = i == 0 ? top + 4.5 : top + 9.5, base = i == 0 ? top + 8.5 : top + 5.5;
    cairo_move_to(cr, 126.5, base);
    cairo_line_to(cr, 130, tip);
    cairo_line_to(cr, 133.5, base);
    cairo_set_source_rgba(cr, c::accent.r, c::accent.g, c::accent.b, 0.8);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
  }
}

void thumbButton(cairo_t* cr, double x, double y, double tilt) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, tilt);
  roundedRect(cr, -6, 0, 12, 42, 6);
  cairo_set_source_rgb(cr, 0.04, 0.045, 0.05);
  cairo_fill(cr);
  roundedRect(cr, -4.5, 1.5, 9, 39, 4.5);
  linear(cr, -4.5, 0, 4.5, 0, hex(0x3a404a), hex(0x262b33));
  cairo_fill(cr);
  cairo_restore(cr);
}

// Buttons 4 and 5 along the left flank (back behind forward), button 9 on the right flank.
void sideButtons(cairo_t* cr) {
  thumbButton(cr, 33, 178, 0.05);
  thumbButton(cr, 33, 226, 0.05);
  thumbButton(cr, 227, 196, -0.05);
}

// Button 8: a small round key on the palm rest, under the maker's mark.
void palmButton(cairo_t* cr) {
  cairo_arc(cr, 130, 300, 8, 0, 2 * M_PI);
  cairo_set_source_rgb(cr, 0.04, 0.045, 0.05);
  cairo_fill(cr);
  cairo_arc(cr, 130, 300, 6.5, 0, 2 * M_PI);
  linear(cr, 0, 293, 0, 307, hex(0x3a404a), hex(0x262b33));
  cairo_fill(cr);
}

void lightStrip(cairo_t* cr) {
  // The light: two strips following the flanks of the palm rest, drawn as the body outline
  // drawn smaller and cut to the rear half, with a soft glow around them.
  auto strips = [cr] {
    cairo_save(cr);
    cairo_translate(cr, 130, 204);
    cairo_scale(cr, 0.9, 0.93);
    cairo_translate(cr, -130, -204);
    bodyPath(cr);
    cairo_restore(cr);
  };
  // The strips fade in and out along their length instead of ending in a hard cut.
  auto fading = [cr](double alpha) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 196, 0, 356);
    cairo_pattern_add_color_stop_rgba(p, 0.0, c::accent.r, c::accent.g, c::accent.b, 0);
    cairo_pattern_add_color_stop_rgba(p, 0.3, c::accent.r, c::accent.g, c::accent.b, alpha);
    cairo_pattern_add_color_stop_rgba(p, 0.75, c::accent.r, c::accent.g, c::accent.b, alpha);
    cairo_pattern_add_color_stop_rgba(p, 1.0, c::accent.r, c::accent.g, c::accent.b, 0);
    cairo_set_source(cr, p);
    cairo_pattern_destroy(p);
  };
  cairo_save(cr);
  cairo_rectangle(cr, 0, 196, kDesignW, 160);
  cairo_clip(cr);
  for (int i = 4; i >= 1; --i) {
    strips();
    fading(0.06);
    cairo_set_line_width(cr, 3 + i * 4);
    cairo_stroke(cr);
  }
  strips();
  fading(1.0);
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  cairo_restore(cr);

  // The maker's mark on the palm rest: a small chevron lit by the same light.
  cairo_move_to(cr, 121, 262);
  cairo_line_to(cr, 130, 271);
  cairo_line_to(cr, 139, 262);
  cairo_set_source_rgba(cr, c::accent.r, c::accent.g, c::accent.b, 0.8);
  cairo_set_line_width(cr, 2);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
  cairo_stroke(cr);
}

void palmHighlight(cairo_t* cr) {
  // A broad soft sheen down the middle of the shell, where the light would catch it.
  cairo_save(cr);
  bodyPath(cr);
  cairo_clip(cr);
  cairo_pattern_t* p = cairo_pattern_create_radial(130, 230, 8, 130, 230, 110);
  cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 1, 0.06);
  cairo_pattern_add_color_stop_rgba(p, 1, 1, 1, 1, 0);
  cairo_set_source(cr, p);
  cairo_paint(cr);
  cairo_pattern_destroy(p);
  cairo_restore(cr);
}

}  // namespace

void drawDevice(Canvas& canvas, Box box) {
  cairo_t* cr = canvas.cr();
  const double scale = std::min(box.w / kDesignW, box.h / kDesignH);
  cairo_save(cr);
  cairo_translate(cr, box.cx() - kDesignW * scale / 2, box.cy() - kDesignH * scale / 2);
  cairo_scale(cr, scale, scale);
  shadow(cr);
  cable(cr);
  body(cr);
  palmHighlight(cr);
  mainButtons(cr);
  sideButtons(cr);
  wheel(cr);
  dpiButtons(cr);
  lightStrip(cr);
  palmButton(cr);
  cairo_restore(cr);
}

std::optional<Point> deviceButtonPoint(int button, Box box) {
  // Where each of buttons 1..9 is pressed, in the design space.
  static const Point kPoints[] = {{80, 92},  {180, 92},  {130, 75},  {34, 247}, {34, 199},
                                  {130, 124}, {130, 140}, {130, 300}, {226, 217}};
  if (button < 1 || button > 9) return std::nullopt;
  const double scale = std::min(box.w / kDesignW, box.h / kDesignH);
  const Point p = kPoints[button - 1];
  return Point{box.cx() - kDesignW * scale / 2 + p.x * scale, box.cy() - kDesignH * scale / 2 + p.y * scale};
}

}  // namespace skingen
