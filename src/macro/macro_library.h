// The macros of the program as the macro page works with them: the list of names in the
// settings file, the macro open in the editor and the operations of the page's buttons
// (new, rename, delete, import, export) and of picking a macro. Every operation keeps the
// settings file, the macro files and the in-memory state in step.
#pragma once
#include <vector>
#include "macro/macro_document.h"
#include "macro/macro_list.h"
#include "macro/macro_prompts.h"
#include "macro/macro_rows.h"
#include "macro/text_lookup.h"
#include "platform/profile_strings.h"
#include "platform/profile_file.h"

namespace ko {

struct MacroPlaces {
  Text settingsFile;   // "Mouse.ini", which holds the macro list
  Text macroFolder;    // with its trailing separator
  Text programFolder;  // with its trailing separator; the import and export dialogs start below it
};

class MacroLibrary {
 public:
  explicit MacroLibrary(MacroPlaces places, TextLookup texts = interfaceTextLookup(),
                        ProfileStrings& strings = platformProfileStrings());

  const MacroPlaces& places() const { return places_; }
  const MacroList& list() const { return list_; }
  const MacroDocument& document() const { return document_; }
  // The editor changes the steps and the loop text here, then calls saveCurrent().
  MacroDocument& document() { return document_; }
  // The rows of the macro as last loaded or created.
  const MacroEditorView& view() const { return view_; }
  bool hasCurrent() const { return !document_.name.empty(); }
  // Whether `name` can have a file in the macro folder. A name the list got by hand (a path,
  // "..", a device name, blanks or quotes the profile functions strip) is shown and can be
  // picked, renamed or removed from the list, but no file is ever opened, saved or deleted
  // for it.
  bool isStorable(TextView name) const;
  bool currentIsStorable() const { return hasCurrent() && isStorable(document_.name); }
  // The current macro's slot in the settings file (its number for the device service), -1
  // when there is none.
  int currentSlot() const;
  // The open macro's file; empty when there is none or its name cannot have one.
  Text currentPath() const;

  // Start-up: loads the list and opens its first macro, if any.
  void start();
  // Reads the list again and reopens the current macro from its file, or the first macro
  // when the current one is no longer listed (after the device service reported a change).
  void reload();
  // Opens the macro at `position` of the list. False (nothing changes) for no such entry.
  bool pick(int position);
  // Writes the open macro to its file in the macro folder and reloads the list. False when
  // no macro is open or its file could not be written; such an edit is kept, to be written
  // by saveLeftOver() (or by a later save of the same macro that lands). `announce`: the
  // device service is to hear of this change (1300) once the file holds it.
  bool saveCurrent(bool announce = false);
  // Whether an edit whose save failed is still waiting to be written.
  bool hasLeftOvers() const { return !leftOvers_.empty(); }
  // Tries the waiting saves again (the newest edit of each macro). Returns the slots, as
  // they are now, of the macros whose save landed and that the service is to hear of.
  std::vector<int> saveLeftOvers();

  // The new button: a macro named from the "NEWMACRO" text, with no steps and the loop text
  // as it stands. The caller switches recording off first. Nothing happens with 20 macros.
  bool createMacro();
  // The rename button. Nothing happens on cancel, or for a name that cannot be a macro name,
  // that is the current one, or that another macro's file already has; the macro keeps its
  // slot, and so its number for the device service and its place in the list, which the
  // button assignments refer to.
  bool renameMacro(MacroPrompts& prompts);
  // The delete button, after the "WARN2" confirmation: removes the file and the name, then
  // opens the first remaining macro or none.
  bool deleteMacro(MacroPrompts& prompts);
  // The import button: the picked file is copied into the macro folder under its title and
  // listed. A title that a macro already has is not overwritten: the copy gets the next free
  // name made from the title as new names are made ("Fire" becomes "Fire1", "Fire2", ...).
  bool importMacro(MacroPrompts& prompts);
  // The export button: writes the open macro to the chosen path.
  bool exportMacro(MacroPrompts& prompts);

  // What the import and export dialogs are opened with.
  MacroFileDialog fileDialog() const;

 private:
  void open(Text name);
  void closeCurrent();
  bool writeTo(TextView path);
  MacroStepTexts stepTexts() const { return MacroStepTexts::from(texts_); }

  MacroPlaces places_;
  TextLookup texts_;
  ProfileStrings* strings_;
  ProfileFile settings_;
  MacroList list_;
  MacroDocument document_;
  MacroEditorView view_;
  // The edit a failed save could not write: the document as it was then, and where.
  struct LeftOver {
    Text path;
    MacroDocument document;
    bool announce = false;
  };
  std::vector<LeftOver> leftOvers_;
  LeftOver* leftOverFor(TextView path);
  void dropLeftOver(TextView path);
};

}  // namespace ko
