// The performance and lighting commands against an in-memory settings file and a
// recording device service, with every message's snapshot of the file at delivery.
#pragma once
#include <cstring>
#include <memory>
#include "perf/settings_channel.h"
#include "platform/service_recorder.h"
#include "settings/settings_file.h"
#include "unit/settings/fake_profile_strings.h"

namespace ko::test {

inline const Text kPerfSettingsPath = u"C:\\Users\\me\\Mouse.ini";

class FileChannel final : public SettingsChannel {
 public:
  FileChannel(SettingsRecord& working, FakeProfileStrings& ini, ServiceRecorder& service)
      : working_(working), ini_(ini), service_(service) {}
  void saveAndNotify(const std::optional<ServiceNotice>& notice) override {
    ++saves;
    saveThenNotify(service_, [&] { return SaveSettings(working_, kPerfSettingsPath, ini_); }, notice);
  }
  ServiceWindow& service() override { return service_; }
  void expectReconnect() override { reconnectExpected = true; }

  int saves = 0;
  bool reconnectExpected = false;

 private:
  SettingsRecord& working_;
  FakeProfileStrings& ini_;
  ServiceRecorder& service_;
};

// A working record as after start-up with factory values in profile 0.
inline std::unique_ptr<SettingsRecord> FactoryRecord() {
  auto record = std::make_unique<SettingsRecord>();
  std::memset(record.get(), 0, sizeof(SettingsRecord));
  ResetSettings(*record);
  record->Profile = 0;
  ApplyFactoryDefaults(*record, 0);
  return record;
}

}  // namespace ko::test
