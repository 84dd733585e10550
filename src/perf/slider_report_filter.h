// A slider reports its position over and over while it is dragged; the main window acts
// on a report only when it differs from the one before (from any slider).
#pragma once

namespace ko {

class SliderReportFilter {
 public:
  // True when (position, sliderId) repeats the previous report; remembers it either way.
  bool isRepeat(int position, int sliderId) {
    const bool repeat = position == lastPosition_ && sliderId == lastId_;
    lastPosition_ = position;
    lastId_ = sliderId;
    return repeat;
  }

 private:
  int lastPosition_ = 0;
  int lastId_ = 0;
};

}  // namespace ko
