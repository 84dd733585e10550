#include "log_line.h"

#include <cinttypes>
#include <cstdio>

namespace service_sim {

uint64_t fnv1a64(const unsigned char* bytes, size_t size) {
  uint64_t hash = 0xcbf29ce484222325ull;
  for (size_t i = 0; i < size; ++i) {
    hash ^= bytes[i];
    hash *= 0x100000001b3ull;
  }
  return hash;
}

std::string receivedLine(uint32_t message, uint32_t wParam, int32_t lParam, const std::optional<FileDigest>& settings) {
  char text[96];
  if (settings) {
    std::snprintf(text, sizeof text, "%" PRIu32 " %" PRIu32 " %" PRId32 " %016" PRIx64 " %" PRIu64 "\n", message, wParam,
                  lParam, settings->fnv1a64, settings->size);
  } else {
    std::snprintf(text, sizeof text, "%" PRIu32 " %" PRIu32 " %" PRId32 " absent 0\n", message, wParam, lParam);
  }
  return text;
}

}  // namespace service_sim
