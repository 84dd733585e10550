// The one pass over a document's text that builds its element index.
#pragma once
#include "platform/wide_text.h"
#include "text/xml_element_index.h"

namespace ko {

// Indexes start tags, end tags and empty-element tags, and steps over comments, CDATA
// sections, processing instructions and the document type declaration. Each end tag
// closes the innermost open element of its name. Returns the description of the first
// error met ("" when none); after an error the index still covers what was read, with
// every element's range inside the text.
Text IndexXmlText(TextView text, XmlElementIndex& index);

// Whether `c` may start, or continue, an element name.
bool IsXmlNameStart(char16_t c);
bool IsXmlNameChar(char16_t c);

}  // namespace ko
