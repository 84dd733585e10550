// The profile-string seam on the Windows functions themselves. The names and values a
// caller passes are held to the same rules as in the portable engine (ini_values.h), and
// three platform habits are evened out here: a new file is started with the UTF-16LE mark so
// that Windows writes it as UTF-16LE rather than in the ANSI code page, text the ANSI code
// page cannot hold turns an ANSI file UTF-16LE before it is written (Windows would write
// '?' for it), and a record read fills the caller's buffer only when the whole value
// checks out.
#include <windows.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>
#include "platform/file_system.h"
#include "platform/ini_text_codec.h"
#include "platform/ini_values.h"
#include "platform/profile_strings.h"

namespace ko {
namespace {

const wchar_t* wide(const Text& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }

// Creates a missing file holding only the byte-order mark; a file that exists is left
// alone. False when the file can be neither found nor made (a missing folder: nothing is
// created then).
bool ensureFileExists(const Text& path) {
  HANDLE file = CreateFileW(wide(path), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    return error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS;
  }
  static const unsigned char kByteOrderMark[2] = {0xFF, 0xFE};
  DWORD written = 0;
  const BOOL ok = WriteFile(file, kByteOrderMark, sizeof kByteOrderMark, &written, nullptr);
  CloseHandle(file);
  return ok && written == sizeof kByteOrderMark;
}

// Makes sure the file can take `texts` as they are: an ANSI file whose code page cannot
// hold one of them is rewritten as the same text in UTF-16LE, as the portable engine does.
// False when that rewrite failed (the file is then as it was).
bool fileHolds(const Text& path, std::initializer_list<TextView> texts) {
  std::string encoded;
  bool fits = true;
  for (TextView text : texts) fits = fits && ini::encodeAnsi(text, encoded);
  if (fits) return true;
  std::string bytes;
  if (!readFileBytes(path, bytes) || ini::detectEncoding(bytes) != ini::Encoding::Ansi) return true;
  return replaceFileContents(path, ini::encodeUtf16File(ini::decodeFile(bytes, ini::Encoding::Ansi)));
}

class Win32ProfileStrings final : public ProfileStrings {
 public:
  Text readString(TextView file, TextView section, TextView key, TextView fallback) override {
    const Text fallbackText(fallback.substr(0, fallback.find(u'\0')));
    std::vector<wchar_t> buffer(ini::kMaxValueLength + 1);
    const DWORD length = GetPrivateProfileStringW(wide(Text(section)), wide(Text(key)), wide(fallbackText),
                                                  buffer.data(), static_cast<DWORD>(buffer.size()), wide(Text(file)));
    Text value(reinterpret_cast<const char16_t*>(buffer.data()), length);
    // Windows hands back the fallback without its trailing spaces; the seam promises it whole.
    if (value.size() < fallbackText.size() && fallbackText.compare(0, value.size(), value) == 0 &&
        fallbackText.find_first_not_of(u' ', value.size()) == Text::npos) {
      return fallbackText;
    }
    return value;
  }

  bool writeString(TextView file, TextView section, TextView key, TextView value) override {
    const Text sectionName(ini::callerName(section));
    const Text keyName(ini::callerName(key));
    if (!ini::isWritableSection(sectionName) || !ini::isWritableKey(keyName)) return false;
    const Text path(file);
    const Text line(ini::singleLineValue(value));
    if (!ensureFileExists(path) || !fileHolds(path, {sectionName, keyName, line})) return false;
    return WritePrivateProfileStringW(wide(sectionName), wide(keyName), wide(line), wide(path)) != FALSE;
  }

  int32_t readInt(TextView file, TextView section, TextView key, int32_t fallback) override {
    const UINT value = GetPrivateProfileIntW(wide(Text(section)), wide(Text(key)), fallback, wide(Text(file)));
    return static_cast<int32_t>(value);
  }

  bool readStruct(TextView file, TextView section, TextView key, void* buffer, size_t size) override {
    if (size >= 0x7FFFFFF0u / 2) return false;
    const Text path(file);
    const Text sectionName(section);
    const Text keyName(key);
    // Windows takes a value one digit too long; the stored form is exactly 2 x (size + 1).
    const size_t digits = 2 * (size + 1);
    std::vector<wchar_t> text(digits + 2);
    const DWORD length = GetPrivateProfileStringW(wide(sectionName), wide(keyName), L"", text.data(),
                                                  static_cast<DWORD>(text.size()), wide(path));
    if (length != digits) return false;
    std::vector<unsigned char> bytes(size + 1);
    if (!GetPrivateProfileStructW(wide(sectionName), wide(keyName), bytes.data(), static_cast<UINT>(size),
                                  wide(path))) {
      return false;
    }
    std::copy(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(size), static_cast<unsigned char*>(buffer));
    return true;
  }

  bool writeStruct(TextView file, TextView section, TextView key, const void* bytes, size_t size) override {
    const Text sectionName(ini::callerName(section));
    const Text keyName(ini::callerName(key));
    if (!ini::isWritableSection(sectionName) || !ini::isWritableKey(keyName) || size > 0x7FFFFFF0u / 2) return false;
    const Text path(file);
    if (!ensureFileExists(path)) return false;
    return WritePrivateProfileStructW(wide(sectionName), wide(keyName), const_cast<void*>(bytes),
                                      static_cast<UINT>(size), wide(path)) != FALSE;
  }
};

}  // namespace

ProfileStrings& platformProfileStrings() {
  static Win32ProfileStrings strings;
  return strings;
}

}  // namespace ko
