// The keys of section "BUTTONPAGE" of the language file that the program looks up: menu
// items, button labels, page captions, macro step names and the warnings. Code that asks
// for an interface text names its key from here, and the test of the shipped language
// file checks that each of them has a text.
#pragma once
#include <cstddef>

namespace ko {

inline constexpr const char16_t* kInterfaceTextKeys[] = {
    u"ADDITIONALCOMMAND", u"ADVANCEDCOMMAND", u"ASSIGNKEY", u"BASICCOMMAND", u"BUTTON4", u"BUTTON5",
    u"CLICK", u"CLOSE_WINDOWS", u"COPY", u"COPYACT", u"CUT", u"CUTACT", u"DBCLICK", u"DPIDOWN",
    u"DPIFUN", u"DPISHIFT", u"DPISTAGE", u"DPISWITCH", u"DPIUP", u"FIND", u"GAMEKEY", u"GUNFIREKEY",
    u"HANDSWITCH", u"INSERTNEWACT", u"LEDMODE1", u"LEDMODE2", u"LEDMODE3", u"LEDMODE4", u"LEDMODE5",
    u"LEDMODE6", u"LEDMODEDIR1", u"LEDMODEDIR2", u"LEDMODEDIR3", u"LEDMODEDIR4", u"LEDSWITCH",
    u"LOCK_PC", u"MACRO", u"MACROCOMMAND", u"MACROFILENAME", u"MEDIACOMMAND", u"MENU", u"MIDDLE",
    u"MOVEDOWN", u"MOVELEFT", u"MOVERIGHT", u"MOVEUP", u"MS", u"MUTE", u"NAMECLOSE", u"NAMECOLOUR",
    u"NAMEDOUBLECLICK", u"NAMEKEYS", u"NAMELESS", u"NAMEMINIMISE", u"NAMEMORE", u"NAMEPAUSE",
    u"NAMESHOTS", u"NAMESLOT", u"NAMESTEPS", u"NAMEWHEEL", u"NEW", u"NEWMACRO", u"NEXT",
    u"OFFBUTTON", u"OPEN_EXPLORER", u"PASTE", u"PASTEACT", u"PLAYPAUSE", u"PREVIOUS", u"PRINT",
    u"PROFILEDOWN", u"PROFILEUP", u"RUN", u"SAVE", u"SCROLLDOWN", u"SCROLLLEFT", u"SCROLLRIGHT",
    u"SCROLLUP", u"SELECTALL", u"SHIFT", u"SHIFT1", u"SHIFT2", u"SHIFT3", u"SHIFT4", u"SHIFT5",
    u"SHOW_DESKTOP", u"STOP", u"SWAP_WINDOWS", u"UNDO", u"VOLUMEDOWN", u"VOLUMEUP", u"WARN1",
    u"WARN2", u"WARN3", u"XSHOOT",
};

inline constexpr size_t kInterfaceTextKeyCount = sizeof kInterfaceTextKeys / sizeof kInterfaceTextKeys[0];
static_assert(kInterfaceTextKeyCount == 95, "every interface text key, once");

}  // namespace ko
