#include "text/interface_text.h"
#include "text/xml_document.h"

#include <string>

#include "text/document_file.h"

namespace ko {
namespace {

char16_t g_programFolder[kGlobalTextUnits];
char16_t g_faceName[kGlobalTextUnits];

Text& languageFileStorage() {
  static Text path;
  return path;
}

bool isBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }

// Every lookup reads the file again, so a language file changed while the program runs is
// seen at once. Decoding and indexing it is what costs (a menu asks for fifty words), so
// the document read last stays indexed: the same bytes give the same document.
struct ParsedFile {
  std::string bytes;
  XmlDocument document;
  bool wellFormed = false;
};

ParsedFile& lastParsedFile() {
  static ParsedFile parsed;
  return parsed;
}

XmlDocument* documentOf(TextView file) {
  std::string bytes;
  if (ReadDocumentFile(file, bytes, XmlDocument::kMaxFileBytes) != DocumentFileResult::Read) return nullptr;
  ParsedFile& parsed = lastParsedFile();
  if (bytes != parsed.bytes || parsed.bytes.empty()) {
    parsed.wellFormed = parsed.document.loadBytes(bytes);
    parsed.bytes = std::move(bytes);
  }
  if (!parsed.wellFormed) return nullptr;
  parsed.document.rewind();
  return &parsed.document;
}

}  // namespace

Text GetXmlText(TextView file, TextView section, TextView key) {
  XmlDocument* found = documentOf(file);
  if (!found) return {};
  XmlDocument& document = *found;
  if (!document.findChild(section) || !document.enterChild()) return {};
  while (!document.findChild(key)) {
    // Not at this level: go down into a section of the same name inside this one.
    if (!document.findChild(section) || !document.enterChild()) return {};
  }
  return document.childText();
}

char16_t* ProgramFolder() { return g_programFolder; }

void SetProgramFolderFromModulePath(TextView modulePath, const std::function<Text(const Text&)>& shortForm) {
  const size_t slash = modulePath.find_last_of(u"\\/");
  Text folder = slash == TextView::npos ? Text() : Text(modulePath.substr(0, slash + 1));
  if (folder.size() >= kGlobalTextUnits && shortForm) folder = shortForm(folder);
  if (folder.size() >= kGlobalTextUnits) folder.clear();
  copyToBuffer(folder, g_programFolder, kGlobalTextUnits);
}

char16_t* FaceName() { return g_faceName; }

void LoadFaceName(TextView languageFile) {
  const Text value = GetXmlText(languageFile, u"MAIN", u"FONT");
  TextView name(value);
  while (!name.empty() && isBlank(name.front())) name.remove_prefix(1);
  while (!name.empty() && isBlank(name.back())) name.remove_suffix(1);
  if (name.size() > kMaxFaceNameUnits) name = {};
  copyToBuffer(name, g_faceName, kGlobalTextUnits);
}

Text LanguageFilePath(TextView programFolder) { return Text(programFolder) + u"Strings" + u"." + u"xml"; }

void SetLanguageFile(TextView path) { languageFileStorage() = Text(path); }

const Text& LanguageFile() { return languageFileStorage(); }

Text InterfaceText(TextView key) { return GetXmlText(LanguageFile(), kButtonPageSection, key); }

}  // namespace ko
