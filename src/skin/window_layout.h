// A skinned window as data: its layout file, its size, its full pictures and, in the
// window's fixed building order, every control with its rectangle, caption number and
// look. The Win32 builder creates the controls from this table and the skin generator
// draws the pictures from the same table, so pictures and controls cannot disagree.
#pragma once
#include <vector>

namespace ko {

struct PixelRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int width() const { return right - left; }
  int height() const { return bottom - top; }
  bool empty() const { return right <= left || bottom <= top; }
};

enum class ControlKind {
  Button,        // CBitmapBtn (push or two-state)
  Label,         // CStaticTrans
  Edit,          // CClrEdit
  Slider,        // CPngHSliderBar
  Custom,        // CZarvoCustomControl (colour areas and the like)
  MacroDisplay,  // CZarvoMacroDisplay
  List,          // CListBoxEx
};

// How the skin generator draws the control's faces; the program itself ignores it.
enum class ControlLook {
  None,          // nothing drawn (the picture shows only the window ground)
  PushButton,    // a plain rounded button
  Tab,           // page or profile tab
  Field,         // assignment slot: a field with a drop-down arrow at the right end
  Tile,          // DPI stage tile
  Segment,       // one part of a segmented control (polling rates)
  Switch,        // on/off switch or check box
  WindowButton,  // close / minimise glyph buttons
  LinkText,      // text-only button (web link)
  Text,          // label text (no face)
  Well,          // sunken area for edits, lists, sliders and custom controls
};

// Which full picture feeds each state of a control (the usual choice: Main, Over, Down, Main).
// A slider's track reads them differently: `normal` names the picture its empty track is
// cut from and `down` the picture of its filled part (None when the slider has none).
enum class Picture { Main, Over, Down, Disabled, None };

struct StateSources {
  Picture normal = Picture::Main, over = Picture::Main, down = Picture::Main, disabled = Picture::Main;
};

enum class TextAlign { Left, Centre, Right };

struct ControlSpec {
  PixelRect rect;
  ControlKind kind = ControlKind::Button;
  int captionNumber = 0;       // "BUTTONPOS" key; 0 = no caption
  const char* caption = "";    // English caption written into the layout file (UTF-8)
  ControlLook look = ControlLook::PushButton;
  StateSources sources{};
  TextAlign align = TextAlign::Centre;
  const char* glyph = "";      // optional icon hint for the generator ("close", "minimise", "arrow-down", ...)
  // Sliders, edits, lists and custom controls: the identifier they report with, and for
  // sliders their range and thumb picture (a file of the skin folder).
  int id = 0;
  int rangeMin = 0, rangeMax = 0;
  const char* thumb = "";
  // Edits: digits only, text centred, and the most characters they take (0: no limit).
  bool digitsOnly = false;
  bool centredText = false;
  int maxChars = 0;
  // False when the program shows its own text (a value, a state) in place of the layout
  // file's caption, so the caption is never seen and need not fit.
  bool captionShown = true;
};

// The window's own dressing, drawn into every full picture before the controls.
enum class WindowFrame {
  Plain,   // ground only
  Dialog,  // bordered window with a heading bar (dialogs, the gallery)
  Start,   // main window start page: frame, device picture in the middle
  Page,    // main window sub-page: frame, heading and a panel around the controls
};

// Static decoration baked into the pictures; it never reacts to the pointer.
enum class DecorationKind {
  Panel,     // a lighter raised area grouping controls; `text` is an optional group title
  Divider,   // a thin horizontal or vertical rule along the rectangle's longer side
  Leader,    // a thin accent line from (left, top) to (right, bottom) with a dot at the end
  Text,      // a static text at the rectangle (left aligned, vertically centred)
  Title,     // a section title in a panel, drawn as the page's labels show their captions
  Device,    // the device drawing, scaled into the rectangle
  Callout,   // `text` in a badge at the rectangle, with a leader line to physical button
             // `deviceButton` (1..9) on the window's device drawing
};

struct Decoration {
  DecorationKind kind = DecorationKind::Panel;
  PixelRect rect;
  const char* text = "";       // UTF-8
  int deviceButton = 0;        // Callout: the mouse button it points at
};

struct WindowLayout {
  const char* name;            // for logs and generator output, e.g. "main-start"
  const char* layoutFile;      // in the skin folder, e.g. "skin_main.ini"
  int width;
  int height;
  // Picture file names of section "Screen" (empty = the window does not read that key).
  const char* mainPicture;
  const char* overPicture;
  const char* downPicture;
  const char* disabledPicture;
  const char* heading;         // title drawn into the pictures (UTF-8), may be empty
  std::vector<ControlSpec> controls;
  WindowFrame frame = WindowFrame::Plain;
  std::vector<Decoration> decorations{};
};

// A picture of the skin folder that no layout file names: the program opens it by its
// fixed name (logos, slider thumbs, colour picker parts, menu backgrounds).
struct FixedPicture {
  const char* file;
  int width;
  int height;
};

// Every fixed picture with the size the program's geometry expects of it.
const std::vector<FixedPicture>& fixedSkinPictures();

}  // namespace ko
