#include "text/xml_element_index.h"

namespace ko {

XmlElementIndex::XmlElementIndex(size_t initialCapacity) : blockSize_(initialCapacity < 8 ? 8 : initialCapacity) {
  add();  // the document itself
}

uint32_t XmlElementIndex::add() {
  if (size_ == blocks_.size() * blockSize_) blocks_.push_back(std::make_unique<XmlElementRecord[]>(blockSize_));
  const uint32_t number = static_cast<uint32_t>(size_++);
  (*this)[number] = XmlElementRecord{};
  return number;
}

}  // namespace ko
