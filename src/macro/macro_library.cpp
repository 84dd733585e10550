#include "macro/macro_library.h"

#include <algorithm>
#include "macro/macro_file.h"
#include "macro/macro_paths.h"
#include "platform/file_system.h"

namespace ko {
namespace {

// True when a macro other than `current` would own the file of `name`.
bool anotherMacroHasFileOf(const MacroList& list, TextView name, TextView current) {
  return std::any_of(list.names().begin(), list.names().end(),
                     [&](const Text& listed) { return listed != current && equalsNoCase(listed, name); });
}

bool folderHolds(const std::vector<Text>& files, const Text& file) {
  return std::find(files.begin(), files.end(), file) != files.end();
}

}  // namespace

MacroLibrary::MacroLibrary(MacroPlaces places, TextLookup texts, ProfileStrings& strings)
    : places_(std::move(places)), texts_(std::move(texts)), strings_(&strings), settings_(places_.settingsFile, strings) {}

int MacroLibrary::currentSlot() const { return FindMacroSlot(settings_, document_.name); }

bool MacroLibrary::isStorable(TextView name) const { return isUsableMacroName(name, places_.macroFolder); }

Text MacroLibrary::currentPath() const {
  return currentIsStorable() ? macroFilePath(places_.macroFolder, document_.name) : Text();
}

void MacroLibrary::start() {
  LoadMacroList(list_, settings_);
  if (list_.empty()) closeCurrent();
  else open(list_.at(0));
}

void MacroLibrary::reload() {
  LoadMacroList(list_, settings_);
  if (hasCurrent() && list_.positionOf(document_.name) >= 0) open(document_.name);
  else if (!list_.empty()) open(list_.at(0));
  else closeCurrent();
}

bool MacroLibrary::pick(int position) {
  if (position < 0 || static_cast<size_t>(position) >= list_.size()) return false;
  open(list_.at(static_cast<size_t>(position)));
  return true;
}

void MacroLibrary::open(Text name) {
  document_.name = std::move(name);
  if (currentIsStorable()) {
    view_ = LoadMacroIntoEditor(document_, currentPath(), stepTexts(), *strings_);
    return;
  }
  // A name put into the list by hand that is no plain file name: no file is read for it.
  document_.clearSteps();
  document_.loopText = u"0";
  view_ = MacroEditorView{};
}

void MacroLibrary::closeCurrent() {
  document_.name.clear();
  document_.clearSteps();
  view_ = MacroEditorView{};
}

bool MacroLibrary::writeTo(TextView path) {
  const bool written = SaveMacroFile(document_, path, *strings_);
  LoadMacroList(list_, settings_);
  return written;
}

MacroLibrary::LeftOver* MacroLibrary::leftOverFor(TextView path) {
  for (LeftOver& waiting : leftOvers_)
    if (waiting.path == path) return &waiting;
  return nullptr;
}

void MacroLibrary::dropLeftOver(TextView path) {
  if (LeftOver* waiting = leftOverFor(path)) leftOvers_.erase(leftOvers_.begin() + (waiting - leftOvers_.data()));
}

bool MacroLibrary::saveCurrent(bool announce) {
  if (!currentIsStorable()) return false;
  // The folder is normally there; one deleted by hand must not cost the user the edit.
  createDirectories(places_.macroFolder);
  const Text path = currentPath();
  LeftOver* waiting = leftOverFor(path);
  // A change an earlier failed save of this macro still owes the service is owed by this one.
  announce = announce || (waiting && waiting->announce);
  if (writeTo(path)) {
    dropLeftOver(path);
    return true;
  }
  if (waiting) *waiting = LeftOver{path, document_, announce};
  else leftOvers_.push_back(LeftOver{path, document_, announce});
  return false;
}

std::vector<int> MacroLibrary::saveLeftOvers() {
  if (!leftOvers_.empty()) createDirectories(places_.macroFolder);
  std::vector<int> slots;
  std::vector<LeftOver> still;
  for (LeftOver& waiting : leftOvers_) {
    if (!SaveMacroFile(waiting.document, waiting.path, *strings_)) {
      still.push_back(std::move(waiting));
      continue;
    }
    const int slot = FindMacroSlot(settings_, waiting.document.name);
    if (waiting.announce && slot >= 0) slots.push_back(slot);
  }
  const bool landed = still.size() != leftOvers_.size();
  leftOvers_ = std::move(still);
  if (landed) LoadMacroList(list_, settings_);
  return slots;
}

bool MacroLibrary::createMacro() {
  if (list_.isFull()) return false;
  const NewMacro fresh = NewMacroName(places_.macroFolder, texts_(u"NEWMACRO"), list_);
  if (!isUsableMacroName(fresh.name, places_.macroFolder)) return false;

  MacroDocument created;
  created.loopText = document_.loopText;  // the loop field keeps what it shows
  createDirectories(places_.macroFolder);
  SaveMacroFile(created, fresh.path, *strings_);
  // A macro whose file could not be made is not listed: it would open empty every time.
  if (!fileExists(fresh.path) || AddMacroName(settings_, fresh.name) < 0) {
    deleteFile(fresh.path);
    LoadMacroList(list_, settings_);
    return false;
  }
  created.name = fresh.name;
  document_ = std::move(created);
  LoadMacroList(list_, settings_);
  view_ = MacroEditorView{{}, -1, loopTimeOf(document_.loopText) != 0};
  return true;
}

bool MacroLibrary::renameMacro(MacroPrompts& prompts) {
  if (!hasCurrent()) return false;
  const Text oldName = document_.name;
  const std::optional<Text> answer = prompts.askMacroName(oldName);
  if (!answer) return false;
  const Text& newName = *answer;
  // Renaming to itself would save the file and then delete it; taking another macro's name
  // would overwrite that macro's file.
  if (newName == oldName || !isUsableMacroName(newName, places_.macroFolder) ||
      anotherMacroHasFileOf(list_, newName, oldName))
    return false;

  const bool oldFileIsOurs = currentIsStorable();
  const Text oldPath = currentPath();
  const Text newPath = macroFilePath(places_.macroFolder, newName);
  createDirectories(places_.macroFolder);
  writeTo(newPath);
  if (!fileExists(newPath)) return false;  // the old macro stays as it was
  // The new file holds the open macro as edited: an edit still waiting for the old file
  // is in it, and must not bring the old file back.
  dropLeftOver(oldPath);

  const int slot = FindMacroSlot(settings_, oldName);
  if (slot >= 0) settings_.writeString(kMacroListSection, decimal(slot), newName);
  else AddMacroName(settings_, newName);
  LoadMacroList(list_, settings_);
  document_.name = newName;

  // A change of letter case only names the same file where the file system ignores case;
  // the old file is removed only when it is a file of its own.
  const std::vector<Text> files = listFiles(places_.macroFolder);
  if (oldFileIsOurs && folderHolds(files, oldName + kMacroExtension) && folderHolds(files, newName + kMacroExtension))
    deleteFile(oldPath);
  return true;
}

bool MacroLibrary::deleteMacro(MacroPrompts& prompts) {
  if (!hasCurrent()) return false;
  if (!prompts.confirmMacroDeletion(texts_(u"WARN2"))) return false;
  // Only the list entry goes for a name that is no plain file name: its "file" could lie
  // anywhere.
  if (currentIsStorable()) {
    dropLeftOver(currentPath());
    deleteFile(currentPath());
  }
  RemoveMacroName(list_, settings_, document_.name);
  if (list_.empty()) closeCurrent();
  else open(list_.at(0));
  return true;
}

bool MacroLibrary::importMacro(MacroPrompts& prompts) {
  if (list_.isFull()) return false;
  const std::optional<Text> source = prompts.askMacroFileToImport(fileDialog());
  if (!source || !fileExists(*source)) return false;

  Text name = fileTitleOf(*source);
  if (!isUsableMacroName(name, places_.macroFolder)) return false;
  if (list_.hasFileNameOf(name)) name = NewMacroName(places_.macroFolder, name, list_).name;
  if (!isUsableMacroName(name, places_.macroFolder)) return false;

  const Text target = macroFilePath(places_.macroFolder, name);
  createDirectories(places_.macroFolder);
  // A file picked from the macro folder itself is already where it belongs.
  const bool copied = !equalsNoCase(*source, target);
  if (copied && !copyFile(*source, target)) return false;
  if (AddMacroName(settings_, name) < 0) {
    if (copied) deleteFile(target);
    return false;
  }
  LoadMacroList(list_, settings_);
  open(std::move(name));
  return true;
}

bool MacroLibrary::exportMacro(MacroPrompts& prompts) {
  if (!hasCurrent()) return false;
  const std::optional<Text> path = prompts.askMacroExportPath(fileDialog());
  if (!path || path->empty()) return false;
  return writeTo(*path);
}

MacroFileDialog MacroLibrary::fileDialog() const {
  return MacroFileDialog{texts_(u"MACROFILENAME") + u"(*.macro)|*.macro|", u"*.macro", kMacroExtension,
                         places_.programFolder + texts_(u"MACRO") + u"\\"};
}

}  // namespace ko
