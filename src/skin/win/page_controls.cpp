#include "skin/win/page_controls.h"

#include <oleacc.h>

#include <cstring>

#include "platform/ini_transaction.h"
#include "platform/profile_file.h"
#include "skin/focus_order.h"
#include "skin/skin_files.h"

namespace ko {

namespace {

RECT ToRect(const PixelRect& r) { return {r.left, r.top, r.right, r.bottom}; }

bool HasGlyph(const ControlSpec& c, const char* glyph) { return std::strcmp(c.glyph, glyph) == 0; }

// What a button is to assistive technology, from what it looks like: switches and check
// marks are check boxes, radio marks, stage tiles and rate segments pick one of a set,
// fields open a menu. (A two-state push button reads as a radio button by itself.)
long AccessibleRoleOf(const ControlSpec& c) {
  if (HasGlyph(c, "radio")) return ROLE_SYSTEM_RADIOBUTTON;
  if (HasGlyph(c, "check") || c.look == ControlLook::Switch) return ROLE_SYSTEM_CHECKBUTTON;
  switch (c.look) {
    case ControlLook::Tile:
    case ControlLook::Segment: return ROLE_SYSTEM_RADIOBUTTON;
    case ControlLook::Field: return ROLE_SYSTEM_BUTTONMENU;
    case ControlLook::LinkText: return ROLE_SYSTEM_LINK;
    case ControlLook::Text:
    case ControlLook::Well: return ROLE_SYSTEM_STATICTEXT;
    default: return ROLE_SYSTEM_PUSHBUTTON;
  }
}

}  // namespace

namespace {

// Each page reads only the picture keys its table names.
SkinScreen ReadScreen(const ProfileFile& file, const WindowLayout& layout) {
  return ReadSkinScreen(file, ScreenKeys{true, *layout.overPicture != 0, *layout.downPicture != 0,
                                         *layout.disabledPicture != 0});
}

}  // namespace

Text PageControls::BackgroundPath(const WindowLayout& layout, const Text& skinFolder) {
  const Text layoutPath = skinFolder + u16(layout.layoutFile);
  IniTransaction layoutReads(layoutPath);
  const Text name = ReadScreen(ProfileFile(layoutPath, layoutReads), layout).main;
  return name.empty() ? Text() : skinFolder + name;
}

void PageControls::Build(HWND parent, const WindowLayout& layout, const Text& skinFolder, StatePictures when,
                         PictureInAdvance* inAdvance) {
  layout_ = &layout;
  skinFolder_ = skinFolder;
  // The picture names and every caption come from one reading of the layout file, with the
  // profile functions' own rules, instead of one reading of it for each key.
  const Text layoutPath = skinFolder + u16(layout.layoutFile);
  IniTransaction layoutReads(layoutPath);
  const ProfileFile file(layoutPath, layoutReads);
  screen_ = ReadScreen(file, layout);
  picturesWhenShown_ = when == StatePictures::WhenShown;
  statesPending_ = true;

  const size_t count = layout.controls.size();
  captions_.assign(count, Text());
  buttons_.resize(count);
  labels_.resize(count);
  edits_.resize(count);
  sliders_.resize(count);
  lists_.resize(count);
  ownWindows_.assign(count, nullptr);
  shown_.assign(count, true);
  for (size_t i = 0; i < count; ++i)
    if (layout.controls[i].captionNumber) captions_[i] = ReadButtonCaption(file, layout.controls[i].captionNumber);
  // Every control is made hidden; ShowPage shows the page's controls.
  const CreateHiddenOn hidden(parent);
  for (size_t i = 0; i < count; ++i) {
    const ControlSpec& entry = layout.controls[i];
    const RECT rect = ToRect(entry.rect);
    const PixelRect& r = entry.rect;
    switch (entry.kind) {
      case ControlKind::Button: {
        auto button = std::make_unique<CBitmapBtn>();
        button->Create(parent, rect, 0);
        button->SetAccessibleRole(AccessibleRoleOf(entry));
        // Check boxes and radio marks sit at the left of their face and the text follows
        // them, wrapped when the face has room for two lines; other left-aligned captions
        // start at the face's left edge.
        const bool marked = HasGlyph(entry, "check") || HasGlyph(entry, "radio");
        const int offset = entry.align != TextAlign::Left ? 0 : marked ? 22 : 2;
        button->SetCaption(captions_[i], offset, 1);
        if (marked && entry.align == TextAlign::Left && r.height() >= 28)
          button->SetTextRectLeftWrapped({22, 0, r.width() - 22, r.height()});
        buttons_[i] = std::move(button);
        break;
      }
      case ControlKind::Label: {
        auto label = std::make_unique<CStaticTrans>();
        label->Create(parent, rect, captions_[i]);
        LONG_PTR style = GetWindowLongPtrW(label->hwnd(), GWL_STYLE);
        if (entry.align == TextAlign::Centre) style |= SS_CENTER;
        if (entry.align == TextAlign::Right) style |= SS_RIGHT;
        SetWindowLongPtrW(label->hwnd(), GWL_STYLE, style);
        labels_[i] = std::move(label);
        break;
      }
      case ControlKind::Edit: {
        auto edit = std::make_unique<CClrEdit>();
        edit->Create(parent, rect, entry.id,
                     ES_AUTOHSCROLL | (entry.digitsOnly ? ES_NUMBER : 0) | (entry.centredText ? ES_CENTER : 0));
        if (entry.maxChars > 0) SendMessageW(edit->hwnd(), EM_LIMITTEXT, entry.maxChars, 0);
        edits_[i] = std::move(edit);
        break;
      }
      case ControlKind::Slider: {
        auto slider = std::make_unique<CPngHSliderBar>();
        slider->SetRange(entry.rangeMin, entry.rangeMax);
        slider->Create(skinFolder + u16(entry.thumb), u"", rect, parent, entry.id);
        sliders_[i] = std::move(slider);
        break;
      }
      case ControlKind::List: {
        auto list = std::make_unique<CListBoxEx>();
        list->Create(parent, rect, entry.id);
        lists_[i] = std::move(list);
        break;
      }
      case ControlKind::Custom:
      case ControlKind::MacroDisplay:
        break;  // made by the page with AddOwnWindow
    }
    // A control without a place shows nowhere.
    if (entry.rect.empty()) shown_[i] = false;
  }
  NameFromLabels();
  if (picturesWhenShown_) return;
  const Text backgroundPath = screen_.main.empty() ? Text() : skinFolder_ + screen_.main;
  main_ = inAdvance && inAdvance->path() == backgroundPath ? inAdvance->take() : loadPicture(screen_.main);
  if (when == StatePictures::Now) {
    CompleteStatePictures();
    return;
  }
  // The faces come with the state pictures; until then a face cut from the background is
  // all the first frame needs.
  GiveFaces([this](Picture which) -> const SkinImage& { return backgroundOr(which); }, false);
}

void PageControls::NameFromLabels() {
  const int count = static_cast<int>(layout_->controls.size());
  for (int i = 0; i < count; ++i) {
    const ControlSpec& entry = layout_->controls[i];
    if (buttons_[i] && entry.look == ControlLook::Field && entry.captionNumber == 0) {
      // A drop-down field shows a value; its label says what the value is.
      const int label = labelFor(*layout_, i);
      if (label >= 0) buttons_[i]->SetAccessibleTitle(captions_[label]);
      continue;
    }
    SkinControl* control = sliders_[i] ? static_cast<SkinControl*>(sliders_[i].get())
                           : edits_[i] ? static_cast<SkinControl*>(edits_[i].get())
                           : static_cast<SkinControl*>(lists_[i].get());
    if (!control) continue;
    const int label = labelFor(*layout_, i);
    if (label >= 0) control->SetAccessibleName(captions_[label]);
  }
}

SkinImage PageControls::loadPicture(const Text& name) const {
  return name.empty() ? SkinImage() : SkinImage::Load(skinFolder_ + name);
}

SkinImage PageControls::pictureToCut(const Text& name) const {
  return name.empty() ? SkinImage() : SkinImage::LoadForCutting(skinFolder_ + name);
}

const SkinImage& PageControls::backgroundOr(Picture which) const {
  static const SkinImage none;
  return which == Picture::Main ? main_ : none;
}

void PageControls::CompleteStatePictures() {
  if (!statesPending_ || !layout_) return;
  statesPending_ = false;
  // The other full pictures serve only the cutting of state pictures: read here, freed
  // when this returns, and never copied whole. Only the background stays.
  // A page that is not showing holds no background; the cutting needs one.
  const SkinImage reloaded = main_.empty() ? pictureToCut(screen_.main) : SkinImage();
  const SkinImage& main = main_.empty() ? reloaded : main_;
  const SkinImage over = pictureToCut(screen_.over);
  const SkinImage down = pictureToCut(screen_.down);
  const SkinImage disabled = pictureToCut(screen_.disabled);
  auto picture = [&](Picture which) -> const SkinImage& {
    switch (which) {
      case Picture::Over: return over;
      case Picture::Down: return down;
      case Picture::Disabled: return disabled;
      default: return main;
    }
  };
  GiveFaces(picture, true);
}

void PageControls::GiveFaces(const std::function<const SkinImage&(Picture)>& picture, bool states) {
  static const SkinImage none;
  const auto state = [&](Picture which) -> const SkinImage& { return states ? picture(which) : none; };
  const size_t count = layout_->controls.size();
  for (size_t i = 0; i < count; ++i) {
    const ControlSpec& entry = layout_->controls[i];
    const PixelRect& r = entry.rect;
    if (CBitmapBtn* button = buttons_[i].get()) {
      if (entry.look != ControlLook::None || entry.captionNumber)
        button->SetImages(r.left, r.top, r.width(), r.height(), picture(entry.sources.normal),
                          state(entry.sources.over), state(entry.sources.down), state(entry.sources.disabled));
    } else if (CPngHSliderBar* slider = sliders_[i].get()) {
      const bool filled = states && entry.sources.down != Picture::None;
      slider->SetTrackImages(r.left, r.top, r.width(), r.height(), picture(entry.sources.normal),
                             filled ? &picture(entry.sources.down) : nullptr);
    }
  }
}

HWND PageControls::handle(int index) const {
  if (index < 0 || index >= static_cast<int>(shown_.size())) return nullptr;
  if (buttons_[index]) return buttons_[index]->hwnd();
  if (labels_[index]) return labels_[index]->hwnd();
  if (edits_[index]) return edits_[index]->hwnd();
  if (sliders_[index]) return sliders_[index]->hwnd();
  if (lists_[index]) return lists_[index]->hwnd();
  return ownWindows_[index];
}

int PageControls::indexOf(HWND control) const {
  if (!control) return -1;
  for (int i = 0; i < static_cast<int>(shown_.size()); ++i)
    if (handle(i) == control) return i;
  return -1;
}

void PageControls::Apply(int index) {
  HWND window = handle(index);
  if (window) ShowWindow(window, pageVisible_ && shown_[index] ? SW_SHOWNA : SW_HIDE);
}

void PageControls::ShowPage(bool visible) {
  pageVisible_ = visible;
  // The background is drawn only while its page shows: decoded when the page shows again,
  // freed when it stops.
  if (visible && main_.empty() && layout_) main_ = loadPicture(screen_.main);
  if (visible && picturesWhenShown_) {
    picturesWhenShown_ = false;
    CompleteStatePictures();
  }
  if (!visible) main_ = SkinImage();
  for (int i = 0; i < static_cast<int>(shown_.size()); ++i) Apply(i);
}

void PageControls::SetShown(int index, bool shown) {
  if (index < 0 || index >= static_cast<int>(shown_.size())) return;
  shown_[index] = shown;
  Apply(index);
}

void PageControls::AddOwnWindow(int index, HWND window) {
  if (index < 0 || index >= static_cast<int>(shown_.size())) return;
  ownWindows_[index] = window;
  Apply(index);
}

}  // namespace ko
