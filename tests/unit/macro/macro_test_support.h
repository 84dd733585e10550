// Shared pieces of the macro tests: interface texts without a language file, a settings
// folder with its macro folder, and a recorder that answers the macro page's questions.
#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <vector>
#include "macro/macro_library.h"
#include "macro/macro_paths.h"
#include "platform/file_system.h"
#include "support/temp_dir.h"

namespace ko::test {

// Every key stands for itself, except the start of new macro names.
inline Text testText(TextView key) { return key == u"NEWMACRO" ? Text(u"M") : Text(key); }

// A settings folder holding "Mouse.ini" and the "Macro" folder beside it.
class MacroFolders {
 public:
  MacroFolders() { createDirectories(macroFolder()); }
  Text settingsFile() const { return dir_.file(u"Mouse.ini"); }
  Text macroFolder() const { return macroFolderOf(dir_.folder()); }
  Text macroFile(TextView name) const { return macroFilePath(macroFolder(), name); }
  // The same file as the native file system names it (the program's paths use backslashes).
  std::filesystem::path fsMacroFile(TextView name) const {
    std::string path = toUtf8(macroFile(name));
    for (char& c : path)
      if (c == '\\') c = '/';
    return std::filesystem::path(path);
  }
  MacroPlaces places() const { return MacroPlaces{settingsFile(), macroFolder(), dir_.folder()}; }
  ProfileFile settings() const { return ProfileFile(settingsFile()); }
  const TempDir& dir() const { return dir_; }

 private:
  TempDir dir_;
};

// Answers the prompts from queued replies and remembers what was asked.
class RecordingPrompts final : public MacroPrompts {
 public:
  std::optional<Text> nameReply;
  bool confirmReply = true;
  std::optional<Text> importReply;
  std::optional<Text> exportReply;

  std::vector<Text> namesOffered;
  std::vector<Text> warningsShown;
  std::vector<MacroFileDialog> dialogsShown;

  std::optional<Text> askMacroName(TextView current) override {
    namesOffered.emplace_back(current);
    return nameReply;
  }
  bool confirmMacroDeletion(TextView warning) override {
    warningsShown.emplace_back(warning);
    return confirmReply;
  }
  std::optional<Text> askMacroFileToImport(const MacroFileDialog& dialog) override {
    dialogsShown.push_back(dialog);
    return importReply;
  }
  std::optional<Text> askMacroExportPath(const MacroFileDialog& dialog) override {
    dialogsShown.push_back(dialog);
    return exportReply;
  }
};

}  // namespace ko::test
