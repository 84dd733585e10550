// A settings store on a "Mouse.ini" of its own folder, beside a recording device service
// whose every message carries the file as it was when the message arrived. The file is
// read back whole for each look, as the service would read it.
#pragma once
#include <memory>
#include <string>
#include "platform/file_system.h"
#include "platform/ini_document.h"
#include "platform/service_recorder.h"
#include "settings/settings_store.h"
#include "support/temp_dir.h"

namespace ko::test {

class StoreOnDisk {
 public:
  StoreOnDisk() {
    service.setSnapshot([this] { return fileText(); });
    store.onSaved([this](bool waiting) {
      ++saves;
      lastSaveWaiting = waiting;
    });
  }

  // The file's text (as UTF-8), empty when it cannot be read.
  std::string fileText() const { return toUtf8(document().toText()); }
  // A key's stored text, "<absent>" when the file lacks it.
  std::string value(TextView section, TextView key) const {
    const std::optional<Text> v = document().storedValue(section, key);
    return v ? toUtf8(*v) : "<absent>";
  }
  std::string value(TextView key) const { return value(u"Setting", key); }
  bool readStruct(TextView section, TextView key, void* buffer, size_t size) const {
    return document().readStruct(section, key, buffer, size);
  }
  std::string bytes() const {
    std::string out;
    readFileBytes(path, out);
    return out;
  }

  TempDir dir;
  Text path = dir.file(u"Mouse.ini");
  ServiceRecorder service;
  SettingsStore store{path, service};
  SettingsRecord& working = store.working();
  int saves = 0;  // every save, landed or not
  bool lastSaveWaiting = false;

 private:
  ini::Document document() const { return ini::Document::fromBytes(bytes()); }
};

}  // namespace ko::test
