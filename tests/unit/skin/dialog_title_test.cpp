// Dialog window titles: the device service finds the main window by its title, so a
// dialog carrying it would take the service's messages while it is open.
#include <gtest/gtest.h>

#include "app/window_list.h"
#include "platform/service_window.h"
#include "skin/dialog_title.h"

namespace ko {
namespace {

TEST(DialogTitle, NoDialogCarriesTheMainWindowsTitle) {
  int dialogs = 0;
  for (const WindowLayout* layout : allWindowLayouts()) {
    if (layout->frame != WindowFrame::Dialog) continue;
    ++dialogs;
    SCOPED_TRACE(layout->name);
    const Text title = dialogWindowTitle(*layout, nullptr);
    EXPECT_NE(title, kMainWindowTitle);
    EXPECT_FALSE(title.empty());
    EXPECT_EQ(dialogWindowTitle(*layout, u"Key capture"), u"Key capture");
  }
  EXPECT_GE(dialogs, 4);
  // Even asked for by name, the main window's title is not given to a dialog.
  EXPECT_NE(dialogWindowTitle(*allWindowLayouts().front(), kMainWindowTitle), kMainWindowTitle);
}

}  // namespace
}  // namespace ko
