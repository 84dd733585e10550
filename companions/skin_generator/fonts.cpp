#include "fonts.h"
#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H
#include <stdexcept>
#include <sys/stat.h>

namespace skingen {

namespace {

// The program's face first (Wine ships a metric match), then a common sans as fallback.
const char* const kRegular[] = {"/usr/share/wine/fonts/tahoma.ttf",
                                "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", nullptr};
const char* const kBold[] = {"/usr/share/wine/fonts/tahomabd.ttf",
                             "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf", nullptr};

const char* const kChinese[] = {"/usr/share/fonts/truetype/wqy/wqy-microhei.ttc", nullptr};

bool exists(const char* path) {
  struct stat st;
  return stat(path, &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace

Fonts::Fonts(Script script) {
  FT_Library lib = nullptr;
  if (FT_Init_FreeType(&lib) != 0) throw std::runtime_error("FreeType cannot start");
  library_ = lib;
  // The regular cut keeps the font's hand-tuned small-size bitmaps: captions in pictures then
  // match the captions the program draws at run time. The bold cut's bitmaps are no bolder
  // than the regular ones, so headings use its outlines.
  if (script == Script::Chinese) {
    regular_ = load(kChinese, regularFile_, FT_LOAD_DEFAULT, false);
    bold_ = load(kChinese, boldFile_, FT_LOAD_NO_BITMAP, true);
    return;
  }
  regular_ = load(kRegular, regularFile_, FT_LOAD_DEFAULT, false);
  bold_ = load(kBold, boldFile_, FT_LOAD_NO_BITMAP, false);
}

double Fonts::emForCellHeight(double cellHeight) const {
  const FT_Face face = static_cast<FT_Face>(faces_[0]);
  const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  const double cell = os2 && os2->usWinAscent + os2->usWinDescent > 0
                          ? double(os2->usWinAscent) + os2->usWinDescent
                          : double(face->ascender) - face->descender;
  return cellHeight * face->units_per_EM / cell;
}

Fonts::~Fonts() {
  // Cairo keeps font faces in its caches beyond our last reference; each FreeType face is
  // released by cairo itself when its font face really goes (see load), and the library
  // stays for the rest of the process.
  if (regular_) cairo_font_face_destroy(regular_);
  if (bold_) cairo_font_face_destroy(bold_);
}

cairo_font_face_t* Fonts::load(const char* const* candidates, std::string& chosen, int loadFlags,
                                 bool synthesizeBold) {
  for (const char* const* p = candidates; *p; ++p) {
    if (!exists(*p)) continue;
    FT_Face face = nullptr;
    if (FT_New_Face(static_cast<FT_Library>(library_), *p, 0, &face) != 0) continue;
    faces_[faceCount_++] = face;
    chosen = *p;
    cairo_font_face_t* cairoFace = cairo_ft_font_face_create_for_ft_face(face, loadFlags);
    static cairo_user_data_key_t key;
    cairo_font_face_set_user_data(cairoFace, &key, face,
                                  [](void* f) { FT_Done_Face(static_cast<FT_Face>(f)); });
    if (synthesizeBold) cairo_ft_font_face_set_synthesize(cairoFace, CAIRO_FT_SYNTHESIZE_BOLD);
    return cairoFace;
  }
  throw std::runtime_error(std::string("no usable font, tried ") + candidates[0]);
}

}  // namespace skingen
