#include "settings/file_as_seen.h"

#include <array>
#include <cstring>
#include <map>
#include <mutex>
#include <optional>
#include <vector>

namespace ko {
namespace {

struct SeenFile {
  std::array<std::optional<DpiInfo>, kDpiStageCount> stages;
  std::vector<Text> sections;
};

// The files are the settings file and the profile files the user exports and imports: a
// handful of entries.
class SeenFiles {
 public:
  template <typename Use>
  auto with(TextView path, Use use) {
    const std::lock_guard<std::mutex> lock(mutex_);
    return use(files_[Text(path)]);
  }

 private:
  std::mutex mutex_;
  std::map<Text, SeenFile> files_;
};

SeenFiles& seenFiles() {
  static SeenFiles files;
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
