// Arbitrary bytes as a language file: decoding, indexing, walking every element and the
// lookups the program makes must never crash or read outside the text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include "text/xml_document.h"

namespace {

void check(bool condition) {
  if (!condition) std::abort();
}

// Every record's ranges lie in the text and its links point at records that exist, with
// children naming their parent.
void walkIndex(const ko::XmlDocument& document) {
  const size_t length = document.text().size();
  const size_t count = document.elementCount();
  check(count >= 1);
  for (uint32_t number = 1; number < count; ++number) {
    const ko::XmlElementRecord& record = document.element(number);
    check(record.nameStart + static_cast<size_t>(record.nameLength) <= length);
    check(record.start < record.contentStart && record.contentStart <= length);
    check(record.contentEnd <= record.end && record.end <= length);
    check(record.parent < count && record.firstChild < count && record.nextSibling < count);
    for (uint32_t child = record.firstChild; child != 0; child = document.element(child).nextSibling)
      check(document.element(child).parent == number);
    (void)document.elementName(number);
    (void)document.elementText(number);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  ko::XmlDocument document;
  const bool wellFormed = document.loadBytes(bytes);
  check(wellFormed == document.isWellFormed());
  check(!document.diagnostic().empty());
  walkIndex(document);

  // The program's own lookups: a section, its nested sections, a key; then any child.
  if (document.findChild(u"BUTTONPAGE") && document.enterChild()) {
    while (!document.findChild(u"CLICK")) {
      if (!document.findChild(u"BUTTONPAGE") || !document.enterChild()) break;
    }
    (void)document.childText();
  }
  for (int depth = 0; depth < 8 && document.findChild(); ++depth) {
    (void)document.childText();
    (void)document.childName();
    if (!document.enterChild()) break;
  }
  return 0;
}
