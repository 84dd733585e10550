// What the step list of the macro editor shows for a macro: one row per step, in slot
// order, each with its text and the tag that tells the list what kind of row it is.
#pragma once
#include <cstdint>
#include <vector>
#include "macro/macro_document.h"
#include "macro/text_lookup.h"
#include "platform/profile_strings.h"

namespace ko {

// Row tags the step list reports back with a right click.
constexpr uint32_t kDelayRowTag = 0;
constexpr uint32_t kCursorMoveRowTag = 160;
constexpr uint32_t kPressRowTag = 149;
constexpr uint32_t kReleaseRowTag = 148;

// The interface words a step text is made of, read once per load of the list.
struct MacroStepTexts {
  Text leftButton, rightButton, middleButton;  // "CLICK", "MENU", "MIDDLE"
  Text moveLeft, moveRight, moveUp, moveDown;  // "MOVELEFT", ...

  static MacroStepTexts from(const TextLookup& lookup);
};

struct MacroRow {
  Text text;
  uint32_t tag;

  friend bool operator==(const MacroRow& a, const MacroRow& b) { return a.text == b.text && a.tag == b.tag; }
};

// The direction word of a cursor move: vertical when it moves vertically at all.
const Text& cursorMoveDirection(const MacroStep& step, const MacroStepTexts& texts);
// The row of one step; an empty text for steps that are not shown.
MacroRow macroRowOf(const MacroStep& step, const MacroStepTexts& texts);

// The editor's state for a macro just loaded.
struct MacroEditorView {
  std::vector<MacroRow> rows;  // row i shows slot i
  int selectedRow = -1;        // the last row, -1 when there are none
  bool looping = false;
};

// Loads the macro file at `path` into the document (steps, count, loop text) and returns
// the rows to show. The count equals the number of rows. A "LoopTime" of 0 or none turns
// looping off with the text "0"; any other value turns it on, kept within what the loop
// field takes (1..255).
MacroEditorView LoadMacroIntoEditor(MacroDocument& document, TextView path, const MacroStepTexts& texts,
                                    ProfileStrings& strings = platformProfileStrings());

// The rows of the document's steps as they stand.
std::vector<MacroRow> macroRowsOf(const MacroDocument& document, const MacroStepTexts& texts);

}  // namespace ko
