#include "macro/text_lookup.h"

#include "text/interface_text.h"

namespace ko {

TextLookup interfaceTextLookup() {
  return [](TextView key) { return InterfaceText(key); };
}

}  // namespace ko
