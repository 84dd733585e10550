// The type of the skin: the interface face (a metric match of the program's face) in its
// regular and bold cuts, loaded straight from the font files through FreeType so the
// pictures do not depend on the machine's font configuration.
#pragma once
#include <cairo.h>
#include <string>

namespace skingen {

class Fonts {
 public:
  Fonts();
  ~Fonts();
  Fonts(const Fonts&) = delete;
  Fonts& operator=(const Fonts&) = delete;

  cairo_font_face_t* regular() const { return regular_; }
  cairo_font_face_t* bold() const { return bold_; }
  // The file the regular cut came from, for the generator's report.
  const std::string& regularFile() const { return regularFile_; }

 private:
  cairo_font_face_t* load(const char* const* candidates, std::string& chosen, int loadFlags);
  void* library_ = nullptr;  // FT_Library
  void* faces_[2] = {nullptr, nullptr};
  int faceCount_ = 0;
  cairo_font_face_t* regular_ = nullptr;
  cairo_font_face_t* bold_ = nullptr;
  std::string regularFile_, boldFile_;
};

}  // namespace skingen
