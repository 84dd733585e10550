#include "settings/settings_base.h"

#include <optional>
#include "platform/per_file_memory.h"
#include "settings/settings_keys.h"

namespace ko {
namespace {

using Base = std::vector<std::optional<Text>>;

PerFileMemory<Base>& bases() {
  static PerFileMemory<Base> files;
  return files;
}

PerFileMemory<std::optional<std::string>>& lastBytes() {
  static PerFileMemory<std::optional<std::string>> files;
  return files;
}

}  // namespace

std::vector<bool> changedSinceBase(TextView path, const SettingsRecord& record) {
  const auto& keys = settingKeys();
  std::vector<bool> changed(keys.size());
  for (size_t i = 0; i < keys.size(); ++i) changed[i] = !keys[i].serviceOwned;
  bases().with(path, [&](const Base& base) {
    if (base.size() != keys.size()) return;
    for (size_t i = 0; i < keys.size(); ++i)
      changed[i] = !keys[i].serviceOwned && (!base[i] || *base[i] != storedText(record, keys[i]));
  });
  return changed;
}

void rememberBase(TextView path, const SettingsRecord& record) {
  rememberBase(path, record, std::vector<bool>(settingKeys().size(), true));
}

void rememberBase(TextView path, const SettingsRecord& record, const std::vector<bool>& only) {
  const auto& keys = settingKeys();
  bases().with(path, [&](Base& base) {
    base.resize(keys.size());
    for (size_t i = 0; i < keys.size(); ++i)
      if (i < only.size() && only[i]) base[i] = storedText(record, keys[i]);
  });
}

std::vector<std::optional<Text>> baseTexts(TextView path) {
  std::vector<std::optional<Text>> texts(settingKeys().size());
  bases().with(path, [&](const Base& base) {
    if (base.size() == texts.size()) texts = base;
  });
  return texts;
}

void rememberLastBytes(TextView path, const std::string& bytes) {
  lastBytes().with(path, [&](std::optional<std::string>& last) { last = bytes; });
}

bool isLastBytes(TextView path, const std::string& bytes) {
  return lastBytes().with(path, [&](const std::optional<std::string>& last) { return last && *last == bytes; });
}

void forgetBase(TextView path) {
  bases().with(path, [](Base& base) { base.clear(); });
}

}  // namespace ko
