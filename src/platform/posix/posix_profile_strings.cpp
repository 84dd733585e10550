// Natively the program's INI files go through the portable engine.
#include "platform/profile_strings.h"

namespace ko {

ProfileStrings& platformProfileStrings() { return portableProfileStrings(); }

}  // namespace ko
