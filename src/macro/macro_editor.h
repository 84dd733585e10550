// The editing rules of the macro page: inserting mouse actions and cursor moves, copy,
// cut and paste, moving and deleting steps, changing delays and displacements, and the
// loop value. The editor works on the open macro's document and keeps the rows of the step
// list in step with its slots (row i always shows slot i). The caller saves the macro and
// tells the device service after every change the editor reports.
#pragma once
#include <cstdint>
#include <optional>
#include <vector>
#include "macro/macro_document.h"
#include "macro/macro_rows.h"

namespace ko {

// How delays come into the steps: 0 measured while recording and 10 ms for mouse actions,
// 1 the fixed delay of the page's field, 2 none at all.
enum class DelayMode : int { Measured = 0, Fixed = 1, None = 2 };

// The items of the mouse-action menu, as the menu reports them.
namespace mouse_action {
inline constexpr int32_t kClick = 40015;
inline constexpr int32_t kMenu = 40016;
inline constexpr int32_t kMiddle = 40017;
inline constexpr int32_t kMoveLeft = 40024;
inline constexpr int32_t kMoveRight = 40025;
inline constexpr int32_t kMoveUp = 40026;
inline constexpr int32_t kMoveDown = 40027;
}  // namespace mouse_action

// The items of the step menu, by position.
namespace step_menu {
inline constexpr int32_t kInsertNewAction = 0;
inline constexpr int32_t kCopy = 1;
inline constexpr int32_t kCut = 2;
inline constexpr int32_t kPaste = 3;
}  // namespace step_menu

// Mouse actions and cursor moves are refused from this many steps on: one action with its
// delays adds up to four steps.
inline constexpr int32_t kMouseActionStepLimit = 56;
// The shortest delay the page inserts, and what a shorter fixed delay is raised to.
inline constexpr int32_t kShortestInsertedDelayMs = 10;
// The largest values the value popup takes for a delay and for a displacement.
inline constexpr int32_t kMaxEditedDelayMs = 131070;
inline constexpr int32_t kMaxDisplacement = 120;
// The step a new cursor move makes.
inline constexpr int8_t kCursorMoveStep = 10;

// The value of one of the page's digit fields: its leading digits, 0 when there are none.
inline int32_t fieldValue(TextView text) { return loopTimeOf(text); }

// What the value popup's field holds after the user typed `text`: the value kept within 1..maximum. An
// empty field stays empty while the user types and counts as 1.
struct PopupValue {
  int32_t value;
  bool replaceText;  // the field must show `value` instead of what was typed
};
PopupValue popupValueOf(TextView text, int32_t maximum);

// A cursor move as the value popup shows it: its direction word and how far it moves.
struct Displacement {
  Text direction;
  int32_t magnitude = 0;
};

class MacroEditor {
 public:
  MacroEditor(MacroDocument& document, MacroStepTexts texts) : document_(&document), texts_(std::move(texts)) {}

  // After a macro was opened, created or closed: its rows, selection and loop state.
  void show(const MacroEditorView& view);

  const MacroDocument& document() const { return *document_; }
  const std::vector<MacroRow>& rows() const { return rows_; }
  int32_t count() const { return document_->count; }
  int selectedRow() const { return selected_; }
  // A left click on a row; anything outside the rows clears the selection.
  void select(int row);
  bool isDelayRow(int row) const;
  bool isCursorMoveRow(int row) const;
  const MacroStepTexts& texts() const { return texts_; }

  // The delay mode and the fixed-delay field; both last as long as the page.
  DelayMode delayMode() const { return delayMode_; }
  void setDelayMode(DelayMode mode) { delayMode_ = mode; }
  const Text& fixedDelayText() const { return fixedDelayText_; }
  void setFixedDelayText(Text text) { fixedDelayText_ = std::move(text); }
  // The delay that mode 1 inserts; a field below 10 ms is set to "10" first.
  int32_t takeFixedDelay();

  // Each edit returns true when the steps changed; the caller then saves (and for mouse
  // actions and displacements tells the device service).
  bool insertMouseAction(int32_t command);
  bool copySelected();
  bool cutSelected();
  bool paste();
  bool hasClipboard() const { return clipboard_.has_value(); }
  bool moveSelectedUp();
  bool moveSelectedDown();
  bool deleteSelected();

  // The delay of a delay row in milliseconds, nothing for other rows.
  std::optional<int32_t> delayOf(int row) const;
  // Stores `milliseconds` / 10 units in the delay row.
  bool setDelay(int row, int32_t milliseconds);
  // The direction and size of a cursor-move row, nothing for other rows.
  std::optional<Displacement> displacementOf(int row) const;
  // Moves the cursor-move row `value` (1..120) in its own direction.
  bool setDisplacement(int row, int32_t value);

  // Recording: empties every slot and row.
  void clearSteps();
  // Puts `step` into slot `at` (0..count), moving later steps down; the row shows `text`.
  // False when all 60 slots are taken.
  bool insertStep(int at, const MacroStep& step, Text text);
  bool insertStep(int at, const MacroStep& step) { return insertStep(at, step, macroRowOf(step, texts_).text); }

  // The loop switch: on gives the loop text "1", off "0".
  bool looping() const { return looping_; }
  void toggleLoop();
  // What the loop field shows after the user typed `text`: above 255 it becomes "255".
  // The document's loop text follows. True when the field must show the returned text.
  bool loopFieldTyped(TextView text, Text& shown);

 private:
  // The delay a mouse action or cursor move gets in the current mode, 0 for none.
  int32_t insertedDelay();
  bool validRow(int row) const { return row >= 0 && row < static_cast<int>(rows_.size()); }
  void removeStep(int at);
  void swapSteps(int a, int b);
  void replaceStep(int row, const MacroStep& step);

  MacroDocument* document_;
  MacroStepTexts texts_;
  std::vector<MacroRow> rows_;
  int selected_ = -1;
  bool looping_ = false;
  DelayMode delayMode_ = DelayMode::Measured;
  Text fixedDelayText_ = u"10";
  std::optional<MacroStep> clipboard_;
};

}  // namespace ko
