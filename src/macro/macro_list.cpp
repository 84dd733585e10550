#include "macro/macro_list.h"

namespace ko {
namespace {

Text slotKey(int slot) { return decimal(slot); }

}  // namespace

int MacroList::positionOf(TextView name) const {
  for (size_t i = 0; i < names_.size(); ++i)
    if (names_[i] == name) return static_cast<int>(i);
  return -1;
}

bool MacroList::hasFileNameOf(TextView name) const {
  for (const Text& existing : names_)
    if (equalsNoCase(existing, name)) return true;
  return false;
}

int LoadMacroList(MacroList& list, const ProfileFile& settings) {
  list.clear();
  for (int slot = 0; slot < kMacroSlotCount; ++slot) {
    Text name = settings.readString(kMacroListSection, slotKey(slot), u"");
    if (!name.empty()) list.append(std::move(name));
  }
  return static_cast<int>(list.size());
}

int AddMacroName(const ProfileFile& settings, TextView name) {
  for (int slot = 0; slot < kMacroSlotCount; ++slot) {
    if (!settings.readString(kMacroListSection, slotKey(slot), u"").empty()) continue;
    return settings.writeString(kMacroListSection, slotKey(slot), name) ? slot : -1;
  }
  return -1;
}

bool RemoveMacroName(MacroList& list, const ProfileFile& settings, TextView name) {
  // An empty name would match, and "empty", the first free slot.
  const int slot = FindMacroSlot(settings, name);
  if (slot >= 0) settings.writeString(kMacroListSection, slotKey(slot), u"");
  LoadMacroList(list, settings);
  return slot >= 0;
}

int FindMacroSlot(const ProfileFile& settings, TextView name) {
  if (name.empty()) return -1;  // would find the first free slot
  for (int slot = 0; slot < kMacroSlotCount; ++slot)
    if (settings.readString(kMacroListSection, slotKey(slot), u"") == name) return slot;
  return -1;
}

}  // namespace ko
