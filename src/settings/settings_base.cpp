#include "settings/settings_base.h"

#include <cstring>
#include <memory>
#include <optional>
#include "platform/per_file_memory.h"
#include "settings/settings_keys.h"

namespace ko {
namespace {

// A key's stored text is made from its bytes in the record alone, so the base keeps the
// bytes: a save compares a few bytes per key and makes no text, and the texts are made only
// when asked for.
struct Base {
  std::unique_ptr<SettingsRecord> values;  // each known key's bytes, at the key's place
  std::vector<bool> known;                 // per key: the base has its value
};

PerFileMemory<Base>& bases() {
  static PerFileMemory<Base> files;
  return files;
}

PerFileMemory<std::optional<std::string>>& lastBytes() {
  static PerFileMemory<std::optional<std::string>> files;
  return files;
}

const unsigned char* bytesOf(const SettingsRecord& record, const SettingKey& key) {
  return reinterpret_cast<const unsigned char*>(&record) + key.offset;
}

}  // namespace

std::vector<bool> changedSinceBase(TextView path, const SettingsRecord& record) {
  const auto& keys = settingKeys();
  std::vector<bool> changed(keys.size());
  for (size_t i = 0; i < keys.size(); ++i) changed[i] = !keys[i].serviceOwned;
  bases().with(path, [&](const Base& base) {
    if (base.known.size() != keys.size()) return;
    for (size_t i = 0; i < keys.size(); ++i)
      changed[i] = !keys[i].serviceOwned &&
                   (!base.known[i] || std::memcmp(bytesOf(*base.values, keys[i]), bytesOf(record, keys[i]), keys[i].size) != 0);
  });
  return changed;
}

void rememberBase(TextView path, const SettingsRecord& record) {
  rememberBase(path, record, std::vector<bool>(settingKeys().size(), true));
}

void rememberBase(TextView path, const SettingsRecord& record, const std::vector<bool>& only) {
  const auto& keys = settingKeys();
  bases().with(path, [&](Base& base) {
    if (!base.values) {
      base.values = std::make_unique<SettingsRecord>();
      std::memset(base.values.get(), 0, sizeof(SettingsRecord));
    }
    base.known.resize(keys.size(), false);
    for (size_t i = 0; i < keys.size(); ++i) {
      if (i >= only.size() || !only[i]) continue;
      std::memcpy(reinterpret_cast<unsigned char*>(base.values.get()) + keys[i].offset, bytesOf(record, keys[i]),
                  keys[i].size);
      base.known[i] = true;
    }
  });
}

std::vector<std::optional<Text>> baseTexts(TextView path) {
  const auto& keys = settingKeys();
  std::vector<std::optional<Text>> texts(keys.size());
  bases().with(path, [&](const Base& base) {
    if (base.known.size() != keys.size()) return;
    for (size_t i = 0; i < keys.size(); ++i)
      if (base.known[i]) texts[i] = storedText(*base.values, keys[i]);
  });
  return texts;
}

void rememberLastBytes(TextView path, std::string bytes) {
  lastBytes().with(path, [&](std::optional<std::string>& last) { last = std::move(bytes); });
}

bool isLastBytes(TextView path, const std::string& bytes) {
  return lastBytes().with(path, [&](const std::optional<std::string>& last) { return last && *last == bytes; });
}

void forgetBase(TextView path) {
  bases().with(path, [](Base& base) { base.known.clear(); });
}

}  // namespace ko
