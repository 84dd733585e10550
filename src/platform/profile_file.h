// The one access object for every INI file of the program: the settings file, profile
// files, macro files and skin layout files. It holds the file path and nothing else of its
// own; every call goes to the profile-string seam.
#pragma once
#include <cstddef>
#include <cstdint>
#include "platform/profile_strings.h"
#include "platform/wide_text.h"

namespace ko {

class ProfileFile {
 public:
  explicit ProfileFile(Text path, ProfileStrings& strings = platformProfileStrings())
      : path_(std::move(path)), strings_(&strings) {}

  const Text& path() const { return path_; }

  Text readString(TextView section, TextView key, TextView fallback = u"") const {
    return strings_->readString(path_, section, key, fallback);
  }
  bool writeString(TextView section, TextView key, TextView value) const {
    return strings_->writeString(path_, section, key, value);
  }
  int32_t readInt(TextView section, TextView key, int32_t fallback) const {
    return strings_->readInt(path_, section, key, fallback);
  }
  bool writeInt(TextView section, TextView key, int32_t value) const {
    return strings_->writeString(path_, section, key, decimal(value));
  }
  bool readStruct(TextView section, TextView key, void* buffer, size_t size) const {
    return strings_->readStruct(path_, section, key, buffer, size);
  }
  bool writeStruct(TextView section, TextView key, const void* bytes, size_t size) const {
    return strings_->writeStruct(path_, section, key, bytes, size);
  }

 private:
  Text path_;
  ProfileStrings* strings_;
};

}  // namespace ko
