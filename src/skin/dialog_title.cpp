#include "skin/dialog_title.h"

#include "platform/service_window.h"

namespace ko {

Text dialogWindowTitle(const WindowLayout& layout, const char16_t* ownTitle) {
  Text title = ownTitle && *ownTitle ? Text(ownTitle) : u16(layout.heading ? layout.heading : "");
  if (title == kMainWindowTitle) title = u16(layout.name ? layout.name : "dialog");
  return title;
}

}  // namespace ko
