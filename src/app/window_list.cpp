#include "app/window_list.h"

#include "app/main_window_layouts.h"
#include "assign/dialog_layouts.h"
#include "macro/macro_sel_layout.h"
#include "skin/gallery_layout.h"

namespace ko {

// Each window's table lives beside its window; this list only collects them.
const std::vector<const WindowLayout*>& allWindowLayouts() {
  static const std::vector<const WindowLayout*> layouts = {
      &startPageLayout(), &buttonPageLayout(), &performancePageLayout(), &lightingPageLayout(),
      &macroPageLayout(), &galleryLayout(),
      &singleKeyDialogLayout(), &gunfireDialogLayout(), &xshootDialogLayout(), &dpiShiftDialogLayout(),
      &macroSelDialogLayout(),
  };
  return layouts;
}

}  // namespace ko
