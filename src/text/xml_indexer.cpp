#include "text/xml_indexer.h"
#include <vector>

namespace ko {
namespace {

bool isSpace(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }

bool startsWith(TextView text, size_t at, TextView prefix) { return text.substr(at, prefix.size()) == prefix; }

bool startsWithNoCase(TextView text, size_t at, TextView upperPrefix) {
  if (text.size() - at < upperPrefix.size()) return false;
  for (size_t i = 0; i < upperPrefix.size(); ++i) {
    char16_t c = text[at + i];
    if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - 32);
    if (c != upperPrefix[i]) return false;
  }
  return true;
}

Text offsetText(size_t offset) { return u" at offset " + decimal(static_cast<int32_t>(offset)); }

class Indexer {
 public:
  Indexer(TextView text, XmlElementIndex& index) : text_(text), index_(index) {}

  Text run() {
    size_t i = 0;
    while (error_.empty()) {
      const size_t lt = text_.find(u'<', i);
      if (lt == TextView::npos) break;
      i = markup(lt);
    }
    closeRemaining();
    return error_;
  }

 private:
  // Handles the markup starting with the "<" at `at`; returns where reading goes on.
  size_t markup(size_t at) {
    const char16_t next = at + 1 < text_.size() ? text_[at + 1] : 0;
    if (next == u'!') return bang(at);
    if (next == u'?') return skipTo(at, u"?>", u"Processing instruction");
    if (next == u'/') return endTag(at);
    if (IsXmlNameStart(next)) return startTag(at);
    fail(u"Incorrect tag name character" + offsetText(at + 1));
    return text_.size();
  }

  size_t bang(size_t at) {
    if (startsWith(text_, at, u"<!--")) return skipTo(at, u"-->", u"Comment");
    if (startsWith(text_, at, u"<!-")) {
      fail(u"Incorrect comment tag" + offsetText(at));
      return text_.size();
    }
    if (startsWith(text_, at, u"<![CDATA[")) return skipTo(at, u"]]>", u"CDATA Section");
    if (startsWithNoCase(text_, at, u"<!DOCTYPE")) return doctype(at);
    fail(u"Incorrect ! tag" + offsetText(at));
    return text_.size();
  }

  size_t skipTo(size_t at, TextView terminator, TextView what) {
    const size_t end = text_.find(terminator, at + 2);
    if (end == TextView::npos) {
      fail(Text(what) + u" unterminated" + offsetText(at));
      return text_.size();
    }
    return end + terminator.size();
  }

  // The declaration may hold an internal subset in brackets and quoted literals, either
  // of which may contain ">". Comments and processing instructions in the subset are
  // free text: a quote or bracket there (a translator's "don't") opens or closes nothing.
  size_t doctype(size_t at) {
    int depth = 0;
    char16_t quote = 0;
    for (size_t i = at + 9; i < text_.size(); ++i) {
      const char16_t c = text_[i];
      if (quote != 0) {
        if (c == quote) quote = 0;
      } else if (depth > 0 && (startsWith(text_, i, u"<!--") || startsWith(text_, i, u"<?"))) {
        const bool comment = text_[i + 1] == u'!';
        const size_t end = text_.find(comment ? u"-->" : u"?>", i + (comment ? 4 : 2));
        if (end == TextView::npos) break;
        i = end + (comment ? 2 : 1);
      } else if (c == u'"' || c == u'\'') {
        quote = c;
      } else if (c == u'[') {
        ++depth;
      } else if (c == u']') {
        if (depth > 0) --depth;
      } else if (c == u'>' && depth == 0) {
        return i + 1;
      }
    }
    fail(u"Doctype unterminated" + offsetText(at));
    return text_.size();
  }

  size_t nameEnd(size_t from) const {
    size_t i = from;
    while (i < text_.size() && IsXmlNameChar(text_[i])) ++i;
    return i;
  }

