#include <gtest/gtest.h>

#include <cstring>

#include "log_line.h"

namespace service_sim {
namespace {

uint64_t hashOf(const char* text) {
  return fnv1a64(reinterpret_cast<const unsigned char*>(text), std::strlen(text));
}

TEST(LogLineTest, DigestIsFnv1a64) {
  // Published reference values: a test script recomputes the digest to compare.
  EXPECT_EQ(hashOf(""), 0xcbf29ce484222325ull);
  EXPECT_EQ(hashOf("a"), 0xaf63dc4c8601ec8cull);
  EXPECT_EQ(hashOf("foobar"), 0x85944171f73967e8ull);
  const unsigned char highBytes[] = {0xFF, 0x00, 0x80};
  EXPECT_NE(fnv1a64(highBytes, 3), fnv1a64(highBytes, 2));
}

TEST(LogLineTest, LineHoldsMessageParametersDigestAndSize) {
  EXPECT_EQ(receivedLine(1299, 2, 5, FileDigest{0x0123456789abcdefull, 2048}), "1299 2 5 0123456789abcdef 2048\n");
  // Digits keep their leading zeros so every digest has the same width.
  EXPECT_EQ(receivedLine(1227, 0, 0, FileDigest{0x1f, 0}), "1227 0 0 000000000000001f 0\n");
  EXPECT_EQ(receivedLine(1297, 255, 255, std::nullopt), "1297 255 255 absent 0\n");
  // wParam is unsigned, lParam signed, as the window procedure sees them.
  EXPECT_EQ(receivedLine(1277, 0xFFFFFFFFu, -1, std::nullopt), "1277 4294967295 -1 absent 0\n");
  EXPECT_EQ(receivedLine(0xBFFF, 0, INT32_MIN, FileDigest{~0ull, UINT32_MAX + 1ull}),
            "49151 0 -2147483648 ffffffffffffffff 4294967296\n");
}

}  // namespace
}  // namespace service_sim
