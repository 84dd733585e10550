// A first look at a picture file's bytes before a decoder sees them. Some platform decoders
// read past the end of a cut-off PNG or JPEG and bring the program down with them; a skin
// picture that is visibly incomplete is treated as missing instead.
#pragma once
#include <cstddef>

namespace ko {

// False for a PNG whose chunks do not run whole up to its end chunk, a JPEG without its end
// marker, a GIF without its trailer, and an empty file. Other formats pass to the decoder.
bool PictureBytesLookComplete(const unsigned char* bytes, size_t size);

}  // namespace ko
