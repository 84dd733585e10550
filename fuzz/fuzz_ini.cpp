// The INI reader on arbitrary file bytes: load, the reads the program makes, one write of
// each kind and a render, which must load again to the written values.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include "platform/ini_document.h"

using ko::ini::Document;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  Document document = Document::fromBytes(bytes);
  if (document.toBytes().size() + 1 < bytes.size()) std::abort();  // a load never loses bytes

  unsigned char record[16];
  document.readString(u"Setting", u"ProfileName", u"");
  document.readInt(u"Setting", u"Profile", -1);
  document.readStruct(u"Setting", u"DPI_INFO1", record, sizeof record);
  document.readString(u"GROUP", u"Name", u"");
  document.readString(u"", u"", u"");

  const unsigned char written[4] = {1, 2, 3, 250};
  if (!document.writeInt(u"Setting", u"Profile", 3) || !document.writeString(u"GROUP2", u"Name", u"fuzz") ||
      !document.writeStruct(u"GROUP", u"ButtonAssigned1", written, sizeof written)) {
    std::abort();
  }
  const Document reloaded = Document::fromBytes(document.toBytes());
  unsigned char back[4] = {};
  if (reloaded.readInt(u"setting", u"profile", -1) != 3 || reloaded.readString(u"group2", u"name", u"") != u"fuzz" ||
      !reloaded.readStruct(u"GROUP", u"ButtonAssigned1", back, sizeof back) || back[3] != 250) {
    std::abort();
  }
  return 0;
}
