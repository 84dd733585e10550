// Arbitrary bytes as a ".macro" file: loading it into the editor and building its rows must
// never crash, and whatever loads keeps the editor's rule that row i shows slot i: the rows
// run to the last stored step, gaps and steps of unknown kinds included.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include "macro/macro_file.h"
#include "macro/macro_rows.h"
#include "platform/file_system.h"

namespace {

void check(bool condition) {
  if (!condition) std::abort();
}

const ko::Text& scratchFile() {
  static const ko::Text path = ko::u16("/tmp/kocfg-fuzz-macro-" + std::to_string(getpid()) + ".macro");
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const ko::Text& path = scratchFile();
  if (!ko::writeFileBytes(path, std::string(reinterpret_cast<const char*>(data), size))) return 0;

  static const ko::MacroStepTexts texts{u"Left", u"Right", u"Middle", u"L", u"R", u"U", u"D"};
  ko::MacroDocument document;
  const ko::MacroEditorView view = ko::LoadMacroIntoEditor(document, path, texts);
  check(document.count >= 0 && document.count <= ko::kMacroStepSlots);
  check(view.rows.size() == static_cast<size_t>(document.count));
  check(view.selectedRow == document.count - 1);
  for (int i = document.count; i < ko::kMacroStepSlots; ++i) check(document.steps[i].isEmpty());
  check(document.count == 0 || !document.steps[document.count - 1].isEmpty());
  const int32_t loop = ko::loopTimeOf(document.loopText);
  check(loop >= 0 && loop <= ko::kMaxLoopTime && view.looping == (loop != 0));
  (void)ko::ReadMacroLoopTime(path, 0);
  ko::deleteFile(path);
  return 0;
}
