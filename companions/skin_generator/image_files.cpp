#include "image_files.h"
#include <cstdio>
#include <jpeglib.h>
#include <stdexcept>
#include <vector>

namespace skingen {

void writePng(const Canvas& canvas, const std::string& path) {
  cairo_surface_flush(canvas.surface());
  if (cairo_surface_write_to_png(canvas.surface(), path.c_str()) != CAIRO_STATUS_SUCCESS)
    throw std::runtime_error("cannot write " + path);
}

void writeJpeg(const Canvas& canvas, const std::string& path, Rgb ground, int quality) {
  cairo_surface_t* s = canvas.surface();
  cairo_surface_flush(s);
  const int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
  const int stride = cairo_image_surface_get_stride(s);
  const unsigned char* data = cairo_image_surface_get_data(s);

  FILE* out = std::fopen(path.c_str(), "wb");
  if (!out) throw std::runtime_error("cannot write " + path);
  jpeg_compress_struct info;
  jpeg_error_mgr errors;
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  jpeg_stdio_dest(&info, out);
  info.image_width = static_cast<JDIMENSION>(w);
  info.image_height = static_cast<JDIMENSION>(h);
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  // Full-resolution colour: the background carries 1-pixel coloured lines.
  info.comp_info[0].h_samp_factor = info.comp_info[0].v_samp_factor = 1;
  jpeg_start_compress(&info, TRUE);

  std::vector<unsigned char> row(static_cast<size_t>(w) * 3);
  const unsigned gr = unsigned(ground.r * 255 + 0.5), gg = unsigned(ground.g * 255 + 0.5), gb = unsigned(ground.b * 255 + 0.5);
  for (int y = 0; y < h; ++y) {
    // Cairo keeps premultiplied native-endian ARGB words.
    const uint32_t* px = reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * stride);
    for (int x = 0; x < w; ++x) {
      const uint32_t p = px[x];
      const unsigned a = p >> 24, inv = 255 - a;
      row[x * 3 + 0] = static_cast<unsigned char>(((p >> 16) & 0xFF) + (gr * inv + 127) / 255);
      row[x * 3 + 1] = static_cast<unsigned char>(((p >> 8) & 0xFF) + (gg * inv + 127) / 255);
      row[x * 3 + 2] = static_cast<unsigned char>((p & 0xFF) + (gb * inv + 127) / 255);
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  if (std::fclose(out) != 0) throw std::runtime_error("cannot write " + path);
}

}  // namespace skingen
