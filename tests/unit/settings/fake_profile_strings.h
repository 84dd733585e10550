// An in-memory profile-string backend for the settings tests: one ordered INI image per
// file, names compared without case, and a log of every access in call order, so tests can
// assert exactly which keys a routine reads and writes, and in what order.
#pragma once
#include <cstdio>
#include <string>
#include <vector>
#include "platform/profile_strings.h"
#include "platform/wide_text.h"

namespace ko::test {

class FakeProfileStrings final : public ProfileStrings {
 public:
  struct Entry {
    Text key;
    Text value;
  };
  struct Section {
    Text name;
    std::vector<Entry> entries;
  };
  struct File {
    Text path;
    std::vector<Section> sections;
  };
  // One access: "read"/"write", section and key.
  struct Access {
    std::string kind;
    Text section;
    Text key;
  };

  Text readString(TextView file, TextView section, TextView key, TextView fallback) override {
    log("read", section, key);
    const Entry* e = find(file, section, key);
    if (!e) return Text(fallback);
    return e->value.substr(0, 4095);
  }

  bool writeString(TextView file, TextView section, TextView key, TextView value) override {
    log("write", section, key);
    if (failWrites) return false;
    Section& s = sectionOf(fileOf(file), section);
    for (auto& e : s.entries)
      if (equalsNoCase(e.key, key)) { e.value = Text(value); return true; }
    s.entries.push_back({Text(key), Text(value)});
    return true;
  }

  int32_t readInt(TextView file, TextView section, TextView key, int32_t fallback) override {
    log("read", section, key);
    const Entry* e = find(file, section, key);
    if (!e || e->value.empty()) return fallback;
    size_t i = 0;
    bool negative = false;
    if (e->value[0] == u'-') { negative = true; i = 1; }
    uint32_t v = 0;
    for (; i < e->value.size() && e->value[i] >= u'0' && e->value[i] <= u'9'; ++i) v = v * 10 + (e->value[i] - u'0');
    return static_cast<int32_t>(negative ? 0u - v : v);
  }

  bool readStruct(TextView file, TextView section, TextView key, void* buffer, size_t size) override {
    log("read", section, key);
    const Entry* e = find(file, section, key);
    if (!e || e->value.size() != 2 * (size + 1)) return false;
    std::vector<unsigned char> bytes(size + 1);
    for (size_t i = 0; i <= size; ++i) {
      int hi = hex(e->value[2 * i]), lo = hex(e->value[2 * i + 1]);
      if (hi < 0 || lo < 0) return false;
      bytes[i] = static_cast<unsigned char>(hi * 16 + lo);
    }
    unsigned sum = 0;
    for (size_t i = 0; i < size; ++i) sum += bytes[i];
    if ((sum & 0xFF) != bytes[size]) return false;
    std::copy(bytes.begin(), bytes.begin() + size, static_cast<unsigned char*>(buffer));
    return true;
  }

  bool writeStruct(TextView file, TextView section, TextView key, const void* bytes, size_t size) override {
    const auto* p = static_cast<const unsigned char*>(bytes);
    Text value;
    unsigned sum = 0;
    char pair[3];
    for (size_t i = 0; i <= size; ++i) {
      const unsigned b = i < size ? p[i] : (sum & 0xFF);
      if (i < size) sum += b;
      std::snprintf(pair, sizeof pair, "%02X", b);
      value += u16(pair);
    }
    return writeString(file, section, key, value);
  }

  // Test set-up: a value as a file would hold it, without logging.
  void put(TextView file, TextView section, TextView key, TextView value) {
    Section& s = sectionOf(fileOf(file), section);
    for (auto& e : s.entries)
      if (equalsNoCase(e.key, key)) { e.value = Text(value); return; }
    s.entries.push_back({Text(key), Text(value)});
  }
  const Text* value(TextView file, TextView section, TextView key) const {
    const Entry* e = find(file, section, key);
    return e ? &e->value : nullptr;
  }
  const File* file(TextView path) const {
    for (auto& f : files_)
      if (f.path == path) return &f;
    return nullptr;
  }
  // The file as INI text (UTF-8), e.g. to snapshot it when the service is told.
  std::string dump(TextView path) const {
    std::string out;
    if (const File* f = file(path))
      for (auto& s : f->sections) {
        out += "[" + toUtf8(s.name) + "]\n";
        for (auto& e : s.entries) out += toUtf8(e.key) + "=" + toUtf8(e.value) + "\n";
      }
    return out;
  }
  std::vector<Access> accesses(const std::string& kind) const {
    std::vector<Access> out;
    for (auto& a : log_)
      if (a.kind == kind) out.push_back(a);
    return out;
  }
  void clearLog() { log_.clear(); }

  bool failWrites = false;

 private:
  static int hex(char16_t c) {
    if (c >= u'0' && c <= u'9') return c - u'0';
    if (c >= u'A' && c <= u'F') return c - u'A' + 10;
    if (c >= u'a' && c <= u'f') return c - u'a' + 10;
    return -1;
  }
  void log(const char* kind, TextView section, TextView key) { log_.push_back({kind, Text(section), Text(key)}); }
  const Entry* find(TextView path, TextView section, TextView key) const {
    const File* f = file(path);
    if (!f) return nullptr;
    for (auto& s : f->sections)
      if (equalsNoCase(s.name, section))
        for (auto& e : s.entries)
          if (equalsNoCase(e.key, key)) return &e;
    return nullptr;
  }
  File& fileOf(TextView path) {
    for (auto& f : files_)
      if (f.path == path) return f;
    files_.push_back({Text(path), {}});
    return files_.back();
  }
  static Section& sectionOf(File& f, TextView name) {
    for (auto& s : f.sections)
      if (equalsNoCase(s.name, name)) return s;
    f.sections.push_back({Text(name), {}});
    return f.sections.back();
  }

  std::vector<File> files_;
  std::vector<Access> log_;
};

}  // namespace ko::test
