#include "text/xml_document.h"
#include "text/character_references.h"
#include "text/document_file.h"
#include "text/text_encoding.h"
#include "text/xml_indexer.h"

namespace ko {
namespace {

// The part of a name that find child compares.
TextView searchName(TextView name) {
  const size_t end = name.find_first_of(u" =/[]");
  return end == TextView::npos ? name : name.substr(0, end);
}

// Appends the character data of one stretch of content that holds no child element.
void appendCharacterData(TextView content, Text& out) {
  size_t i = 0;
  while (i < content.size()) {
    const size_t lt = content.find(u'<', i);
    out += DecodeCharacterReferences(content.substr(i, lt == TextView::npos ? TextView::npos : lt - i));
    if (lt == TextView::npos) return;
    TextView rest = content.substr(lt);
    auto skipPast = [&](TextView terminator, size_t from) {
      const size_t end = rest.find(terminator, from);
      return end == TextView::npos ? content.size() : lt + end + terminator.size();
    };
    if (rest.substr(0, 9) == u"<![CDATA[") {
      const size_t end = rest.find(u"]]>", 9);
      out += rest.substr(9, end == TextView::npos ? TextView::npos : end - 9);
      i = end == TextView::npos ? content.size() : lt + end + 3;
    } else if (rest.substr(0, 4) == u"<!--") {
      i = skipPast(u"-->", 4);
    } else if (rest.substr(0, 2) == u"<?") {
      i = skipPast(u"?>", 2);
    } else if (rest.substr(0, 2) == u"<!") {
      i = skipPast(u">", 2);
    } else {
      out.push_back(u'<');
      i = lt + 1;
    }
  }
}

}  // namespace

XmlDocument::XmlDocument() : index_(std::make_unique<XmlElementIndex>()) {}

void XmlDocument::reset(size_t textLength) {
  index_ = std::make_unique<XmlElementIndex>(textLength / 64 + 8);
  flags_ = 0;
  parent_ = main_ = child_ = 0;
}

bool XmlDocument::load(TextView path) {
  std::string bytes;
  switch (ReadDocumentFile(path, bytes, kMaxFileBytes)) {
    case DocumentFileResult::Read:
      return loadBytes(bytes);
    case DocumentFileResult::TooLarge:
      text_.clear();
      reset(0);
      flags_ = kIllFormed;
      diagnostic_ = u"File too large to read";
      return false;
    case DocumentFileResult::Missing:
      break;
  }
  text_.clear();
  reset(0);
  flags_ = kIllFormed;
  diagnostic_ = u"File not found";
  return false;
}

bool XmlDocument::loadBytes(std::string_view bytes, uint32_t forcedCodePage) {
  DecodedText decoded = DecodeTextBytes(bytes, forcedCodePage);
  text_ = std::move(decoded.text);
  diagnostic_ = std::move(decoded.notes);
  reset(text_.size());
  index();
  return isWellFormed();
}

void XmlDocument::index() {
  if (text_.empty()) {
    flags_ = kIllFormed;
    diagnostic_ += u"Empty document";
    return;
  }
  const Text error = IndexXmlText(text_, *index_);
  const uint32_t root = (*index_)[0].firstChild;
  if (!error.empty()) {
    diagnostic_ += error;
  } else if (root == 0) {
    diagnostic_ += u"No root element";
  } else if ((*index_)[root].nextSibling != 0) {
    diagnostic_ += u"Root element has sibling";
  } else {
    flags_ = kWellFormed;
    return;
  }
  flags_ = kIllFormed;
}

bool XmlDocument::findChild(TextView name) {
  if (!isWellFormed()) return false;
  if (main_ == 0) {
    main_ = (*index_)[0].firstChild;
    parent_ = 0;
    child_ = 0;
  }
  const TextView wanted = searchName(name);
  uint32_t candidate = child_ != 0 ? (*index_)[child_].nextSibling : (*index_)[main_].firstChild;
  for (; candidate != 0; candidate = (*index_)[candidate].nextSibling) {
    if (wanted.empty() || elementName(candidate) == wanted) {
      child_ = candidate;
      return true;
    }
  }
  return false;
}

bool XmlDocument::enterChild() {
  if (child_ == 0) return false;
  parent_ = main_;
  main_ = child_;
  child_ = 0;
  return true;
}

Text XmlDocument::childText() const { return child_ != 0 ? elementText(child_) : Text(); }

TextView XmlDocument::childName() const { return child_ != 0 ? elementName(child_) : TextView(); }

TextView XmlDocument::elementName(uint32_t number) const {
  if (number == 0 || number >= index_->size()) return {};
  const XmlElementRecord& record = (*index_)[number];
  return TextView(text_).substr(record.nameStart, record.nameLength);
}

Text XmlDocument::elementText(uint32_t number) const {
  if (number == 0 || number >= index_->size()) return {};
  const XmlElementRecord& record = (*index_)[number];
  const TextView text(text_);
  Text out;
  size_t at = record.contentStart;
  for (uint32_t child = record.firstChild; child != 0; child = (*index_)[child].nextSibling) {
    const XmlElementRecord& inner = (*index_)[child];
    if (inner.start > at) appendCharacterData(text.substr(at, inner.start - at), out);
    if (inner.end > at) at = inner.end;
  }
  if (record.contentEnd > at) appendCharacterData(text.substr(at, record.contentEnd - at), out);
  return out;
}

}  // namespace ko
