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
  if (locked || rightClickReportingOff) return std::nullopt;
  return ClickNotice(kListRightClickMessage, index, itemData, hasNotifyWindow);
}

std::optional<ListNotice> DoubleClickNotice(int index, int32_t itemData) {
  if (index < 0 || itemData == kKeyPressIcon || itemData == kKeyReleaseIcon) return std::nullopt;
  const unsigned message = itemData == kIconlessKindLine ? kListKindDoubleClickMessage : kListDoubleClickMessage;
  return ListNotice{ListReceiver::Parent, message, static_cast<uint32_t>(index), 0};
}

LeftPressPlan PlanLeftPress(bool locked, int hitIndex, int selectedIndex, int editedIndex) {
  LeftPressPlan plan;
  if (locked) {
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

}  // namespace ko
