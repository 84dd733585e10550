#include "canvas.h"
#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace skingen {

Canvas::Canvas(int width, int height, const Fonts& fonts)
    : width_(width), height_(height), fonts_(fonts) {
  surface_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
  if (cairo_surface_status(surface_) != CAIRO_STATUS_SUCCESS) throw std::runtime_error("cannot make a picture");
  cr_ = cairo_create(surface_);
  // Hinted grey-scale text: the closest a picture gets to how the program's own captions
  // look on screen at 96 DPI.
  fontOptions_ = cairo_font_options_create();
  cairo_font_options_set_antialias(fontOptions_, CAIRO_ANTIALIAS_GRAY);
  cairo_font_options_set_hint_style(fontOptions_, CAIRO_HINT_STYLE_FULL);
  cairo_font_options_set_hint_metrics(fontOptions_, CAIRO_HINT_METRICS_ON);
  cairo_set_font_options(cr_, fontOptions_);
}

Canvas::~Canvas() {
  cairo_font_options_destroy(fontOptions_);
  cairo_destroy(cr_);
  cairo_surface_destroy(surface_);
}

void Canvas::colour(Rgb c, double alpha) { cairo_set_source_rgba(cr_, c.r, c.g, c.b, alpha); }

void Canvas::clear(Rgb c) {
  cairo_save(cr_);
  cairo_set_operator(cr_, CAIRO_OPERATOR_SOURCE);
  colour(c);
  cairo_paint(cr_);
  cairo_restore(cr_);
}

void Canvas::fillRect(Box b, Rgb c, double alpha) {
  cairo_rectangle(cr_, b.x, b.y, b.w, b.h);
  colour(c, alpha);
  cairo_fill(cr_);
}

void Canvas::roundedPath(Box b, double r, Corners k) {
  r = std::max(0.0, std::min(r, std::min(b.w, b.h) / 2));
  const double x0 = b.x, y0 = b.y, x1 = b.right(), y1 = b.bottom();
  const double rtl = k.topLeft ? r : 0, rtr = k.topRight ? r : 0, rbr = k.bottomRight ? r : 0,
               rbl = k.bottomLeft ? r : 0;
  cairo_new_sub_path(cr_);
  cairo_arc(cr_, x1 - rtr, y0 + rtr, rtr, -M_PI / 2, 0);
  cairo_arc(cr_, x1 - rbr, y1 - rbr, rbr, 0, M_PI / 2);
  cairo_arc(cr_, x0 + rbl, y1 - rbl, rbl, M_PI / 2, M_PI);
  cairo_arc(cr_, x0 + rtl, y0 + rtl, rtl, M_PI, 3 * M_PI / 2);
  cairo_close_path(cr_);
}

void Canvas::fillRounded(Box b, double radius, Rgb c, Corners corners, double alpha) {
  roundedPath(b, radius, corners);
  colour(c, alpha);
  cairo_fill(cr_);
}

void Canvas::fillRoundedGradient(Box b, double radius, Rgb top, Rgb bottom, Corners corners) {
  roundedPath(b, radius, corners);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, b.y, 0, b.bottom());
  cairo_pattern_add_color_stop_rgb(p, 0, top.r, top.g, top.b);
  cairo_pattern_add_color_stop_rgb(p, 1, bottom.r, bottom.g, bottom.b);
  cairo_set_source(cr_, p);
  cairo_fill(cr_);
  cairo_pattern_destroy(p);
}

void Canvas::strokeRounded(Box b, double radius, Rgb c, Corners corners, double alpha) {
  roundedPath({b.x + 0.5, b.y + 0.5, b.w - 1, b.h - 1}, std::max(0.0, radius - 0.5), corners);
  colour(c, alpha);
  cairo_set_line_width(cr_, 1.0);
  cairo_stroke(cr_);
}

void Canvas::hLine(double x0, double x1, int y, Rgb c, double alpha) {
  cairo_rectangle(cr_, x0, y, x1 - x0, 1);
  colour(c, alpha);
  cairo_fill(cr_);
}

void Canvas::vLine(int x, double y0, double y1, Rgb c, double alpha) {
  cairo_rectangle(cr_, x, y0, 1, y1 - y0);
  colour(c, alpha);
  cairo_fill(cr_);
}

void Canvas::line(double x0, double y0, double x1, double y1, double width, Rgb c, double alpha) {
  cairo_move_to(cr_, x0, y0);
  cairo_line_to(cr_, x1, y1);
  cairo_set_line_width(cr_, width);
  cairo_set_line_cap(cr_, CAIRO_LINE_CAP_ROUND);
  colour(c, alpha);
  cairo_stroke(cr_);
  cairo_set_line_cap(cr_, CAIRO_LINE_CAP_BUTT);
}

void Canvas::selectFont(double px, Weight weight) {
  cairo_set_font_face(cr_, weight == Weight::Bold ? fonts_.bold() : fonts_.regular());
  cairo_set_font_size(cr_, px);
}

double Canvas::textWidth(const std::string& utf8, double px, Weight weight) {
  selectFont(px, weight);
  cairo_text_extents_t e;
  cairo_text_extents(cr_, utf8.c_str(), &e);
  return e.x_advance;
}

double Canvas::text(const std::string& utf8, Box b, double px, Weight weight, Rgb c, Align align, double alpha) {
  selectFont(px, weight);
  cairo_text_extents_t e;
  cairo_text_extents(cr_, utf8.c_str(), &e);
  cairo_font_extents_t fe;
  cairo_font_extents(cr_, &fe);
  double x = b.x;
  if (align == Align::Centre) x = b.x + (b.w - e.x_advance) / 2;
  if (align == Align::Right) x = b.right() - e.x_advance;
  // Baseline so that the cap height sits centred in the box, on a whole pixel.
  const double capHeight = fe.ascent * 0.72;
  const double baseline = std::round(b.y + (b.h + capHeight) / 2);
  cairo_move_to(cr_, std::round(x), baseline);
  colour(c, alpha);
  cairo_show_text(cr_, utf8.c_str());
  cairo_new_path(cr_);
  return e.x_advance;
}

}  // namespace skingen
