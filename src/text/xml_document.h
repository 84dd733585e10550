// A small, read-only XML reader for the language file: it decodes a file in any common
// encoding to UTF-16, indexes the elements without building a tree of objects, and steps
// from a position to a child element by name.
#pragma once
#include <cstdint>
#include <memory>
#include <string_view>
#include "platform/wide_text.h"
#include "text/xml_element_index.h"

namespace ko {

class XmlDocument {
 public:
  // Files larger than this are not read.
  static constexpr size_t kMaxFileBytes = 64u << 20;

  XmlDocument();
  XmlDocument(const XmlDocument&) = delete;
  XmlDocument& operator=(const XmlDocument&) = delete;

  // Reads, decodes and indexes the whole file and resets the position. True when the file
  // was read and the document is well formed: at least one element, no error, and a root
  // element without siblings.
  bool load(TextView path);
  // The same for bytes already in memory; `forcedCodePage` (0 = detect) overrides the
  // encoding rules.
  bool loadBytes(std::string_view bytes, uint32_t forcedCodePage = 0);

  // With no main position, first moves onto the root element; then searches the children
  // of the main position after the current child position for the first element with
  // exactly this name (it ends at the first of " =/[]"; empty matches any element) and
  // makes it the child position. False, leaving the position alone, when there is none or
  // the document is not well formed.
  bool findChild(TextView name = {});
  // The child position becomes the main position (and the main position the parent).
  // False when there is no child position.
  bool enterChild();
  // Back to no position, as after a load: the next findChild starts at the root again.
  void rewind() { parent_ = main_ = child_ = 0; }
  // Text content of the child position with references decoded; "" when there is none.
  Text childText() const;
  // Name of the child position; empty when there is none.
  TextView childName() const;

  bool isWellFormed() const { return (flags_ & kWellFormed) != 0; }
  // One line about the last load: encoding notes, then the first problem found.
  const Text& diagnostic() const { return diagnostic_; }
  const Text& text() const { return text_; }

  // The element index, for walking every element: record 0 is the document.
  size_t elementCount() const { return index_->size(); }
  const XmlElementRecord& element(uint32_t number) const { return (*index_)[number]; }
  TextView elementName(uint32_t number) const;
  // Character data of an element (its own, not its children's), references decoded and
  // CDATA sections taken as written; comments and processing instructions left out.
  Text elementText(uint32_t number) const;

 private:
  enum Flags : uint32_t { kWellFormed = 1, kIllFormed = 2 };

  void reset(size_t textLength);
  void index();

  Text text_;
  Text diagnostic_;
  std::unique_ptr<XmlElementIndex> index_;
  uint32_t flags_ = 0;
  uint32_t parent_ = 0;
  uint32_t main_ = 0;
  uint32_t child_ = 0;
};

}  // namespace ko
