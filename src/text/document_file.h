// Reads a whole document file into memory, refusing files too large to be a text resource.
#pragma once
#include <cstddef>
#include <string>
#include "platform/wide_text.h"

namespace ko {

enum class DocumentFileResult { Read, Missing, TooLarge };

// The whole file as bytes. Files over `maxBytes` are not read (they would only exhaust
// memory: no language file comes near that size).
DocumentFileResult ReadDocumentFile(TextView path, std::string& bytes, size_t maxBytes);

}  // namespace ko
