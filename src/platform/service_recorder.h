// A stand-in device service that records every message it receives. It can take a
// snapshot at the moment of each message (for example the settings file's contents), so a
// test can tell whether a save had finished before the service was told about it.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>
#include "platform/service_window.h"

namespace ko {

struct ReceivedServiceMessage {
  uint32_t message;
  uintptr_t wParam;
  intptr_t lParam;
  bool posted;
  std::string snapshot;  // what the snapshot function returned when the message arrived
};

class ServiceRecorder final : public ServiceWindow {
 public:
  // The handle the recorder's window answers to while running.
  static constexpr ServiceWindowHandle kHandle = 0x4B0;

  explicit ServiceRecorder(bool running = true) : running_(running) {}

  // Starting or stopping the service; a message to a handle found earlier, sent after the
  // service stopped, is lost, as it is for a real window.
  void setRunning(bool running) { running_ = running; }
  void setSnapshot(std::function<std::string()> snapshot) { snapshot_ = std::move(snapshot); }

  ServiceWindowHandle find() override;
  void send(ServiceWindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) override;
  void post(ServiceWindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) override;

  const std::vector<ReceivedServiceMessage>& messages() const { return messages_; }
  int lookups() const { return lookups_; }
  void clear() { messages_.clear(); lookups_ = 0; }

 private:
  void receive(ServiceWindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam, bool posted);

  bool running_;
  int lookups_ = 0;
  std::function<std::string()> snapshot_;
  std::vector<ReceivedServiceMessage> messages_;
};

}  // namespace ko
