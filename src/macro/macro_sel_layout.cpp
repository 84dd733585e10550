#include "macro/macro_sel_layout.h"

#include "skin/control_entries.h"

namespace ko {
namespace {

constexpr StateSources kHover{Picture::Main, Picture::Over, Picture::Down, Picture::Main};
// A run-mode button shows its pressed look (Down) while its mode is the chosen one.
constexpr StateSources kModeButton{Picture::Main, Picture::Over, Picture::Down, Picture::Main};

ControlSpec button(PixelRect r, int caption, const char* text, ControlLook look, const char* glyph = "",
                   StateSources sources = kHover) {
  return ButtonEntry(r, caption, text, look, sources, TextAlign::Centre, glyph);
}

ControlSpec label(PixelRect r, int caption, const char* text) { return LabelEntry(r, caption, text); }

WindowLayout makeMacroSel() {
  WindowLayout w{"dialog-macrosel", "skin_macrosel.ini", 400, 290, "macrosel_main.png", "macrosel_over.png",
                 "macrosel_down.png", "", "Macro", {}, WindowFrame::Dialog, {}};
  auto& c = w.controls;
  c.push_back(button({166, 253, 269, 273}, 1, "OK", ControlLook::PushButton));
  c.push_back(button({271, 253, 374, 273}, 2, "Cancel", ControlLook::PushButton));
  c.push_back(button({363, 11, 387, 35}, 0, "", ControlLook::WindowButton, "close"));
  c.push_back(button({34, 127, 145, 144}, 0, "", ControlLook::Field, "arrow-down"));
  c.push_back(button({212, 90, 233, 109}, 0, "", ControlLook::Switch, "check", kModeButton));
  c.push_back(button({212, 162, 233, 181}, 0, "", ControlLook::Switch, "check", kModeButton));
  c.push_back(button({212, 221, 233, 240}, 0, "", ControlLook::Switch, "check", kModeButton));
  c.push_back(label({34, 100, 145, 117}, 3, "Macro"));
  c.push_back(label({241, 86, 385, 101}, 4, "Play the loop count"));
  c.push_back(label({241, 104, 385, 119}, 5, "for each press"));
  c.push_back(label({241, 157, 385, 172}, 6, "Repeat while"));
  c.push_back(label({241, 173, 385, 188}, 8, "the button is held"));
  c.push_back(label({241, 215, 385, 230}, 7, "Press to start,"));
  c.push_back(label({241, 231, 385, 246}, 9, "press again to stop"));
  w.decorations = {
      {DecorationKind::Panel, {24, 80, 196, 160}, ""},
      {DecorationKind::Panel, {204, 80, 392, 250}, ""},
      {DecorationKind::Divider, {212, 146, 385, 147}, ""},
      {DecorationKind::Divider, {212, 205, 385, 206}, ""},
  };
  return w;
}

}  // namespace

const WindowLayout& macroSelDialogLayout() {
  static const WindowLayout layout = makeMacroSel();
  return layout;
}

}  // namespace ko
