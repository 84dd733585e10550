#include "icon_drawing.h"
#include <cairo.h>
#include <algorithm>
#include <cmath>
#include <stdexcept>
#include "../skin_generator/palette.h"

namespace appicon {

namespace c = skingen::colour;
using skingen::hex;
using skingen::Rgb;

namespace {

void roundedRect(cairo_t* cr, double x, double y, double w, double h, double r) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
  cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
  cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
  cairo_close_path(cr);
}

void source(cairo_t* cr, Rgb colour, double alpha = 1) {
  cairo_set_source_rgba(cr, colour.r, colour.g, colour.b, alpha);
}

void verticalGradient(cairo_t* cr, double y0, double y1, Rgb top, Rgb bottom) {
  cairo_pattern_t* p = cairo_pattern_create_linear(0, y0, 0, y1);
  cairo_pattern_add_color_stop_rgb(p, 0, top.r, top.g, top.b);
  cairo_pattern_add_color_stop_rgb(p, 1, bottom.r, bottom.g, bottom.b);
  cairo_set_source(cr, p);
  cairo_pattern_destroy(p);
}

// The mouse body in the 256-unit design square: narrower at the front, rounded at the
// back, symmetric about x = 128.
struct Body {
  double top, bottom, halfWidth;
};

void bodyPath(cairo_t* cr, Body b) {
  const double cx = 128, h = b.bottom - b.top, w = b.halfWidth;
  cairo_move_to(cr, cx, b.top);
  cairo_curve_to(cr, cx + w * 0.8, b.top, cx + w, b.top + h * 0.18, cx + w, b.top + h * 0.45);
  cairo_curve_to(cr, cx + w, b.top + h * 0.8, cx + w * 0.62, b.bottom, cx, b.bottom);
  cairo_curve_to(cr, cx - w * 0.62, b.bottom, cx - w, b.top + h * 0.8, cx - w, b.top + h * 0.45);
  cairo_curve_to(cr, cx - w, b.top + h * 0.18, cx - w * 0.8, b.top, cx, b.top);
  cairo_close_path(cr);
}

void draw(cairo_t* cr, int size) {
  const bool small = size <= 24;
  // One device pixel in design units: outlines are never thinner than that.
  const double px = 256.0 / size;
  cairo_scale(cr, size / 256.0, size / 256.0);

  // The tile: the skin's ground with its grey-blue border, as the program's window.
  // The border is stroked inside the tile's edge so nothing reaches the transparent corners.
  const double inset = small ? 0 : 8, radius = small ? 40 : 48, border = std::max(px, 4.0);
  roundedRect(cr, inset, inset, 256 - 2 * inset, 256 - 2 * inset, radius);
  verticalGradient(cr, inset, 256 - inset, c::panelOver, c::ground);
  cairo_fill(cr);
  const double edge = inset + border / 2;
  roundedRect(cr, edge, edge, 256 - 2 * edge, 256 - 2 * edge, radius - border / 2);
  source(cr, c::borderOver);
  cairo_set_line_width(cr, border);
  cairo_stroke(cr);

  const Body body = small ? Body{26, 232, 70} : Body{40, 222, 56};
  const double seamY = body.top + (body.bottom - body.top) * 0.4;

  // The body, light so it stands out on the dark tile, with a soft edge shadow.
  bodyPath(cr, body);
  verticalGradient(cr, body.top, body.bottom, hex(0xf2f3f5), hex(0x9aa3b0));
  cairo_fill_preserve(cr);
  source(cr, hex(0x0b0c0e), 0.55);
  cairo_set_line_width(cr, std::max(px, 3.0));
  cairo_stroke(cr);

  // The seams between the two main buttons and between them and the palm rest.
  source(cr, hex(0x2a2f37));
  cairo_set_line_width(cr, std::max(px, small ? 14.0 : 5.0));
  cairo_move_to(cr, 128, body.top);
  cairo_line_to(cr, 128, seamY);
  cairo_stroke(cr);
  if (!small) {
    cairo_move_to(cr, 128 - body.halfWidth + 2, seamY - 6);
    cairo_curve_to(cr, 110, seamY + 4, 146, seamY + 4, 128 + body.halfWidth - 2, seamY - 6);
    cairo_stroke(cr);
  }

  // The wheel in the accent colour.
  const double wheelW = small ? 30 : 20, wheelTop = body.top + (small ? 24 : 24);
  const double wheelH = small ? 56 : 40;
  roundedRect(cr, 128 - wheelW / 2, wheelTop, wheelW, wheelH, wheelW / 2);
  source(cr, c::accent);
  cairo_fill_preserve(cr);
  source(cr, hex(0x6b5d00));
  cairo_set_line_width(cr, std::max(px * 0.75, 3.0));
  cairo_stroke(cr);

  // The light strip around the back of the palm rest.
  if (!small) {
    const double y = body.bottom - 40;
    cairo_move_to(cr, 128 - body.halfWidth * 0.78, y - 18);
    cairo_curve_to(cr, 108, y + 6, 148, y + 6, 128 + body.halfWidth * 0.78, y - 18);
    source(cr, c::accent);
    cairo_set_line_width(cr, std::max(px * 1.5, 9.0));
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
  }
}

cairo_status_t appendBytes(void* closure, const unsigned char* data, unsigned int length) {
  auto* out = static_cast<std::vector<uint8_t>*>(closure);
  out->insert(out->end(), data, data + length);
  return CAIRO_STATUS_SUCCESS;
}

}  // namespace

