#include "fixed_pictures.h"
#include "perf/colour_picker.h"
#include <cmath>
#include <set>
#include <stdexcept>
#include "control_faces.h"
#include "device_drawing.h"
#include "image_files.h"

namespace skingen {

namespace c = colour;

namespace {

// --- popup menus ----------------------------------------------------------------------------
// Each picture is a column of 24-pixel rows, one per item; the program cuts every item's
// state pictures from the same row of the normal, over and down pictures. The frame lines
// run through every row so that any cut keeps the menu's edge.

constexpr int kRow = 24;

enum class MenuState { Normal, Over, Down };

struct MenuStyle {
  std::set<int> subMenuRows;   // rows that open a sub-menu: a chevron at the right
  std::set<int> groupBreaks;   // rows after which a stronger rule separates groups
};

void menuPicture(Canvas& k, MenuState state, const MenuStyle& style) {
  const int w = k.width(), h = k.height();
  k.clear(c::panel);
  const int rows = h / kRow;
  for (int i = 0; i < rows; ++i) {
    const Box row{0, double(i * kRow), double(w), double(kRow)};
    const Box face = {row.x + 3, row.y + 2, row.w - 6, row.h - 4};
    Rgb chevron = c::textMuted;
    if (state == MenuState::Over) {
      k.fillRounded(face, 2, c::panelOver);
      k.strokeRounded(face, 2, c::borderOver, {}, 0.8);
      chevron = c::textHeading;
    } else if (state == MenuState::Down) {
      k.fillRounded(face, 2, c::panelDown);
      k.strokeRounded(face, 2, c::accent);
      k.fillRect({face.x + 2, face.y + 4, 2, face.h - 8}, c::accent);
      chevron = c::accent;
    } else if (i + 1 < rows) {
      const bool group = style.groupBreaks.count(i) > 0;
      k.hLine(group ? 1 : 10, group ? w - 1 : w - 10, (i + 1) * kRow - 1 + (group ? 0 : 0), group ? c::border : c::rule);
    }
    if (style.subMenuRows.count(i)) drawChevronRight(k, w - 14, row.cy() - 1, chevron);
  }
  k.strokeRounded({0, 0, double(w), double(h)}, 0, c::border);
}

const MenuStyle kAssignmentMenu{{7, 8, 9, 10, 11}, {5, 11}};  // sub-menus: advanced .. shift
const MenuStyle kPlainMenu{};

// --- slider thumbs --------------------------------------------------------------------------

void thumb(Canvas& k) {
  const Box b{0.5, 0.5, k.width() - 1.0, k.height() - 1.0};
  cairo_t* cr = k.cr();
  cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
  cairo_paint(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
  k.fillRoundedGradient({0, 0, double(k.width()), double(k.height())}, 3, hex(0xf0f2f5), hex(0xaab2be));
  k.strokeRounded({0, 0, double(k.width()), double(k.height())}, 3, hex(0x0c0d10));
  // A grip line in the accent: where the value is read.
  const int mid = k.width() / 2;
  k.vLine(mid, b.y + 3, b.bottom() - 3, hex(0x9a8600));
}

// --- colour picker parts --------------------------------------------------------------------

struct Channel {
  int r, g, b;
};

// The hue strip shows the picker's own hue table, row r entry r + 1 (0x00BBGGRR values).
Channel hueEntry(int e) {
  const uint32_t colour = ko::HueTableEntry(e);
  return {int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF)};
}

void hueStrip(Canvas& k) {
  for (int y = 0; y < k.height(); ++y) {
    const Channel ch = hueEntry(y + 1);
    k.fillRect({0, double(y), double(k.width()), 1}, {ch.r / 255.0, ch.g / 255.0, ch.b / 255.0});
  }
}

void hueSlot(Canvas& k) {
  k.clear(c::ground);
  k.fillRounded({0, 0, double(k.width()), double(k.height())}, 3, c::groundDeep);
  k.strokeRounded({0, 0, double(k.width()), double(k.height())}, 3, c::border);
}

void hueMarker(Canvas& k) {
  cairo_t* cr = k.cr();
  cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
  cairo_paint(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
  const double mid = k.height() / 2.0, w = k.width();
  // Two arrow heads pointing at the strip and a hairline frame over the chosen row.
  for (int side = 0; side < 2; ++side) {
    const double tip = side == 0 ? 5 : w - 5, base = side == 0 ? 0 : w;
    cairo_move_to(cr, base, mid - 3.5);
    cairo_line_to(cr, tip, mid);
    cairo_line_to(cr, base, mid + 3.5);
    cairo_close_path(cr);
    k.colour(c::accent);
    cairo_fill_preserve(cr);
    k.colour(hex(0x0c0d10));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
  }
  k.strokeRounded({5, mid - 2.5, w - 10, 5}, 0, hex(0xffffff), {}, 0.9);
}

// --- the rest -------------------------------------------------------------------------------

void logo(Canvas& k, const char* productLine) {
  cairo_t* cr = k.cr();
  cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
  cairo_paint(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
  // A slanted accent mark, then the model name and the product line under it.
  cairo_move_to(cr, 6, 32);
  cairo_line_to(cr, 16, 8);
  cairo_line_to(cr, 22, 8);
  cairo_line_to(cr, 12, 32);
  cairo_close_path(cr);
  k.colour(c::accent);
  cairo_fill(cr);
  k.text("VX48K2", {28, 4, 130, 22}, 20, Weight::Bold, c::textHeading);
  k.text(productLine, {29, 25, 130, 11}, 9, Weight::Regular, c::textMuted);
}

void macroMenuBackground(Canvas& k) {
  // The list covers all but the first column and row; the program draws its own yellow
  // lines on the right and bottom edges, so the top and left edges match them.
  k.clear(hex(0x000000));
  k.hLine(0, k.width(), 0, hex(0xffff00));
  k.vLine(0, 0, k.height(), hex(0xffff00));
}

void devicePicture(Canvas& k) {
  cairo_t* cr = k.cr();
  cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
  cairo_paint(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
  drawDevice(k, {0, 0, double(k.width()), double(k.height())});
}

}  // namespace

bool paintFixedPicture(Canvas& k, const std::string& file, const WordTable* words) {
  if (file == "logo.png") return logo(k, words ? words->shown(kLogoProductLine) : kLogoProductLine), true;
  if (file == "ID.png") return devicePicture(k), true;
  if (file == "arrow1.png" || file == "arrow2.png" || file == "arrow3.png") return thumb(k), true;
  if (file == "bar1.png") return hueStrip(k), true;
  if (file == "bar2.png") return hueSlot(k), true;
  if (file == "rgb_sel.png") return hueMarker(k), true;
  if (file == "macro_menu_n.jpg") return macroMenuBackground(k), true;

  const bool assignment = file.rfind("button_menu1_", 0) == 0;
  const MenuStyle& style = assignment ? kAssignmentMenu : kPlainMenu;
  auto endsWith = [&file](const char* tail) {
    const std::string t = tail;
    return file.size() >= t.size() && file.compare(file.size() - t.size(), t.size(), t) == 0;
  };
  if (file.find("menu") == std::string::npos) return false;
  if (endsWith("_normal.png")) return menuPicture(k, MenuState::Normal, style), true;
  if (endsWith("_over.png")) return menuPicture(k, MenuState::Over, style), true;
  if (endsWith("_down.png")) return menuPicture(k, MenuState::Down, style), true;
  return false;
}

std::vector<std::string> writeFixedPictures(const Fonts& fonts, const std::string& folder, const WordTable& words) {
  std::vector<std::string> written;
  for (const ko::FixedPicture& p : ko::fixedSkinPictures()) {
    Canvas canvas(p.width, p.height, fonts);
    if (!paintFixedPicture(canvas, p.file, &words)) throw std::runtime_error(std::string("no drawing for ") + p.file);
    const std::string name = p.file;
    if (name.size() > 4 && name.compare(name.size() - 4, 4, ".jpg") == 0)
      writeJpeg(canvas, folder + name, c::ground);
    else
      writePng(canvas, folder + name);
    written.push_back(name);
  }
  return written;
}

}  // namespace skingen
