#include "window_pictures.h"
#include <cmath>
#include <fstream>
#include <stdexcept>
#include "control_faces.h"
#include "device_drawing.h"
#include "image_files.h"
#include "layout_file.h"

namespace skingen {

using ko::ControlLook;
using ko::ControlSpec;
using ko::Decoration;
using ko::DecorationKind;
using ko::Picture;
using ko::WindowFrame;
using ko::WindowLayout;
namespace c = colour;

namespace {

Box boxOf(const ko::PixelRect& r) { return {double(r.left), double(r.top), double(r.width()), double(r.height())}; }

// Height of the heading bar of dialogs and pages: room for the window buttons and the title.
// The start page shares the sub-pages' bar, so the window buttons (cut from the start page's
// pictures and shown on every page) sit on the same ground everywhere.
int headingBarHeight(const WindowLayout& w) {
  return w.frame == WindowFrame::Page || w.frame == WindowFrame::Start ? 56 : 48;
}

void windowEdge(Canvas& k) {
  k.strokeRounded({0, 0, double(k.width()), double(k.height())}, 0, c::border);
}

void headingBar(Canvas& k, const WindowLayout& w) {
  const int bar = headingBarHeight(w);
  k.fillRect({0, 0, double(k.width()), double(bar)}, c::headerBand);
  k.hLine(0, k.width(), bar - 1, c::border);
  if (w.heading && *w.heading) {
    const double px = w.frame == WindowFrame::Dialog ? 13 : 15;
    k.fillRect({16, std::round(bar / 2.0 - 7), 3, 14}, c::accent);
    k.text(w.heading, {26, 0, double(k.width()) - 120, double(bar)}, px, Weight::Bold, c::textHeading);
  }
}

void startFrame(Canvas& k, const WindowLayout& w) {
  // A faint light behind the middle of the page, where the device sits.
  cairo_t* cr = k.cr();
  const double cx = k.width() / 2.0, cy = k.height() / 2.0;
  cairo_pattern_t* glow = cairo_pattern_create_radial(cx, cy, 10, cx, cy, k.height() * 0.6);
  const Rgb centre = mix(c::ground, c::panelOver, 0.55);
  cairo_pattern_add_color_stop_rgb(glow, 0, centre.r, centre.g, centre.b);
  cairo_pattern_add_color_stop_rgb(glow, 1, c::ground.r, c::ground.g, c::ground.b);
  cairo_rectangle(cr, 0, 0, k.width(), k.height());
  cairo_set_source(cr, glow);
  cairo_fill(cr);
  cairo_pattern_destroy(glow);
  headingBar(k, w);
}

// A numbered badge with a leader line to the button it names on the window's device.
void callout(Canvas& k, const WindowLayout& w, const Decoration& d) {
  const Decoration* device = nullptr;
  for (const Decoration& other : w.decorations)
    if (other.kind == DecorationKind::Device) device = &other;
  if (!device) throw std::runtime_error(std::string(w.name) + ": a callout needs the device drawing");
  const std::optional<Point> target = deviceButtonPoint(d.deviceButton, boxOf(device->rect));
  if (!target) throw std::runtime_error(std::string(w.name) + ": no mouse button " + std::to_string(d.deviceButton));
  const Box b = boxOf(d.rect);
  const double radius = std::min(b.w, b.h) / 2;
  const double dx = target->x - b.cx(), dy = target->y - b.cy(), length = std::hypot(dx, dy);
  if (length > radius + 1) {
    k.line(b.cx() + dx / length * (radius + 1), b.cy() + dy / length * (radius + 1), target->x, target->y, 1,
           c::accentDim);
  }
  cairo_arc(k.cr(), target->x, target->y, 2.5, 0, 2 * M_PI);
  k.colour(c::accent);
  cairo_fill(k.cr());
  cairo_arc(k.cr(), b.cx(), b.cy(), radius - 0.5, 0, 2 * M_PI);
  k.colour(c::panel);
  cairo_fill_preserve(k.cr());
  k.colour(c::accentDim);
  cairo_set_line_width(k.cr(), 1);
  cairo_stroke(k.cr());
  k.text(d.text ? d.text : "", b, 11, Weight::Bold, c::textHeading, Align::Centre);
}

void decoration(Canvas& k, const WindowLayout& w, const Decoration& d) {
  const Box b = boxOf(d.rect);
  switch (d.kind) {
    case DecorationKind::Panel:
      k.fillRounded(b, 4, c::panel);
      k.strokeRounded(b, 4, mix(c::panel, c::border, 0.45));
      if (d.text && *d.text) k.text(d.text, {b.x + 12, b.y + 6, b.w - 24, 16}, 11, Weight::Bold, c::textMuted);
      return;
    case DecorationKind::Divider:
      if (b.w >= b.h) k.hLine(b.x, b.right(), d.rect.top, c::rule);
      else k.vLine(d.rect.left, b.y, b.bottom(), c::rule);
      return;
    case DecorationKind::Leader: {
      const double x0 = d.rect.left, y0 = d.rect.top, x1 = d.rect.right, y1 = d.rect.bottom;
      if (y0 == y1) k.hLine(std::min(x0, x1), std::max(x0, x1), d.rect.top, c::accentDim);
      else if (x0 == x1) k.vLine(d.rect.left, std::min(y0, y1), std::max(y0, y1), c::accentDim);
      else k.line(x0, y0, x1, y1, 1, c::accentDim);
      cairo_arc(k.cr(), x1 + 0.5, y1 + 0.5, 2.5, 0, 2 * M_PI);
      k.colour(c::accent);
      cairo_fill(k.cr());
      return;
    }
    case DecorationKind::Text:
      k.text(d.text ? d.text : "", b, 11, Weight::Regular, c::textMuted);
      return;
    case DecorationKind::Title:
      k.text(d.text ? d.text : "", b, k.fonts().emForCellHeight(kControlCellHeight), Weight::Regular, c::controlText);
      return;
    case DecorationKind::Device:
      drawDevice(k, b);
      return;
    case DecorationKind::Callout:
      callout(k, w, d);
      return;
  }
}

// Segments of one bar share their top and bottom and stand at most a few pixels apart.
SegmentJoins joinsOf(const WindowLayout& w, const ControlSpec& s) {
  SegmentJoins j;
  if (s.look != ControlLook::Segment) return j;
  for (const ControlSpec& o : w.controls) {
    if (&o == &s || o.look != ControlLook::Segment || o.rect.top != s.rect.top || o.rect.bottom != s.rect.bottom)
      continue;
    if (o.rect.right <= s.rect.left && s.rect.left - o.rect.right <= 6) j.left = true;
    if (o.rect.left >= s.rect.right && o.rect.left - s.rect.right <= 6) j.right = true;
  }
  return j;
}

const char* pictureName(const WindowLayout& w, Picture p) {
  switch (p) {
    case Picture::Main: return w.mainPicture;
    case Picture::Over: return w.overPicture;
    case Picture::Down: return w.downPicture;
    case Picture::Disabled: return w.disabledPicture;
    case Picture::None: return nullptr;
  }
  return nullptr;
}

}  // namespace

void paintWindowPicture(Canvas& k, const WindowLayout& w, Picture which) {
  k.clear(c::ground);
  switch (w.frame) {
    case WindowFrame::Plain: break;
    case WindowFrame::Dialog:
    case WindowFrame::Page: headingBar(k, w); break;
    case WindowFrame::Start: startFrame(k, w); break;
  }
  for (const Decoration& d : w.decorations) decoration(k, w, d);
  for (const ControlSpec& control : w.controls)
    drawControlFace(k, control, faceForPicture(control, which), joinsOf(w, control));
  if (w.frame != WindowFrame::Plain) windowEdge(k);
}

std::vector<std::string> writeWindow(const WindowLayout& w, const Fonts& fonts, const std::string& folder) {
  if (w.width <= 0 || w.height <= 0) throw std::runtime_error(std::string(w.name) + ": no size");
  std::vector<std::string> written;
  for (Picture p : {Picture::Main, Picture::Over, Picture::Down, Picture::Disabled}) {
    const char* name = pictureName(w, p);
    if (!name || !*name) continue;
    Canvas canvas(w.width, w.height, fonts);
    paintWindowPicture(canvas, w, p);
    writePng(canvas, folder + name);
    written.push_back(name);
  }
  const std::string bytes = layoutFileBytes(w);
  std::ofstream out(folder + w.layoutFile, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out.flush()) throw std::runtime_error(std::string("cannot write ") + folder + w.layoutFile);
  written.push_back(w.layoutFile);
  return written;
}

}  // namespace skingen
