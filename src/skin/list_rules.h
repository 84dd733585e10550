// What the owner-drawn list tells whom: the private messages for clicks and double clicks,
// the commit of an open delay edit, and how a line is laid out when it is drawn.
#pragma once
#include <cstdint>
#include <optional>
#include "platform/wide_text.h"

namespace ko {

inline constexpr unsigned kListRightClickMessage = 0x3400;
inline constexpr unsigned kListLeftClickMessage = 0x3402;
inline constexpr unsigned kListDoubleClickMessage = 0x3403;
inline constexpr unsigned kListKindDoubleClickMessage = 0x3404;

// Item data values that name a line's icon.
inline constexpr int32_t kNoIcon = 0;            // delay lines
inline constexpr int32_t kKeyPressIcon = 149;    // the macro step list tags press rows so
inline constexpr int32_t kKeyReleaseIcon = 148;  // and release rows so
inline constexpr int32_t kIconlessKindLine = 160;
inline constexpr int32_t kNoLineData = -1;       // what the platform answers for no line

inline constexpr int kListLineHeight = 20;
inline constexpr int kListIconSize = 16;

enum class ListReceiver { Parent, NotifyWindow };

struct ListNotice {
  ListReceiver to = ListReceiver::Parent;
  unsigned message = 0;
  uint32_t wParam = 0;
  uint32_t lParam = 0;
};

// Click (left press or right release) on line `index` whose data is `itemData`: with a
// notify window the data goes along, but only for a real line; else the parent hears 0.
std::optional<ListNotice> ClickNotice(unsigned message, int index, int32_t itemData, bool hasNotifyWindow);

// Right-button release: reported only while not locked and right-click reporting is on
// (the list's "reporting off" flag is 0).
std::optional<ListNotice> RightReleaseNotice(bool locked, bool rightClickReportingOff, int index, int32_t itemData,
                                             bool hasNotifyWindow);

// Double click, always to the parent: nothing for key-press and key-release lines.
std::optional<ListNotice> DoubleClickNotice(int index, int32_t itemData);

// How a line is drawn: on the highlight colour or the background, in the selected text
// colour or the plain one.
struct LineLook {
  bool highlighted = false;
  bool selectedText = false;
};
LineLook LookOfLine(bool selectionMode, bool selected, bool hot);

// What a left press does, given the line hit (-1: below the last line), the selected line
// and the line being edited (-1: none).
struct LeftPressPlan {
  bool ignore = false;      // locked, below the last line, or on the line being edited
  bool commitEdit = false;  // turn the edited line into "<n> ms" and close the edit first
};
LeftPressPlan PlanLeftPress(bool locked, int hitIndex, int selectedIndex, int editedIndex);

// The leading integer of a delay edit's text, the way the C library's wide atoi reads it
// (blanks, optional sign, digits; nothing usable gives 0; too large saturates).
int32_t LeadingInteger(TextView text);
// The line an edited delay becomes: "%d ms".
Text DelayLineText(TextView editText);

// Horizontal places of a line's icon and text, from the line's left edge.
struct LineLayout {
  bool drawIcon = false;
  int iconX = 0;
  int textX = 0;
};
LineLayout LayOutLine(int32_t itemData, bool indent);

}  // namespace ko
