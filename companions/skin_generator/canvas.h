// A drawing surface of one picture with the few shapes the skin is made of. Outlines are
// drawn on half pixels so 1-pixel lines stay crisp at 96 DPI; fills use whole pixels.
#pragma once
#include <cairo.h>
#include <string>
#include "fonts.h"
#include "palette.h"

namespace skingen {

struct Box {
  double x, y, w, h;
  double right() const { return x + w; }
  double bottom() const { return y + h; }
  double cx() const { return x + w / 2; }
  double cy() const { return y + h / 2; }
  Box inset(double d) const { return {x + d, y + d, w - 2 * d, h - 2 * d}; }
};

// Which corners of a rounded box are rounded (segmented controls square their inner ones).
struct Corners {
  bool topLeft = true, topRight = true, bottomRight = true, bottomLeft = true;
};

enum class Weight { Regular, Bold };
enum class Align { Left, Centre, Right };

class Canvas {
 public:
  Canvas(int width, int height, const Fonts& fonts);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  cairo_t* cr() const { return cr_; }
  cairo_surface_t* surface() const { return surface_; }
  int width() const { return width_; }
  int height() const { return height_; }
  const Fonts& fonts() const { return fonts_; }

  void colour(Rgb c, double alpha = 1.0);
  void clear(Rgb c);
  void fillRect(Box b, Rgb c, double alpha = 1.0);
  // A rounded box path on whole pixels (for fills) or half pixels (for 1-px outlines).
  void roundedPath(Box b, double radius, Corners corners = {});
  void fillRounded(Box b, double radius, Rgb c, Corners corners = {}, double alpha = 1.0);
  void fillRoundedGradient(Box b, double radius, Rgb top, Rgb bottom, Corners corners = {});
  // 1-px outline whose pixels lie exactly inside the box.
  void strokeRounded(Box b, double radius, Rgb c, Corners corners = {}, double alpha = 1.0);
  void hLine(double x0, double x1, int y, Rgb c, double alpha = 1.0);  // pixels of row y
  void vLine(int x, double y0, double y1, Rgb c, double alpha = 1.0);  // pixels of column x
  void line(double x0, double y0, double x1, double y1, double width, Rgb c, double alpha = 1.0);

  // Text of `px` pixels (em size), one line. Returns the advance width.
  double text(const std::string& utf8, Box b, double px, Weight weight, Rgb c, Align align = Align::Left,
              double alpha = 1.0);
  double textWidth(const std::string& utf8, double px, Weight weight);

  void save() { cairo_save(cr_); }
  void restore() { cairo_restore(cr_); }

 private:
  void selectFont(double px, Weight weight);
  int width_, height_;
  const Fonts& fonts_;
  cairo_surface_t* surface_;
  cairo_t* cr_;
  cairo_font_options_t* fontOptions_;
};

}  // namespace skingen
