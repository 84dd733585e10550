// The parts every small skinned dialog's window table is made of: its size, the three buttons
// each has in the same places, and makers of its entries. The dialogs' own tables live with
// the subsystem that opens them.
#pragma once
#include "skin/window_layout.h"

namespace ko {

inline constexpr int kDialogWidth = 400;
inline constexpr int kDialogHeight = 290;

// Positions every dialog shares: OK, Cancel and the close button.
namespace dialog_common {
inline constexpr int kOk = 0;
inline constexpr int kCancel = 1;
inline constexpr int kClose = 2;
}  // namespace dialog_common

// Dialog buttons brighten from the Over picture while hovered and pressed.
inline constexpr StateSources kHoverFromOver{Picture::Main, Picture::Over, Picture::Over, Picture::Main};
// A check box in a window with only Main and Over pictures: its set look is in Over, and it
// does not light up under the pointer (a lit box would read as set).
inline constexpr StateSources kCheckFromOver{Picture::Main, Picture::Main, Picture::Over, Picture::Main};
inline constexpr StateSources kTrackMain{Picture::Main, Picture::None, Picture::None, Picture::Main};

ControlSpec dialogButton(PixelRect r, int caption, const char* text, ControlLook look, const char* glyph = "",
                         StateSources sources = kHoverFromOver, TextAlign align = TextAlign::Centre);
ControlSpec dialogLabel(PixelRect r, int caption, const char* text, TextAlign align = TextAlign::Left);
ControlSpec dialogEdit(PixelRect r, int id, int maxChars, bool digitsOnly, bool centred = true);
// A dialog's table with OK, Cancel and the close button already in it.
WindowLayout dialogWithCommonButtons(const char* name, const char* file, const char* mainPicture,
                                     const char* overPicture, const char* heading);

}  // namespace ko
