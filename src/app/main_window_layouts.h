// The main window's five pages as window tables: every control of every page with its
// rectangle, caption number and look, in the building order. The main window builds its
// controls from these tables and the skin generator draws the page pictures from them.
// The named positions below index each page's `controls`.
#pragma once
#include "skin/window_layout.h"

namespace ko {

// Page ids of the main window.
namespace page_id {
inline constexpr int kStart = 100000;
inline constexpr int kButtons = 100001;
inline constexpr int kMacros = 100002;
inline constexpr int kLighting = 100003;
inline constexpr int kPerformance = 100004;
inline constexpr int kService = 100005;
}  // namespace page_id

// The size of every main-window picture; the window takes its size from the start page's
// Main picture, so this is only what the pictures are drawn at.
inline constexpr int kMainWindowWidth = 888;
inline constexpr int kMainWindowHeight = 636;

namespace start_page {  // "skin_main.ini"
inline constexpr int kUnused = 0;
inline constexpr int kImport = 1;
inline constexpr int kExport = 2;
inline constexpr int kRestoreAll = 3;
inline constexpr int kWeb = 4;
inline constexpr int kShowButtons = 5;
inline constexpr int kButtonsNote = 6;
inline constexpr int kShowLighting = 7;
inline constexpr int kLightingNote = 8;
inline constexpr int kShowPerformance = 9;
inline constexpr int kPerformanceNote = 10;
inline constexpr int kShowMacros = 11;
inline constexpr int kMacrosNote = 12;
inline constexpr int kClose = 13;
inline constexpr int kMinimise = 14;
inline constexpr int kCount = 15;
}  // namespace start_page

namespace button_page {  // "skin_button.ini"
inline constexpr int kTitle = 0;
inline constexpr int kProfileFirst = 1;  // five profile tabs, 1..5
inline constexpr int kProfileCount = 5;
inline constexpr int kSlotFirst = 6;     // nine assignment slots, 6..14
inline constexpr int kSlotCount = 9;
inline constexpr int kEditMacros = 15;
inline constexpr int kBack = 16;
inline constexpr int kCount = 17;
}  // namespace button_page

namespace performance_page {  // "skin_advance.ini"
inline constexpr int kStagesTitle = 0;
inline constexpr int kLevelTitle = 1;
inline constexpr int kPollingTitle = 2;
inline constexpr int kScaleFirst = 3;  // "250", "1000", "2500", "4000": 3..6
inline constexpr int kScaleCount = 4;
inline constexpr int kAccelerationTitle = 7;
inline constexpr int kBack = 8;
inline constexpr int kAccelerationSwitch = 9;
inline constexpr int kDoubleClickUp = 10;
inline constexpr int kDoubleClickDown = 11;
inline constexpr int kWheelLinesUp = 12;
inline constexpr int kWheelLinesDown = 13;
inline constexpr int kDoubleClickValue = 14;
inline constexpr int kWheelLinesValue = 15;
inline constexpr int kStageFirst = 16;  // six stage tiles, 16..21
inline constexpr int kStageCount = 6;
inline constexpr int kSeparateAxes = 22;
inline constexpr int kPollingFirst = 23;  // rates 8, 4, 2, 1: 23..26
inline constexpr int kPollingCount = 4;
inline constexpr int kLevelSlider = 27;
inline constexpr int kLevelXSlider = 28;
inline constexpr int kLevelYSlider = 29;
inline constexpr int kAccelerationSlider = 30;
inline constexpr int kCount = 31;
}  // namespace performance_page

namespace lighting_page {  // "skin_color.ini"
inline constexpr int kColourTitle = 0;
inline constexpr int kModeTitle = 1;
inline constexpr int kLevelTitle = 2;
inline constexpr int kEffectTitle = 3;
inline constexpr int kLevelText = 4;
inline constexpr int kLevelUnit = 5;
inline constexpr int kBack = 6;
inline constexpr int kDirectionTitle = 7;  // three captions without a command: 7..9
inline constexpr int kEffectSlow = 8;
inline constexpr int kEffectFast = 9;
inline constexpr int kLightOff = 10;
inline constexpr int kLightOn = 11;
inline constexpr int kEffectSwitch = 12;
inline constexpr int kMode = 13;
inline constexpr int kDirection = 14;
inline constexpr int kColourPicker = 15;
inline constexpr int kWeb = 16;
inline constexpr int kEffectSlider = 17;
inline constexpr int kLevelSlider = 18;
inline constexpr int kCount = 19;
}  // namespace lighting_page

namespace macro_page {  // "skin_macro.ini"
inline constexpr int kNameTitle = 0;
inline constexpr int kCountTitle = 1;
inline constexpr int kMouseActionTitle = 2;
inline constexpr int kLoopUnit = 3;
inline constexpr int kUnusedLabel = 4;
inline constexpr int kBack = 5;
inline constexpr int kMacroName = 6;
inline constexpr int kNew = 7;
inline constexpr int kDelete = 8;
inline constexpr int kRename = 9;
inline constexpr int kImport = 10;
inline constexpr int kExport = 11;
inline constexpr int kStop = 12;
inline constexpr int kRecord = 13;
inline constexpr int kDelayRecorded = 14;  // delay modes 0, 1, 2: 14..16
inline constexpr int kDelayFixed = 15;
inline constexpr int kDelayNone = 16;
inline constexpr int kLoop = 17;
inline constexpr int kDelayField = 18;
inline constexpr int kLoopField = 19;
inline constexpr int kStepUp = 20;
inline constexpr int kStepDelete = 21;
inline constexpr int kStepDown = 22;
inline constexpr int kStepMenu = 23;
inline constexpr int kMouseAction = 24;
inline constexpr int kSteps = 25;
inline constexpr int kCount = 26;
}  // namespace macro_page

// Identifiers the page controls report with.
namespace control_id {
inline constexpr int kLevelSlider = 10001;
inline constexpr int kLevelXSlider = 10002;
inline constexpr int kLevelYSlider = 10003;
inline constexpr int kEffectSlider = 10008;
inline constexpr int kLightLevelSlider = 10009;
inline constexpr int kAccelerationSlider = 10010;
inline constexpr int kColourPicker = 10011;
inline constexpr int kDelayField = 0x5001;
inline constexpr int kLoopField = 0x5002;
inline constexpr int kStepList = 0x1012;
}  // namespace control_id

const WindowLayout& startPageLayout();
const WindowLayout& buttonPageLayout();
const WindowLayout& performancePageLayout();
const WindowLayout& lightingPageLayout();
const WindowLayout& macroPageLayout();

// The five pages in the main window's building order: start, buttons, performance,
// lighting, macros.
const std::vector<const WindowLayout*>& mainWindowLayouts();

// The page whose table `layout` is, or 0.
int pageOfLayout(const WindowLayout& layout);

}  // namespace ko
