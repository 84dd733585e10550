// Built on std::filesystem and the C stdio streams, which take wide paths on Windows and
// UTF-8 paths natively. Nothing here throws: every failure is a false or an empty result.
#include "platform/file_system.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace ko {
namespace fs = std::filesystem;

namespace {

#ifdef _WIN32
fs::path nativePath(TextView path) {
  return fs::path(std::wstring(reinterpret_cast<const wchar_t*>(path.data()), path.size()));
}
std::FILE* openFile(TextView path, const wchar_t* mode) {
  return _wfopen(nativePath(path).c_str(), mode);
}
#define KO_MODE(m) L##m
#else
// The program spells paths the Windows way; natively a backslash is a folder separator too,
// so paths built by the program reach the same files.
fs::path nativePath(TextView path) {
  std::string utf8 = toUtf8(path);
  std::replace(utf8.begin(), utf8.end(), '\\', '/');
  return fs::path(utf8);
}
std::FILE* openFile(TextView path, const char* mode) { return std::fopen(nativePath(path).c_str(), mode); }
#define KO_MODE(m) m
#endif

bool isFile(TextView path) {
  std::error_code ec;
  const auto status = fs::status(nativePath(path), ec);
  return !ec && fs::exists(status) && !fs::is_directory(status);
}

}  // namespace

bool readFileBytes(TextView path, std::string& bytes) {
  bytes.clear();
  // No look at the attributes first: that look can fail for a file held by another
  // program that the open itself, with its sharing, may well read.
  if (path.empty() || directoryExists(path)) return false;
  std::FILE* file = openFile(path, KO_MODE("rb"));
  if (!file) return false;
  char chunk[65536];
  bool ok = true;
  for (;;) {
    const size_t got = std::fread(chunk, 1, sizeof chunk, file);
    bytes.append(chunk, got);
    if (got < sizeof chunk) {
      ok = !std::ferror(file);
      break;
    }
  }
  std::fclose(file);
  if (!ok) bytes.clear();
  return ok;
}

bool writeFileBytes(TextView path, const std::string& bytes) {
  if (path.empty() || directoryExists(path)) return false;
  std::FILE* file = openFile(path, KO_MODE("wb"));
  if (!file) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  const bool closed = std::fclose(file) == 0;
  return written && closed;
}

bool fileExists(TextView path) { return !path.empty() && isFile(path); }

bool directoryExists(TextView path) {
  if (path.empty()) return false;
  std::error_code ec;
  return fs::is_directory(nativePath(path), ec);
}

bool createDirectories(TextView path) {
  if (path.empty()) return false;
  std::error_code ec;
  fs::create_directories(nativePath(path), ec);
  return directoryExists(path);
}

bool deleteFile(TextView path) {
  if (!fileExists(path)) return false;
  std::error_code ec;
  return fs::remove(nativePath(path), ec) && !ec;
}

bool copyFile(TextView source, TextView target) {
  if (!fileExists(source) || directoryExists(target)) return false;
  // Read and write rather than fs::copy_file: the same code on both builds, and a target
  // that exists is overwritten in place, keeping it where a reader expects it.
  std::string bytes;
  return readFileBytes(source, bytes) && writeFileBytes(target, bytes);
}

std::vector<Text> listFiles(TextView folder) {
  std::vector<Text> names;
  if (folder.empty()) return names;
  std::error_code ec;
  fs::directory_iterator it(nativePath(folder), ec);
  for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
    std::error_code typeError;
    if (it->is_directory(typeError)) continue;
#ifdef _WIN32
    const std::wstring name = it->path().filename().wstring();
    names.emplace_back(reinterpret_cast<const char16_t*>(name.data()), name.size());
#else
    names.push_back(u16(it->path().filename().string()));
#endif
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace ko
