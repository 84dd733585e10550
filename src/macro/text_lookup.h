// Interface texts are looked up by key ("CLICK", "MOVEUP", ...). The program reads them
// from the language file; tests hand in a table, so the rules built on the texts can be
// checked without a language file.
#pragma once
#include <functional>
#include "platform/wide_text.h"

namespace ko {

using TextLookup = std::function<Text(TextView key)>;

// The program's lookup: InterfaceText of the language file set at start-up.
TextLookup interfaceTextLookup();

}  // namespace ko
