#include "preview.h"
#include "canvas.h"
#include "image_files.h"
#include "skin/gallery_layout.h"
#include "window_pictures.h"

namespace skingen {

using ko::Picture;

namespace {

Picture sourceOf(const ko::ControlSpec& c, Face f) {
  switch (f) {
    case Face::Normal: return c.sources.normal;
    case Face::Over: return c.sources.over;
    case Face::Down: return c.sources.down;
    case Face::Disabled: return c.sources.disabled;
  }
  return Picture::Main;
}

// The controls' fixed caption colours.
Rgb captionColour(Face f) {
  switch (f) {
    case Face::Normal: return hex(0xffffff);
    case Face::Over: return hex(0xc8c800);
    case Face::Down: return hex(0xffff00);
    case Face::Disabled: return hex(0x646464);
  }
  return hex(0xffffff);
}

}  // namespace

void writePreview(const ko::WindowLayout& w, const PreviewStates& states, const Fonts& fonts, const std::string& path) {
  Canvas out(w.width, w.height, fonts);
  Canvas full[4] = {{w.width, w.height, fonts}, {w.width, w.height, fonts}, {w.width, w.height, fonts},
                    {w.width, w.height, fonts}};
  const Picture pictures[4] = {Picture::Main, Picture::Over, Picture::Down, Picture::Disabled};
  for (int i = 0; i < 4; ++i) paintWindowPicture(full[i], w, pictures[i]);
  cairo_set_source_surface(out.cr(), full[0].surface(), 0, 0);
  cairo_paint(out.cr());

  for (size_t i = 0; i < w.controls.size(); ++i) {
    const ko::ControlSpec& c = w.controls[i];
    if (c.rect.empty()) continue;
    auto found = states.find(i);
    const Face face = found == states.end() ? Face::Normal : found->second;
    const Picture source = sourceOf(c, face);
    if (source != Picture::None && source != Picture::Main) {
      cairo_save(out.cr());
      cairo_rectangle(out.cr(), c.rect.left, c.rect.top, c.rect.width(), c.rect.height());
      cairo_clip(out.cr());
      cairo_set_source_surface(out.cr(), full[static_cast<int>(source)].surface(), 0, 0);
      cairo_paint(out.cr());
      cairo_restore(out.cr());
    }
    if (c.kind == ko::ControlKind::Slider && c.sources.down != Picture::None) {
      // The filled part up to a thumb at 40 %, as the track paints it.
      cairo_save(out.cr());
      cairo_rectangle(out.cr(), c.rect.left, c.rect.top, c.rect.width() * 0.4, c.rect.height());
      cairo_clip(out.cr());
      cairo_set_source_surface(out.cr(), full[static_cast<int>(c.sources.down)].surface(), 0, 0);
      cairo_paint(out.cr());
      cairo_restore(out.cr());
    }
    if (c.captionNumber == 0 || !*c.caption) continue;
    Box box{double(c.rect.left), double(c.rect.top), double(c.rect.width()), double(c.rect.height())};
    Align align = c.align == ko::TextAlign::Left ? Align::Left : c.align == ko::TextAlign::Right ? Align::Right : Align::Centre;
    if (c.look == ko::ControlLook::Switch) box.x += 22, box.w -= 22, align = Align::Left;
    if (c.look == ko::ControlLook::Field) box.w -= 20;
    out.text(c.caption, box, c.kind == ko::ControlKind::Label ? 15 : 13, Weight::Regular,
             c.kind == ko::ControlKind::Label ? hex(0xffffff) : captionColour(face), align);
  }
  writePng(out, path);
}

void writeGalleryPreview(const Fonts& fonts, const std::string& path) {
  namespace g = ko::gallery;
  writePreview(ko::galleryLayout(),
               {{g::kPushFirst + 1, Face::Over}, {g::kToggleChecked, Face::Down}, {g::kToggleLocked, Face::Disabled},
                {g::kTabFirst, Face::Down}, {g::kTileFirst + 1, Face::Down}, {g::kSegmentFirst + 1, Face::Down},
                {g::kSwitch, Face::Down}, {g::kCheckBox, Face::Down}, {g::kClose, Face::Over}},
               fonts, path);
}

}  // namespace skingen
