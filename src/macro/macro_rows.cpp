#include "macro/macro_rows.h"

#include <cstdlib>
#include "text/key_tables.h"
#include "macro/macro_file.h"

namespace ko {
namespace {

Text buttonName(uint8_t code, const MacroStepTexts& texts) {
  switch (code) {
    case kLeftButtonBit: return texts.leftButton;
    case kRightButtonBit: return texts.rightButton;
    case kMiddleButtonBit: return texts.middleButton;
    default: return KeyCodeNames(code, u"");  // any other byte is read as a key-name code too
  }
}

Text keyName(uint8_t usage) { return KeyCodeNames(VkToKeyNameCode(HidToVk(usage)), u""); }

}  // namespace

MacroStepTexts MacroStepTexts::from(const TextLookup& lookup) {
  return MacroStepTexts{lookup(u"CLICK"),    lookup(u"MENU"),      lookup(u"MIDDLE"), lookup(u"MOVELEFT"),
                        lookup(u"MOVERIGHT"), lookup(u"MOVEUP"), lookup(u"MOVEDOWN")};
}

const Text& cursorMoveDirection(const MacroStep& step, const MacroStepTexts& texts) {
  if (step.dy() != 0) return step.dy() < 0 ? texts.moveUp : texts.moveDown;
  return step.dx() < 0 ? texts.moveLeft : texts.moveRight;
}

MacroRow macroRowOf(const MacroStep& step, const MacroStepTexts& texts) {
  if (!step.isShown()) return MacroRow{Text(), kDelayRowTag};
  const uint32_t pressTag = step.isPress() ? kPressRowTag : kReleaseRowTag;
  switch (static_cast<MacroStepKind>(step.kindValue())) {
    case MacroStepKind::Delay:
      return MacroRow{decimal(static_cast<int32_t>(step.delayMs())) + u" MS", kDelayRowTag};
    case MacroStepKind::CursorMove: {
      const int magnitude = std::abs(step.dy() != 0 ? step.dy() : step.dx());
      return MacroRow{cursorMoveDirection(step, texts) + u" : " + decimal(magnitude), kCursorMoveRowTag};
    }
    case MacroStepKind::Key:
      return MacroRow{keyName(step.first), pressTag};
    case MacroStepKind::MouseButton:
      return MacroRow{buttonName(step.first, texts), pressTag};
  }
  return MacroRow{Text(), kDelayRowTag};
}

std::vector<MacroRow> macroRowsOf(const MacroDocument& document, const MacroStepTexts& texts) {
  std::vector<MacroRow> rows;
  const int32_t count = document.count < 0 ? 0 : document.count > kMacroStepSlots ? kMacroStepSlots : document.count;
  // One row per slot, shown or not, so that row i is slot i.
  for (int32_t i = 0; i < count; ++i) rows.push_back(macroRowOf(document.steps[i], texts));
  return rows;
}

MacroEditorView LoadMacroIntoEditor(MacroDocument& document, TextView path, const MacroStepTexts& texts,
                                    ProfileStrings& strings) {
  MacroEditorView view;
  LoadMacroFile(document, path, strings);
  view.rows = macroRowsOf(document, texts);
  view.selectedRow = static_cast<int>(view.rows.size()) - 1;

  int32_t loopTime = ReadMacroLoopTime(path, 0, strings);
  if (loopTime < 0) loopTime = 0;  // a hand-edited file; the field takes no negative value
  if (loopTime > kMaxLoopTime) loopTime = kMaxLoopTime;
  view.looping = loopTime != 0;
  document.loopText = decimal(loopTime);
  return view;
}

}  // namespace ko
