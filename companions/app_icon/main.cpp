// app_icon <file.ico> [<preview folder>]: draws the program's icon at every size Windows
// asks for and writes the icon file; with a preview folder also each size as PNG.
#include <cstdio>
#include <exception>
#include <string>
#include <vector>
#include "icon_drawing.h"

int main(int argc, char** argv) {
  if (argc != 2 && argc != 3) {
    std::fprintf(stderr, "usage: %s <file.ico> [<preview folder>]\n", argv[0]);
    return 2;
  }
  try {
    // 16 and 32: small icons and the window's own; 24: the task bar at 150 %; 48: the
    // Explorer's tiles; 256: the large views.
    std::vector<appicon::IconImage> images;
    for (int size : {16, 24, 32, 48, 256}) {
      images.push_back(appicon::drawIcon(size));
      if (argc == 3)
        appicon::writeIconPng(images.back(), (std::string(argv[2]) + "/icon-" + std::to_string(size) + ".png").c_str());
    }
    const std::vector<uint8_t> bytes = appicon::encodeIcon(images);
    FILE* out = std::fopen(argv[1], "wb");
    if (!out || std::fwrite(bytes.data(), 1, bytes.size(), out) != bytes.size() || std::fclose(out) != 0) {
      std::fprintf(stderr, "app_icon: cannot write %s\n", argv[1]);
      return 1;
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "app_icon: %s\n", e.what());
    return 1;
  }
  return 0;
}
