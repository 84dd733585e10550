// The gallery window: every control of the gallery layout built the way the program's
// windows build theirs, each kind set to the states worth looking at, and every message the
// controls send written to the log.
#pragma once
#include <memory>
#include <string>
#include <vector>
#include "message_log.h"
#include "skin/win/bitmap_btn.h"
#include "skin/win/bmp_menu.h"
#include "skin/win/clr_edit.h"
#include "skin/win/list_box_ex.h"
#include "skin/win/png_hslider.h"
#include "skin/win/skin_control.h"
#include "skin/win/skin_image.h"
#include "skin/win/static_trans.h"
#include "skin/win/zarvo_custom_control.h"

namespace ko::gallery {

// A colour area standing in for the colour picker's: hue bands over the skin's well.
class ColourArea : public CZarvoCustomControl {
 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

class GalleryWindow : public SkinControl {
 public:
  GalleryWindow(std::wstring skinFolder, MessageLog& log) : skinFolder_(std::move(skinFolder)), log_(log) {}
  ~GalleryWindow() override;
  bool Create();

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  Text Picture(const char* name) const;
  const SkinImage& Full(int source) const;
  void BuildControls();
  void OnCommand(HWND control);
  void OpenMenu();
  void CloseMenu();
  void Paint();

  std::wstring skinFolder_;
  MessageLog& log_;
  SkinImage main_, over_, down_, disabled_;
  std::vector<std::unique_ptr<CBitmapBtn>> buttons_;  // by control index; null for other kinds
  std::vector<std::unique_ptr<CStaticTrans>> labels_;
  CClrEdit edit_;
  CPngHSliderBar slider_;
  ColourArea colours_;
  CZarvoMacroDisplay keys_;
  CListBoxEx list_;
  std::unique_ptr<CBmpMenu> menu_;
};

}  // namespace ko::gallery
