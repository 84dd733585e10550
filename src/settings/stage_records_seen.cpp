#include "settings/stage_records_seen.h"

#include <array>
#include <cstring>
#include <map>
#include <mutex>
#include <optional>

namespace ko {
namespace {

using SeenRecords = std::array<std::optional<DpiInfo>, kDpiStageCount>;

// The files are the settings file and the profile files the user exports and imports: a
// handful of entries.
std::map<Text, SeenRecords>& seenByFile() {
  static std::map<Text, SeenRecords> seen;
  return seen;
}
std::mutex& seenMutex() {
  static std::mutex mutex;
  return mutex;
}

bool validStage(int stage) { return stage >= 0 && stage < kDpiStageCount; }

}  // namespace

void rememberStageRecord(TextView path, int stage, const DpiInfo& record) {
  if (!validStage(stage)) return;
  const std::lock_guard<std::mutex> lock(seenMutex());
  seenByFile()[Text(path)][static_cast<size_t>(stage)] = record;
}

bool isStageRecordAsSeen(TextView path, int stage, const DpiInfo& record) {
  if (!validStage(stage)) return false;
  const std::lock_guard<std::mutex> lock(seenMutex());
  const auto file = seenByFile().find(Text(path));
  if (file == seenByFile().end()) return false;
  const std::optional<DpiInfo>& seen = file->second[static_cast<size_t>(stage)];
  return seen && std::memcmp(&*seen, &record, sizeof(DpiInfo)) == 0;
}

void forgetStageRecords(TextView path) {
  const std::lock_guard<std::mutex> lock(seenMutex());
  seenByFile().erase(Text(path));
}

}  // namespace ko
