// Loading pictures through memory: the file read whole into movable global memory and a
// stream over it, for GDI+ and for the OLE picture loader.
#pragma once
#include <windows.h>
#include "platform/wide_text.h"
#include "skin/win/gdi_objects.h"

namespace ko {

// The whole file in movable global memory; nullptr when it cannot be read, is empty or is
// a visibly incomplete picture (which some decoders cannot survive).
HGLOBAL ReadFileToGlobalMemory(TextView path, DWORD* size);

// Decodes a picture (JPG, BMP, GIF...) with OleLoadPicture into a GDI bitmap attached to
// `bitmap`, whose earlier bitmap is deleted first. Returns the picture's size; on a file
// that cannot be opened or decoded the bitmap stays empty and the size is 0 x 0.
SIZE LoadPictureFile(TextView path, BitmapObject& bitmap);

}  // namespace ko
