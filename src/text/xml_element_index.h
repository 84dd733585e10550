// The element index of an XML document: one record per element, pointing into the text,
// linked to its parent, first child and next sibling. Record 0 stands for the document.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace ko {

struct XmlElementRecord {
  uint32_t start = 0;         // offset of the "<" of the start tag
  uint32_t nameStart = 0;     // offset and length of the element name
  uint32_t nameLength = 0;
  uint32_t contentStart = 0;  // first unit after the start tag
  uint32_t contentEnd = 0;    // the "<" of the end tag (contentStart for an empty element)
  uint32_t end = 0;           // first unit after the element
  uint32_t parent = 0;        // links: record numbers, 0 = none
  uint32_t firstChild = 0;
  uint32_t nextSibling = 0;
  uint32_t lastChild = 0;     // kept while indexing so children are appended in order
  bool ended = false;         // its end tag (or "/>") was seen
};

// Records live in blocks that never move once allocated, so the index grows without
// copying what it already holds.
class XmlElementIndex {
 public:
  // Starts with room for `initialCapacity` records and only record 0 in use.
  explicit XmlElementIndex(size_t initialCapacity = 8);
  XmlElementIndex(const XmlElementIndex&) = delete;
  XmlElementIndex& operator=(const XmlElementIndex&) = delete;

  size_t size() const { return size_; }
  // Appends a record (all zero) and returns its number.
  uint32_t add();
  XmlElementRecord& operator[](uint32_t number) { return blocks_[number / blockSize_][number % blockSize_]; }
  const XmlElementRecord& operator[](uint32_t number) const { return blocks_[number / blockSize_][number % blockSize_]; }

 private:
  size_t blockSize_;
  size_t size_ = 0;
  std::vector<std::unique_ptr<XmlElementRecord[]>> blocks_;
};

}  // namespace ko
