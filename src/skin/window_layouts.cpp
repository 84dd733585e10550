#include "skin/window_layout.h"
#include "skin/gallery_layout.h"

namespace ko {

// Each window's table lives beside its window; this list only collects them.
const std::vector<const WindowLayout*>& allWindowLayouts() {
  static const std::vector<const WindowLayout*> layouts = {
      &galleryLayout(),
  };
  return layouts;
}

}  // namespace ko
