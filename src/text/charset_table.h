// Charset names (as written in XML declarations and HTML meta elements) to Windows code
// page numbers.
#pragma once
#include <cstddef>
#include <cstdint>
#include "platform/wide_text.h"

namespace ko {

// The code page of a charset name, compared without regard to ASCII case and surrounding
// blanks; 0 when the name is unknown.
uint32_t CodePageOfCharset(TextView name);

// Number of names the table knows.
size_t CharsetNameCount();

}  // namespace ko
