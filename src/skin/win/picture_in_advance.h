// A picture decoded on another thread while the caller does other work: the start page's
// background takes longer to decode than making the page's controls, and the first frame
// needs both.
#pragma once
#include <windows.h>
#include "platform/wide_text.h"
#include "skin/win/skin_image.h"

namespace ko {

class PictureInAdvance {
 public:
  // Starts decoding `path` (nothing for an empty path, or when no thread can be made: the
  // picture is then decoded by take()).
  explicit PictureInAdvance(Text path);
  // Waits for a decoding nobody took.
  ~PictureInAdvance();
  PictureInAdvance(const PictureInAdvance&) = delete;
  PictureInAdvance& operator=(const PictureInAdvance&) = delete;

  const Text& path() const { return path_; }
  // The decoded picture (empty when it could not be decoded); once.
  SkinImage take();

 private:
  static DWORD WINAPI Decode(void* self);
  void wait();

  Text path_;
  SkinImage picture_;
  HANDLE thread_ = nullptr;
  bool taken_ = false;
};

}  // namespace ko
