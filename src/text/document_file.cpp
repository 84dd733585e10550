#include "text/document_file.h"
#include <filesystem>
#include <fstream>

namespace ko {

DocumentFileResult ReadDocumentFile(TextView path, std::string& bytes, size_t maxBytes) {
  bytes.clear();
  if (path.empty()) return DocumentFileResult::Missing;
  // std::filesystem::path takes the UTF-16 name as it is on Windows and as UTF-8 natively.
  std::ifstream file(std::filesystem::path(Text(path)), std::ios::binary);
  if (!file) return DocumentFileResult::Missing;
  char buffer[16384];
  while (file.read(buffer, sizeof buffer) || file.gcount() > 0) {
    const size_t got = static_cast<size_t>(file.gcount());
    if (bytes.size() + got > maxBytes) {
      bytes.clear();
      return DocumentFileResult::TooLarge;
    }
    bytes.append(buffer, got);
  }
  return DocumentFileResult::Read;
}

}  // namespace ko