IconImage drawIcon(int size) {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size, size);
  cairo_t* cr = cairo_create(surface);
  draw(cr, size);
  cairo_destroy(cr);
  cairo_surface_flush(surface);

  IconImage image;
  image.size = size;
  image.bgra.resize(static_cast<size_t>(size) * size * 4);
  // Cairo keeps premultiplied native-endian ARGB words; the icon wants straight BGRA bytes.
  const unsigned char* data = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  for (int y = 0; y < size; ++y) {
    const auto* row = reinterpret_cast<const uint32_t*>(data + y * stride);
    for (int x = 0; x < size; ++x) {
      const uint32_t argb = row[x];
      const unsigned a = argb >> 24;
      auto straight = [a](unsigned v) { return static_cast<uint8_t>(a ? (v * 255 + a / 2) / a : 0); };
      uint8_t* p = &image.bgra[(static_cast<size_t>(y) * size + x) * 4];
      p[0] = straight(argb & 0xFF);
      p[1] = straight((argb >> 8) & 0xFF);
      p[2] = straight((argb >> 16) & 0xFF);
      p[3] = static_cast<uint8_t>(a);
    }
  }
  if (size == 256 && cairo_surface_write_to_png_stream(surface, appendBytes, &image.png) != CAIRO_STATUS_SUCCESS)
    image.png.clear();
  cairo_surface_destroy(surface);
  return image;
}

void writeIconPng(const IconImage& image, const char* path) {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, image.size, image.size);
  cairo_surface_flush(surface);
  unsigned char* data = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  for (int y = 0; y < image.size; ++y) {
    auto* row = reinterpret_cast<uint32_t*>(data + y * stride);
    for (int x = 0; x < image.size; ++x) {
      const uint8_t* p = &image.bgra[(static_cast<size_t>(y) * image.size + x) * 4];
      const unsigned a = p[3];
      auto pre = [a](unsigned v) { return (v * a + 127) / 255; };
      row[x] = (a << 24) | (pre(p[2]) << 16) | (pre(p[1]) << 8) | pre(p[0]);
    }
  }
  cairo_surface_mark_dirty(surface);
  const cairo_status_t status = cairo_surface_write_to_png(surface, path);
  cairo_surface_destroy(surface);
  if (status != CAIRO_STATUS_SUCCESS) throw std::runtime_error(std::string("cannot write ") + path);
}

}  // namespace appicon
