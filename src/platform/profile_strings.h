// The profile-string seam: the platform's INI functions, one call per file access.
// Two implementations keep the same observable behaviour (checked by one contract suite):
// the Win32 one on GetPrivateProfileStringW and friends, and the portable INI engine.
#pragma once
#include <cstddef>
#include <cstdint>
#include "platform/wide_text.h"

namespace ko {

class ProfileStrings {
 public:
  virtual ~ProfileStrings() = default;

  // The value of key in section, at most 4095 units (a 4096-unit buffer), or `fallback`
  // when the file, section or key is missing.
  virtual Text readString(TextView file, TextView section, TextView key, TextView fallback) = 0;
  // Replaces the key's value in place, appends it at the end of its section, or adds the
  // section at the end of the file. False when the file cannot be written.
  virtual bool writeString(TextView file, TextView section, TextView key, TextView value) = 0;
  // Optional sign and leading digits of the value; `fallback` when missing or empty.
  virtual int32_t readInt(TextView file, TextView section, TextView key, int32_t fallback) = 0;
  // Upper-case hex byte pairs plus a checksum pair; true only for exactly 2 x (size + 1)
  // digits whose checksum matches, and only then is `buffer` filled.
  virtual bool readStruct(TextView file, TextView section, TextView key, void* buffer, size_t size) = 0;
  virtual bool writeStruct(TextView file, TextView section, TextView key, const void* bytes, size_t size) = 0;
};

// The implementation the program uses: Win32 on Windows, the portable engine natively.
ProfileStrings& platformProfileStrings();
// The portable INI engine, available on both builds (tests compare it with the platform).
ProfileStrings& portableProfileStrings();

}  // namespace ko
