// The controls of one skinned window (a main-window page or a dialog), built from its
// window table and its layout file: the buttons, labels, edits, sliders and list at their
// rectangles with their captions and state pictures. Colour areas and key displays are
// made by their windows.
#pragma once
#include <windows.h>
#include <functional>
#include <memory>
#include <vector>
#include "skin/win/bitmap_btn.h"
#include "skin/win/clr_edit.h"
#include "skin/win/list_box_ex.h"
#include "skin/win/picture_in_advance.h"
#include "skin/win/png_hslider.h"
#include "skin/win/skin_image.h"
#include "skin/win/static_trans.h"
#include "skin/skin_files.h"
#include "skin/window_layout.h"

namespace ko {

class PageControls {
 public:
  PageControls() = default;
  PageControls(const PageControls&) = delete;
  PageControls& operator=(const PageControls&) = delete;

  enum class StatePictures { Now, Later, WhenShown };
  // Reads the layout file from the skin folder, loads the pictures it names and creates
  // every control of the table, hidden. With `Later` only the background is decoded and
  // the controls show the faces cut from it until CompleteStatePictures: the first frame
  // of the program needs no more. With `WhenShown` no picture is decoded at all until the
  // page is first shown, which then gives every control its faces before it paints: a
  // page can be built in an idle moment at the cost of its windows only.
  // A background already being decoded (`inAdvance`, for this layout's picture) is taken
  // from there once the controls are made.
  void Build(HWND parent, const WindowLayout& layout, const Text& skinFolder,
             StatePictures when = StatePictures::Now, PictureInAdvance* inAdvance = nullptr);
  // The file of the layout's background picture, as Build would load it.
  static Text BackgroundPath(const WindowLayout& layout, const Text& skinFolder);
  // Decodes the window's other pictures, gives every control all its state pictures and
  // frees those pictures again. Once; nothing after that.
  void CompleteStatePictures();

  const WindowLayout& layout() const { return *layout_; }
  // The window's background (its Main picture): the one full picture kept once built, and
  // only while the page shows.
  const SkinImage& background() const { return main_; }
  // Caption `number` of the page's layout file ("BUTTONPOS").
  const Text& caption(int index) const { return captions_[index]; }

  CBitmapBtn* button(int index) const { return buttons_[index].get(); }
  CStaticTrans* label(int index) const { return labels_[index].get(); }
  CClrEdit* edit(int index) const { return edits_[index].get(); }
  CPngHSliderBar* slider(int index) const { return sliders_[index].get(); }
  CListBoxEx* list(int index) const { return lists_[index].get(); }
  HWND handle(int index) const;
  // The table position of the control with this window, -1 for none of this page's.
  int indexOf(HWND control) const;

  // Shows or hides the whole page; controls set apart with SetShown stay hidden. A hidden
  // page holds no background picture.
  void ShowPage(bool visible);
  // Whether one control shows while its page does (all do unless told otherwise).
  void SetShown(int index, bool shown);
  // Also shows a window the page made itself (the colour picker, the key display).
  void AddOwnWindow(int index, HWND window);

 private:
  void Apply(int index);
  // Edits, sliders and lists take the caption of the label beside or above them as their
  // name for assistive technology; a page may name them otherwise afterwards.
  void NameFromLabels();
  // Gives every button and slider its faces, cut from the full picture `picture` names;
  // without `states` only the normal face (the first frame's): no hover, pressed, disabled
  // or filled face.
  void GiveFaces(const std::function<const SkinImage&(Picture)>& picture, bool states);
  SkinImage loadPicture(const Text& name) const;
  SkinImage pictureToCut(const Text& name) const;
  // The background for `which` == Main, an empty picture otherwise.
  const SkinImage& backgroundOr(Picture which) const;

  const WindowLayout* layout_ = nullptr;
  Text skinFolder_;
  SkinScreen screen_;  // the picture names of the layout file
  SkinImage main_;
  bool statesPending_ = false;
  bool picturesWhenShown_ = false;
  std::vector<Text> captions_;
  std::vector<std::unique_ptr<CBitmapBtn>> buttons_;
  std::vector<std::unique_ptr<CStaticTrans>> labels_;
  std::vector<std::unique_ptr<CClrEdit>> edits_;
  std::vector<std::unique_ptr<CPngHSliderBar>> sliders_;
  std::vector<std::unique_ptr<CListBoxEx>> lists_;
  std::vector<HWND> ownWindows_;
  std::vector<bool> shown_;
  bool pageVisible_ = false;
};

}  // namespace ko
