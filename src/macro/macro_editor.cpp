#include "macro/macro_editor.h"

#include <algorithm>
#include <cstdlib>

namespace ko {
namespace {

struct MouseActionStep {
  bool isButton;
  uint8_t buttonBit;
  int8_t dx, dy;
};

std::optional<MouseActionStep> mouseActionOf(int32_t command) {
  switch (command) {
    case mouse_action::kClick: return MouseActionStep{true, kLeftButtonBit, 0, 0};
    case mouse_action::kMenu: return MouseActionStep{true, kRightButtonBit, 0, 0};
    case mouse_action::kMiddle: return MouseActionStep{true, kMiddleButtonBit, 0, 0};
    case mouse_action::kMoveLeft: return MouseActionStep{false, 0, -kCursorMoveStep, 0};
    case mouse_action::kMoveRight: return MouseActionStep{false, 0, kCursorMoveStep, 0};
    case mouse_action::kMoveUp: return MouseActionStep{false, 0, 0, -kCursorMoveStep};
    case mouse_action::kMoveDown: return MouseActionStep{false, 0, 0, kCursorMoveStep};
    default: return std::nullopt;
  }
}

}  // namespace

PopupValue popupValueOf(TextView text, int32_t maximum) {
  if (text.empty()) return PopupValue{1, false};
  const int32_t typed = fieldValue(text);
  const int32_t kept = std::clamp<int32_t>(typed, 1, std::max<int32_t>(maximum, 1));
  return PopupValue{kept, kept != typed || decimal(kept) != text};
}

void MacroEditor::show(const MacroEditorView& view) {
  // The rows always come from the slots as they are now: a view kept from an earlier load
  // may describe steps that were moved or edited since.
  rows_ = macroRowsOf(*document_, texts_);
  selected_ = validRow(view.selectedRow) ? view.selectedRow : -1;
  looping_ = view.looping;
}

void MacroEditor::select(int row) { selected_ = validRow(row) ? row : -1; }

bool MacroEditor::isDelayRow(int row) const {
  return validRow(row) && document_->steps[row].is(MacroStepKind::Delay);
}

bool MacroEditor::isCursorMoveRow(int row) const {
  return validRow(row) && document_->steps[row].is(MacroStepKind::CursorMove);
}

int32_t MacroEditor::takeFixedDelay() {
  const int32_t value = fieldValue(fixedDelayText_);
  if (value >= kShortestInsertedDelayMs) return value;
  fixedDelayText_ = decimal(kShortestInsertedDelayMs);
  return kShortestInsertedDelayMs;
}

int32_t MacroEditor::insertedDelay() {
  switch (delayMode_) {
    case DelayMode::Measured: return kShortestInsertedDelayMs;
    case DelayMode::Fixed: return takeFixedDelay();
    case DelayMode::None: return 0;
  }
  return 0;
}

bool MacroEditor::insertMouseAction(int32_t command) {
  const std::optional<MouseActionStep> action = mouseActionOf(command);
  if (!action || document_->count >= kMouseActionStepLimit) return false;
  const int32_t delay = insertedDelay();

  std::vector<MacroStep> steps;
  auto addDelay = [&] {
    if (delay > 0) steps.push_back(delayStep(static_cast<uint32_t>(delay)));
  };
  const bool afterRow = selected_ >= 0;
  const bool afterDelay = afterRow && isDelayRow(selected_);
  // After a row that is not a delay, a delay keeps the new action apart from it; after a
  // delay row the trailing delay keeps it apart from what follows.
  if (afterRow && !afterDelay) addDelay();
  if (action->isButton) {
    steps.push_back(mouseButtonStep(action->buttonBit, true));
    addDelay();
    steps.push_back(mouseButtonStep(action->buttonBit, false));
    if (afterDelay) addDelay();
  } else {
    steps.push_back(cursorMoveStep(action->dx, action->dy));
    if (afterRow) addDelay();
  }

  int at = afterRow ? selected_ + 1 : document_->count;
  for (const MacroStep& step : steps) insertStep(at++, step);
  selected_ = at - 1;
  return true;
}

bool MacroEditor::copySelected() {
  if (!validRow(selected_)) return false;
  clipboard_ = document_->steps[selected_];
  return false;  // the steps stay as they are
}

bool MacroEditor::cutSelected() {
  if (!validRow(selected_)) return false;
  clipboard_ = document_->steps[selected_];
  removeStep(selected_);
  selected_ = std::min(selected_, static_cast<int>(rows_.size()) - 1);
  return true;
}

bool MacroEditor::paste() {
  if (!clipboard_ || document_->count >= kMacroStepSlots) return false;
  const int at = validRow(selected_) ? selected_ + 1 : document_->count;
  if (!insertStep(at, *clipboard_)) return false;
  selected_ = at;
  return true;
}

bool MacroEditor::moveSelectedUp() {
  if (!validRow(selected_) || selected_ == 0) return false;
  swapSteps(selected_, selected_ - 1);
  --selected_;
  return true;
}

bool MacroEditor::moveSelectedDown() {
  if (!validRow(selected_) || selected_ + 1 >= static_cast<int>(rows_.size())) return false;
  swapSteps(selected_, selected_ + 1);
  ++selected_;
  return true;
}

bool MacroEditor::deleteSelected() {
  if (!validRow(selected_)) return false;
  removeStep(selected_);
  selected_ = std::min(selected_, static_cast<int>(rows_.size()) - 1);
  return true;
}

std::optional<int32_t> MacroEditor::delayOf(int row) const {
  if (!isDelayRow(row)) return std::nullopt;
  return static_cast<int32_t>(document_->steps[row].delayMs());
}

bool MacroEditor::setDelay(int row, int32_t milliseconds) {
  if (!isDelayRow(row)) return false;
  replaceStep(row, delayStep(static_cast<uint32_t>(std::max<int32_t>(milliseconds, 0))));
  selected_ = row;
  return true;
}

std::optional<Displacement> MacroEditor::displacementOf(int row) const {
  if (!isCursorMoveRow(row)) return std::nullopt;
  const MacroStep& step = document_->steps[row];
  return Displacement{cursorMoveDirection(step, texts_), std::abs(step.dy() != 0 ? step.dy() : step.dx())};
}

bool MacroEditor::setDisplacement(int row, int32_t value) {
  if (!isCursorMoveRow(row)) return false;
  value = std::clamp<int32_t>(value, 1, kMaxDisplacement);
  MacroStep step = document_->steps[row];
  // Only the byte that moves changes; its sign keeps the direction.
  if (step.dy() != 0) step.second = static_cast<uint8_t>(static_cast<int8_t>(step.dy() < 0 ? -value : value));
  else step.first = static_cast<uint8_t>(static_cast<int8_t>(step.dx() < 0 ? -value : value));
  replaceStep(row, step);
  selected_ = row;
  return true;
}

void MacroEditor::clearSteps() {
  document_->clearSteps();
  rows_.clear();
  selected_ = -1;
}

bool MacroEditor::insertStep(int at, const MacroStep& step, Text text) {
  MacroDocument& d = *document_;
  if (d.count >= kMacroStepSlots || at < 0 || at > d.count) return false;
  std::copy_backward(d.steps.begin() + at, d.steps.begin() + d.count, d.steps.begin() + d.count + 1);
  d.steps[at] = step;
  ++d.count;
  rows_.insert(rows_.begin() + at, MacroRow{std::move(text), macroRowOf(step, texts_).tag});
  return true;
}

void MacroEditor::removeStep(int at) {
  MacroDocument& d = *document_;
  std::copy(d.steps.begin() + at + 1, d.steps.begin() + d.count, d.steps.begin() + at);
  d.steps[d.count - 1] = MacroStep{0, 0, 0};
  --d.count;
  rows_.erase(rows_.begin() + at);
}

void MacroEditor::swapSteps(int a, int b) {
  std::swap(document_->steps[a], document_->steps[b]);
  std::swap(rows_[a], rows_[b]);
}

void MacroEditor::replaceStep(int row, const MacroStep& step) {
  document_->steps[row] = step;
  rows_[row] = macroRowOf(step, texts_);
}

void MacroEditor::toggleLoop() {
  looping_ = !looping_;
  document_->loopText = looping_ ? u"1" : u"0";
}

bool MacroEditor::loopFieldTyped(TextView text, Text& shown) {
  if (fieldValue(text) > kMaxLoopTime) {
    shown = decimal(kMaxLoopTime);
    document_->loopText = shown;
    return true;
  }
  document_->loopText = Text(text);
  return false;
}

}  // namespace ko
