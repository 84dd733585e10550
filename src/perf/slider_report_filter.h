// A slider reports its position over and over while it is dragged; the main window acts
// on a report only when it differs from the one before (from any slider). Anything else
// that reaches the window in between (a click, a page switch, a message of the service)
// ends that run of reports: the same level set on another stage, or set again after the
// service changed the stage's record, is a new report and must not be dropped.
#pragma once

namespace ko {

class SliderReportFilter {
 public:
  // True when (position, sliderId) repeats the previous report; remembers it either way.
  bool isRepeat(int position, int sliderId) {
    const bool repeat = hasLast_ && position == lastPosition_ && sliderId == lastId_;
    hasLast_ = true;
    lastPosition_ = position;
    lastId_ = sliderId;
    return repeat;
  }
  // The next report is new whatever it holds.
  void forget() { hasLast_ = false; }

 private:
  bool hasLast_ = true;  // a first report of (0, 0) counts as a repeat, as it always has
  int lastPosition_ = 0;
  int lastId_ = 0;
};

}  // namespace ko
