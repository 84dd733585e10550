// CPngHSliderBar and CPngHSlider: the skinned horizontal slider, a track window with a
// draggable thumb child. Values go to the parent as 0x446 (value, slider id) on a click
// on the track, at the end of a drag and for each slider key (arrows one step, Page Up and
// Page Down a larger one, Home and End to the ends) while the thumb has the focus.
#pragma once
#include "platform/wide_text.h"
#include "skin/slider_geometry.h"
#include "skin/win/skin_control.h"
#include "skin/win/skin_image.h"

namespace ko {

inline constexpr UINT kSliderValueMessage = 0x446;

class CPngHSliderBar;

class CPngHSlider : public SkinControl {
 public:
  bool Create(CPngHSliderBar& track, TextView picturePath, TextView disabledPicturePath, int id);
  void SetRange(SliderRange range) { range_ = range; }
  void SetEnabledLook(bool enabled);
  // Moves the thumb to the value's place; returns the thumb's left edge.
  int MoveToValue(int value);
  int value() const { return value_; }
  int width() const { return picture_.width(); }
  int height() const { return picture_.height(); }
  void SetDraggable(bool draggable) { draggable_ = draggable; }
  // A slider with its value, named by its track (the page names the track).
  bool Describe(AccessibleFacts& facts) const override;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  int TrackWidth() const;
  void Paint();
  void EndDrag();
  // A slider key moves the thumb as a drag to that value would and reports the value.
  bool OnKey(WPARAM virtualKey);
  void RepaintTrack();

  CPngHSliderBar* track_ = nullptr;
  SkinImage picture_, disabledPicture_;
  SliderRange range_;
  int value_ = 0;
  int id_ = 0;
  bool enabled_ = true;
  bool draggable_ = true;
  bool dragging_ = false;
  POINT dragStart_{};
  int dragStartLeft_ = 0;
};

class CPngHSliderBar : public SkinControl {
 public:
  bool Create(TextView thumbPicturePath, TextView disabledThumbPicturePath, const RECT& rect, HWND parent, int id);
  void SetTrackImages(int x, int y, int width, int height, const SkinImage& empty, const SkinImage* filled = nullptr);
  void SetRange(int minimum, int maximum);
  void SetPos(int value);
  int GetPos() const { return thumb_.value(); }
  int id() const { return id_; }
  // The thumb's left edge, up to which the filled picture shows.
  void SetFillPosition(int left);
  CPngHSlider& thumb() { return thumb_; }
  // The slider as its thumb tells it; the thumb alone takes the focus.
  bool Describe(AccessibleFacts& facts) const override;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint();
  void OnClick(LPARAM position);

  CPngHSlider thumb_;
  SkinImage emptyTrack_, filledTrack_;
  SliderRange range_;
  int id_ = 0;
  int fillPosition_ = 0;
};

}  // namespace ko
