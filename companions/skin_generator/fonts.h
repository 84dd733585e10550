// The type of the skin: the interface face (a metric match of the program's face) in its
// regular and bold cuts, loaded straight from the font files through FreeType so the
// pictures do not depend on the machine's font configuration. A Chinese skin uses the CJK
// face the Chinese language file's font is replaced by under Wine (it has no bold cut, so
// headings embolden its outlines).
#pragma once
#include <cairo.h>
#include <string>

namespace skingen {

enum class Script { Latin, Chinese };

// The program's controls and menus ask for their font by a cell height of 15 pixels.
inline constexpr double kControlCellHeight = 15;

class Fonts {
 public:
  explicit Fonts(Script script = Script::Latin);
  ~Fonts();
  Fonts(const Fonts&) = delete;
  Fonts& operator=(const Fonts&) = delete;

  cairo_font_face_t* regular() const { return regular_; }
  cairo_font_face_t* bold() const { return bold_; }
  // The file the regular cut came from, for the generator's report.
  const std::string& regularFile() const { return regularFile_; }
  // The em size of the regular cut when a font is asked for by its cell height, as the
  // program's controls ask for theirs (a positive height to CreateFontW: ascent plus
  // descent of the face's Windows metrics).
  double emForCellHeight(double cellHeight) const;

 private:
  cairo_font_face_t* load(const char* const* candidates, std::string& chosen, int loadFlags, bool synthesizeBold);
  void* library_ = nullptr;  // FT_Library
  void* faces_[2] = {nullptr, nullptr};
  int faceCount_ = 0;
  cairo_font_face_t* regular_ = nullptr;
  cairo_font_face_t* bold_ = nullptr;
  std::string regularFile_, boldFile_;
};

}  // namespace skingen
