#include "skin/list_rules.h"

#include <limits>

namespace ko {

std::optional<ListNotice> ClickNotice(unsigned message, int index, int32_t itemData, bool hasNotifyWindow) {
  if (hasNotifyWindow) {
    if (itemData == kNoLineData) return std::nullopt;
    return ListNotice{ListReceiver::NotifyWindow, message, static_cast<uint32_t>(index), static_cast<uint32_t>(itemData)};
  }
  return ListNotice{ListReceiver::Parent, message, static_cast<uint32_t>(index), 0};
}

std::optional<ListNotice> RightReleaseNotice(bool locked, bool rightClickReportingOff, int index, int32_t itemData,
                                             bool hasNotifyWindow) {
  // Below the last line there is nothing to act on; the selection stays as it is.
  if (locked || rightClickReportingOff || index < 0) return std::nullopt;
  return ClickNotice(kListRightClickMessage, index, itemData, hasNotifyWindow);
}

std::optional<ListNotice> DoubleClickNotice(int index, int32_t itemData) {
  if (index < 0 || itemData == kKeyPressIcon || itemData == kKeyReleaseIcon) return std::nullopt;
  const unsigned message = itemData == kIconlessKindLine ? kListKindDoubleClickMessage : kListDoubleClickMessage;
  return ListNotice{ListReceiver::Parent, message, static_cast<uint32_t>(index), 0};
}

LeftPressPlan PlanLeftPress(bool locked, int hitIndex, int selectedIndex, int editedIndex) {
  LeftPressPlan plan;
  // A press below the last line neither clears the selection nor tells the owner: the
  // owner acts on the selected line, which must stay the one marked.
  if (locked || hitIndex < 0) {
    plan.ignore = true;
  } else if (editedIndex >= 0) {
    if (hitIndex == selectedIndex) plan.ignore = true;
    else plan.commitEdit = true;
  }
  return plan;
}

int32_t LeadingInteger(TextView text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == u' ' || (text[i] >= u'\t' && text[i] <= u'\r'))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
  long long value = 0;
  const long long limit = negative ? -static_cast<long long>(std::numeric_limits<int32_t>::min())
                                   : std::numeric_limits<int32_t>::max();
  for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
    value = value * 10 + (text[i] - u'0');
    if (value > limit) value = limit;
  }
  return static_cast<int32_t>(negative ? -value : value);
}

Text DelayLineText(TextView editText) {
  Text line = decimal(LeadingInteger(editText));
  line += u" ms";
  return line;
}

LineLayout LayOutLine(int32_t itemData, bool indent) {
  if (itemData != kNoIcon && itemData != kIconlessKindLine) {
    // Id 1 reserves the icon's room without drawing one.
    return {itemData != 1, 5, indent ? 16 : 32};
  }
  return {false, 0, indent ? 0 : 8};
}

LineLook LookOfLine(bool selectionMode, bool selected, bool hot) {
  // Hot tracking lights the line under the pointer; the selected line stays lit as well, so
  // that the line the owner's buttons act on can be seen wherever the pointer is.
  return LineLook{selected || (!selectionMode && hot), selected};
}

}  // namespace ko
