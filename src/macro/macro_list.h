// The macro names kept in section "MACRO_LIST" of the settings file, keys "0" to "19"; the
// key is the macro's slot, which is also its number in the change notice to the service.
// An empty or absent value is a free slot. In memory the names are kept in slot order
// without the free slots, so a position in the list is not a slot number.
#pragma once
#include <cstddef>
#include <vector>
#include "platform/wide_text.h"
#include "platform/profile_file.h"

namespace ko {

constexpr int kMacroSlotCount = 20;
constexpr char16_t kMacroListSection[] = u"MACRO_LIST";

class MacroList {
 public:
  const std::vector<Text>& names() const { return names_; }
  size_t size() const { return names_.size(); }
  bool empty() const { return names_.empty(); }
  bool isFull() const { return names_.size() >= kMacroSlotCount; }
  const Text& at(size_t position) const { return names_.at(position); }
  // Position of the first entry equal to `name` (exact comparison), -1 when none.
  int positionOf(TextView name) const;
  // True when a macro's file would be the same file as `name`'s: the file system of the
  // program compares names without regard to letter case.
  bool hasFileNameOf(TextView name) const;

  void clear() { names_.clear(); }
  void append(Text name) { names_.push_back(std::move(name)); }

 private:
  std::vector<Text> names_;
};

// Replaces the list with the non-empty names of the settings file in slot order; returns
// how many there are.
int LoadMacroList(MacroList& list, const ProfileFile& settings);
// Writes `name` into the first free slot and returns that slot; -1 (nothing written) when
// all twenty are taken or the write fails.
int AddMacroName(const ProfileFile& settings, TextView name);
// Empties the first slot holding `name` (the key stays, with an empty value), then
// reloads the list. False when no slot held it.
bool RemoveMacroName(MacroList& list, const ProfileFile& settings, TextView name);
// The first slot holding exactly `name`, or -1.
int FindMacroSlot(const ProfileFile& settings, TextView name);

}  // namespace ko