  size_t startTag(size_t at) {
    const size_t nameStart = at + 1;
    const size_t afterName = nameEnd(nameStart);
    if (afterName < text_.size() && !isSpace(text_[afterName]) && text_[afterName] != u'/' && text_[afterName] != u'>') {
      fail(u"Incorrect tag name character" + offsetText(afterName));
      return text_.size();
    }
    size_t gt = TextView::npos;
    char16_t quote = 0;
    for (size_t i = afterName; i < text_.size(); ++i) {
      const char16_t c = text_[i];
      if (quote != 0) {
        if (c == quote) quote = 0;
      } else if (c == u'"' || c == u'\'') {
        quote = c;
      } else if (c == u'>') {
        gt = i;
        break;
      } else if (c == u'<') {
        break;
      }
    }
    if (gt == TextView::npos) {
      fail(u"Element tag unterminated" + offsetText(at));
      return text_.size();
    }
    const uint32_t parent = open_.empty() ? 0 : open_.back();
    const uint32_t number = index_.add();
    XmlElementRecord& record = index_[number];
    record.start = static_cast<uint32_t>(at);
    record.nameStart = static_cast<uint32_t>(nameStart);
    record.nameLength = static_cast<uint32_t>(afterName - nameStart);
    record.contentStart = static_cast<uint32_t>(gt + 1);
    record.parent = parent;
    XmlElementRecord& parentRecord = index_[parent];
    if (parentRecord.lastChild != 0) index_[parentRecord.lastChild].nextSibling = number;
    else parentRecord.firstChild = number;
    parentRecord.lastChild = number;
    if (text_[gt - 1] == u'/' && gt - 1 >= afterName) {
      record.contentEnd = record.contentStart;
      record.end = record.contentStart;
      record.ended = true;
    } else {
      open_.push_back(number);
    }
    return gt + 1;
  }

  TextView nameOf(uint32_t number) const {
    const XmlElementRecord& record = index_[number];
    return text_.substr(record.nameStart, record.nameLength);
  }

  size_t endTag(size_t at) {
    const size_t nameStart = at + 2;
    if (nameStart >= text_.size()) {
      fail(u"Element end tag unterminated" + offsetText(at));
      return text_.size();
    }
    if (!IsXmlNameStart(text_[nameStart])) {
      fail(u"Incorrect tag name character" + offsetText(nameStart));
      return text_.size();
    }
    const size_t afterName = nameEnd(nameStart);
    size_t i = afterName;
    while (i < text_.size() && isSpace(text_[i])) ++i;
    if (i >= text_.size()) {
      fail(u"Element end tag unterminated" + offsetText(at));
      return text_.size();
    }
    if (text_[i] != u'>') {
      fail(u"Incorrect tag name character" + offsetText(i));
      return text_.size();
    }
    const TextView name = text_.substr(nameStart, afterName - nameStart);
    size_t depth = open_.size();
    while (depth > 0 && nameOf(open_[depth - 1]) != name) --depth;
    if (depth == 0) {
      fail(u"No start tag for end tag '" + Text(name) + u"'" + offsetText(at));
      return i + 1;
    }
    if (depth != open_.size()) {
      const uint32_t innermost = open_.back();
      fail(u"End tag '" + Text(name) + u"'" + offsetText(at) + u" does not match start tag '" +
           Text(nameOf(innermost)) + u"'" + offsetText(index_[innermost].start));
    }
    // Elements left open inside it end where it ends.
    while (open_.size() > depth) {
      XmlElementRecord& inner = index_[open_.back()];
      inner.contentEnd = static_cast<uint32_t>(at);
      inner.end = static_cast<uint32_t>(at);
      open_.pop_back();
    }
    XmlElementRecord& record = index_[open_.back()];
    record.contentEnd = static_cast<uint32_t>(at);
    record.end = static_cast<uint32_t>(i + 1);
    record.ended = true;
    open_.pop_back();
    return i + 1;
  }

  void closeRemaining() {
    if (!open_.empty()) {
      const uint32_t innermost = open_.back();
      fail(u"Element '" + Text(nameOf(innermost)) + u"'" + offsetText(index_[innermost].start) + u" not ended");
    }
    for (uint32_t number : open_) {
      index_[number].contentEnd = static_cast<uint32_t>(text_.size());
      index_[number].end = static_cast<uint32_t>(text_.size());
    }
    open_.clear();
  }

  void fail(Text message) {
    if (error_.empty()) error_ = std::move(message);
  }

  TextView text_;
  XmlElementIndex& index_;
  std::vector<uint32_t> open_;
  Text error_;
};

}  // namespace

bool IsXmlNameStart(char16_t c) {
  return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'_' || c == u':' || c >= 0x80;
}

bool IsXmlNameChar(char16_t c) {
  return IsXmlNameStart(c) || (c >= u'0' && c <= u'9') || c == u'-' || c == u'.';
}

Text IndexXmlText(TextView text, XmlElementIndex& index) { return Indexer(text, index).run(); }

}  // namespace ko
