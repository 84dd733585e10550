// One line of the simulator's log. Each message the service receives is written with a
// digest of the settings file as it was at that moment, so a test can tell whether the
// program finished its save before it sent the message:
//   "<message> <wParam> <lParam> <FNV-1a 64 of Mouse.ini, 16 hex digits> <size in bytes>"
//   "<message> <wParam> <lParam> absent 0"          when there is no Mouse.ini
// Lines starting with "#" are notes of the simulator itself.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace service_sim {

struct FileDigest {
  uint64_t fnv1a64;
  uint64_t size;
};

uint64_t fnv1a64(const unsigned char* bytes, size_t size);

std::string receivedLine(uint32_t message, uint32_t wParam, int32_t lParam, const std::optional<FileDigest>& settings);

}  // namespace service_sim
