// Character references in XML text: decimal and hexadecimal ones, the five named ones of
// XML and the named entities of HTML 4.01.
#pragma once
#include <cstddef>
#include <cstdint>
#include "platform/wide_text.h"

namespace ko {

// Code point of a named reference (the name between "&" and ";", case-sensitive); -1 when
// the name is not one of the known ones.
int32_t NamedReferenceCodePoint(TextView name);

// Number of named references the table knows (XML's five with HTML's 252; "amp", "lt",
// "gt" and "quot" are in both).
size_t NamedReferenceCount();

// Text with every well-formed reference replaced by its character. A reference that is
// unknown, unterminated or names no valid character stays as written, so nothing is lost.
Text DecodeCharacterReferences(TextView text);

}  // namespace ko
