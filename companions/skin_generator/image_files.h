// Writing finished pictures: PNG through cairo, JPEG (for the one background the program
// decodes with the platform's picture loader) through libjpeg.
#pragma once
#include <string>
#include "canvas.h"

namespace skingen {

// Throws std::runtime_error when the file cannot be written.
void writePng(const Canvas& canvas, const std::string& path);
// JPEG has no alpha: the picture is flattened onto `ground` first.
void writeJpeg(const Canvas& canvas, const std::string& path, Rgb ground, int quality = 92);

}  // namespace skingen
