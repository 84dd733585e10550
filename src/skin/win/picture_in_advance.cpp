#include "skin/win/picture_in_advance.h"

namespace ko {
namespace {

// The decoder needs little stack; the thread's own costs memory the first frame does not
// otherwise spend.
constexpr SIZE_T kDecoderStack = 256 * 1024;

}  // namespace

PictureInAdvance::PictureInAdvance(Text path) : path_(std::move(path)) {
  if (path_.empty()) return;
  thread_ = CreateThread(nullptr, kDecoderStack, &PictureInAdvance::Decode, this, STACK_SIZE_PARAM_IS_A_RESERVATION,
                         nullptr);
}

PictureInAdvance::~PictureInAdvance() { wait(); }

DWORD WINAPI PictureInAdvance::Decode(void* self) {
  auto* advance = static_cast<PictureInAdvance*>(self);
  advance->picture_ = SkinImage::Load(advance->path_);
  return 0;
}

void PictureInAdvance::wait() {
  if (!thread_) return;
  WaitForSingleObject(thread_, INFINITE);
  CloseHandle(thread_);
  thread_ = nullptr;
}

SkinImage PictureInAdvance::take() {
  if (taken_) return SkinImage();
  taken_ = true;
  if (thread_) {
    wait();
    return std::move(picture_);
  }
  return SkinImage::Load(path_);
}

}  // namespace ko
