#include <gtest/gtest.h>

#include <set>
#include "settings/function_catalogue.h"
#include "platform/wide_text.h"
#include "settings/factory_assignments.h"
#include "text/text_keys.h"

namespace ko {
namespace {

TEST(FunctionCatalogue, CodesAreUniqueInOrderAndLabelledWithKnownTexts) {
  std::set<TextView> keys(std::begin(kInterfaceTextKeys), std::end(kInterfaceTextKeys));
  int previous = 0;
  for (const CatalogueEntry& entry : kFunctionCatalogue) {
    EXPECT_GT(entry.code, previous) << "in code order, each once";
    previous = entry.code;
    if (entry.labelKey) {
      EXPECT_EQ(keys.count(entry.labelKey), 1u) << int(entry.code);
    }
  }
}

TEST(FunctionCatalogue, TheKeptCodesAreExactlyTheOnesALoadedFileMayCarry) {
  const std::set<int> kept = {1,  2,  3,  4,  5,  6,  7,  9,  10, 11, 12, 13, 14, 15,  21,  23,  24,  25,
                              32, 33, 34, 35, 36, 37, 38, 39, 48, 49, 50, 51, 64, 65,  66,  67,  68,  69,
                              70, 71, 72, 80, 81, 82, 83, 84, 85, 99, 100, 101, 113, 114, 115, 116, 117};
  for (int code = 0; code < 256; ++code)
    EXPECT_EQ(isStorableFunctionCode(static_cast<uint8_t>(code)), kept.count(code) == 1) << code;
  ASSERT_NE(findCatalogueEntry(96), nullptr) << "96 has a label though a load drops it";
  EXPECT_EQ(TextView(findCatalogueEntry(96)->labelKey), u"DPIFUN");
  EXPECT_EQ(findCatalogueEntry(0), nullptr);
  EXPECT_EQ(findCatalogueEntry(8), nullptr) << "a sub-menu identifier, never a function";
}

}  // namespace
}  // namespace ko
