// What the main window offers its pages: the settings store, the paths, page switching,
// the one popup menu and the confirmations. Pages hold a
// reference to it and never to the window class itself.
#pragma once
#include <windows.h>
#include <memory>
#include <optional>
#include <vector>
#include "platform/wide_text.h"
#include "settings/settings_store.h"

namespace ko {

class CBmpMenu;
class HookLibrary;
class MacroLibrary;

class MainWindowServices {
 public:
  virtual ~MainWindowServices() = default;

  virtual HWND window() const = 0;
  // Every change of the settings is stored (and the service told) through it.
  virtual SettingsStore& settings() = 0;
  virtual const Text& macroFolder() const = 0;
  virtual const Text& skinFolder() const = 0;

  virtual int currentPage() const = 0;
  virtual void showPage(int page) = 0;
  virtual void refreshAllPages() = 0;

  // A save outside the settings file failed (a macro file): the window tries it again on
  // its timer, as it does a settings save.
  virtual void retrySavesLater() = 0;

  // The one skinned popup menu that may be open: opening one closes the one before.
  virtual void openPopupMenu(std::unique_ptr<CBmpMenu> menu) = 0;
  virtual void closePopupMenu() = 0;
  virtual bool popupMenuOpen() const = 0;

  virtual MacroLibrary& macros() = 0;
  virtual const HookLibrary& hook() const = 0;

  // "WARN1" / "WARN2" of section "BUTTONPAGE" in a "Warning" box with OK and Cancel.
  virtual bool confirm(const char16_t* key) = 0;
  // "WARN3": a notice with OK only.
  virtual void notice(const char16_t* key) = 0;
};

}  // namespace ko
