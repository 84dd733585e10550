// The keys of a whole save as "Section/Key", in the order they are written: also the key
// order of a newly created settings file, which the device service may rely on.
#pragma once
#include <string>
#include <vector>

namespace ko::test {

inline std::vector<std::string> indexedKeys(const std::string& prefix, int count) {
  std::vector<std::string> out;
  for (int i = 1; i <= count; ++i) out.push_back(prefix + std::to_string(i));
  return out;
}

inline std::vector<std::string> settingsSaveOrder() {
  std::vector<std::string> order;
  auto append = [&](const std::vector<std::string>& more) { order.insert(order.end(), more.begin(), more.end()); };
  for (const char* k : {"Profile", "TrayEnabled", "MouseButtons", "PollingRate", "LeftCount", "RightCount",
                        "WheelScrollLines", "MouseSensitivity", "DoubleClickSpeed", "AccelerationEnabled",
                        "Acceleration", "UniversalScrollEnabled"})
    order.push_back(std::string("Setting/") + k);
  append(indexedKeys("Setting/DPI_INFO", 6));
  append(indexedKeys("Setting/LED_MODE_INFO", 6));
  for (const char* k : {"DPI", "LedStateOn", "LedColor", "LedMode"}) order.push_back(std::string("Setting/") + k);
  for (const char* section : {"GROUP", "GROUP1", "GROUP2", "GROUP3", "GROUP4"}) {
    order.push_back(std::string(section) + "/DPI");
    append(indexedKeys(std::string(section) + "/ButtonAssigned", 11));
  }
  return order;
}

}  // namespace ko::test
