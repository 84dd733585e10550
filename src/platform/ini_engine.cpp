#include "platform/ini_engine.h"

#include <string>
#include "platform/file_system.h"

namespace ko::ini {

LoadResult loadDocument(TextView path, Document& document) {
  std::string bytes;
  if (readFileBytes(path, bytes)) {
    document = Document::fromBytes(bytes);
    return LoadResult::Loaded;
  }
  document = Document();
  return fileExists(path) || directoryExists(path) ? LoadResult::Unreadable : LoadResult::Missing;
}

bool saveDocument(TextView path, const Document& document) { return writeFileBytes(path, document.toBytes()); }

namespace {

class PortableProfileStrings final : public ProfileStrings {
 public:
  Text readString(TextView file, TextView section, TextView key, TextView fallback) override {
    Document document;
    if (loadDocument(file, document) != LoadResult::Loaded) return Text(fallback);
    return document.readString(section, key, fallback);
  }

  int32_t readInt(TextView file, TextView section, TextView key, int32_t fallback) override {
    Document document;
    if (loadDocument(file, document) != LoadResult::Loaded) return fallback;
    return document.readInt(section, key, fallback);
  }

  bool readStruct(TextView file, TextView section, TextView key, void* buffer, size_t size) override {
    Document document;
    if (loadDocument(file, document) != LoadResult::Loaded) return false;
    return document.readStruct(section, key, buffer, size);
  }

  bool writeString(TextView file, TextView section, TextView key, TextView value) override {
    return update(file, [&](Document& document) { return document.writeString(section, key, value); });
  }

  bool writeStruct(TextView file, TextView section, TextView key, const void* bytes, size_t size) override {
    return update(file, [&](Document& document) { return document.writeStruct(section, key, bytes, size); });
  }

 private:
  template <typename Change>
  static bool update(TextView file, Change change) {
    Document document;
    // A file that exists but cannot be read is never replaced by one holding only this key.
    if (loadDocument(file, document) == LoadResult::Unreadable) return false;
    return change(document) && saveDocument(file, document);
  }
};

}  // namespace
}  // namespace ko::ini

namespace ko {

ProfileStrings& portableProfileStrings() {
  static ini::PortableProfileStrings engine;
  return engine;
}

}  // namespace ko
