#include "settings/file_as_seen.h"

#include <array>
#include <cstring>
#include <optional>
#include <vector>

#include "platform/per_file_memory.h"

namespace ko {
namespace {

struct SeenFile {
  std::array<std::optional<DpiInfo>, kDpiStageCount> stages;
  std::vector<Text> sections;
};

PerFileMemory<SeenFile>& seenFiles() {
  static PerFileMemory<SeenFile> files;
  return files;
}

bool validStage(int stage) { return stage >= 0 && stage < kDpiStageCount; }

}  // namespace

void rememberStageRecord(TextView path, int stage, const DpiInfo& record) {
  if (!validStage(stage)) return;
  seenFiles().with(path, [&](SeenFile& file) { file.stages[static_cast<size_t>(stage)] = record; });
}

bool isStageRecordAsSeen(TextView path, int stage, const DpiInfo& record) {
  if (!validStage(stage)) return false;
  return seenFiles().with(path, [&](SeenFile& file) {
    const std::optional<DpiInfo>& seen = file.stages[static_cast<size_t>(stage)];
    return seen && std::memcmp(&*seen, &record, sizeof(DpiInfo)) == 0;
  });
}

void forgetStageRecords(TextView path) {
  seenFiles().with(path, [](SeenFile& file) { file.stages = {}; });
}

void rememberSections(TextView path, const ini::Document& document) {
  std::vector<Text> sections = document.sectionNames();
  seenFiles().with(path, [&](SeenFile& file) { file.sections = std::move(sections); });
}

bool lostSectionsSince(TextView path, const ini::Document& now) {
  return seenFiles().with(path, [&](SeenFile& file) {
    for (const Text& name : file.sections)
      if (!now.hasSection(name)) return true;
    return false;
  });
}

}  // namespace ko
