// The whole settings image: what "Mouse.ini" holds, in memory. Records are copied whole
// (plain byte copies), so nothing in them may point elsewhere.
#pragma once
#include <cstddef>
#include <cstdint>
#include <type_traits>
#include "settings/button_assignment.h"

namespace ko {

constexpr int kProfileCount = 5;
constexpr int kButtonCount = 11;
constexpr int kDpiStageCount = 6;
constexpr int kLedModeInfoCount = 6;
constexpr size_t kProfileTextUnits = 260;
// A scalar that holds this has not been set (absent key, or freshly reset).
constexpr int32_t kUnset = -1;

// One DPI stage, stored under "DPI_INFO%d".
struct DpiInfo {
  int32_t separate;  // 0: both axes use level; otherwise levelX and levelY
  int32_t level;
  int32_t levelX;
  int32_t levelY;
};
static_assert(sizeof(DpiInfo) == 16, "stored as a 16-byte record");
static_assert(offsetof(DpiInfo, separate) == 0 && offsetof(DpiInfo, level) == 4 &&
                  offsetof(DpiInfo, levelX) == 8 && offsetof(DpiInfo, levelY) == 12,
              "DpiInfo word order");

// One lighting record, stored under "LED_MODE_INFO%d".
struct LedModeInfo {
  int32_t direction;
  int32_t level;
  int32_t effectParam;
};
static_assert(sizeof(LedModeInfo) == 12, "stored as a 12-byte record");
static_assert(offsetof(LedModeInfo, direction) == 0 && offsetof(LedModeInfo, level) == 4 &&
                  offsetof(LedModeInfo, effectParam) == 8,
              "LedModeInfo word order");

struct ProfileRecord {
  char16_t Name[kProfileTextUnits];  // read from the file, never written by this program
  char16_t Exe[kProfileTextUnits];   // likewise; kept for the device service
  ButtonAssignment ButtonAssigned[kButtonCount];
  int32_t DPI;  // active DPI stage of this profile, 0..5
};
static_assert(offsetof(ProfileRecord, Name) == 0, "ProfileRecord field order");
static_assert(offsetof(ProfileRecord, Exe) == 520, "ProfileRecord field order");
static_assert(offsetof(ProfileRecord, ButtonAssigned) == 1040, "ProfileRecord field order");
static_assert(offsetof(ProfileRecord, DPI) == 8124, "ProfileRecord field order");
static_assert(sizeof(ProfileRecord) == 8128, "ProfileRecord has no padding");

// Every scalar's field name is also its key in section "Setting".
struct SettingsRecord {
  int32_t LeftCount;   // kept by the device service; read, never changed here
  int32_t RightCount;  // likewise
  int32_t MouseButtons;
  int32_t Profile;  // active profile, 0..4
  int32_t TrayEnabled;
  ProfileRecord Profiles[kProfileCount];
  int32_t UniversalScrollEnabled;
  int32_t MouseSensitivity;
  int32_t AccelerationEnabled;
  int32_t LedStateOn;
  int32_t LedColor;  // 0x00BBGGRR
  int32_t DPI;       // active DPI stage, 0..5
  DpiInfo DPI_INFO[kDpiStageCount];
  int32_t PollingRate;  // 8, 4, 2 or 1
  int32_t DoubleClickSpeed;
  int32_t WheelScrollLines;
  int32_t LedMode;
  LedModeInfo LED_MODE_INFO[kLedModeInfoCount];
  int32_t Acceleration;
};
static_assert(std::is_trivially_copyable<SettingsRecord>::value, "records are copied as bytes");
static_assert(offsetof(SettingsRecord, Profiles) == 20, "SettingsRecord field order");
static_assert(offsetof(SettingsRecord, UniversalScrollEnabled) == 20 + 5 * 8128, "SettingsRecord field order");
static_assert(offsetof(SettingsRecord, DPI_INFO) == 40684, "SettingsRecord field order");
static_assert(offsetof(SettingsRecord, PollingRate) == 40780, "SettingsRecord field order");
static_assert(offsetof(SettingsRecord, LED_MODE_INFO) == 40796, "SettingsRecord field order");
static_assert(offsetof(SettingsRecord, Acceleration) == 40868, "SettingsRecord field order");
static_assert(sizeof(SettingsRecord) == 40872, "SettingsRecord has no padding");

}  // namespace ko
