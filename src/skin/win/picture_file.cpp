#include "skin/win/picture_file.h"

#include <ole2.h>
#include <olectl.h>

#include "skin/picture_bytes.h"

namespace ko {

HGLOBAL ReadFileToGlobalMemory(TextView path, DWORD* size) {
  *size = 0;
  const Text zeroTerminated(path);
  HANDLE file = CreateFileW(reinterpret_cast<const wchar_t*>(zeroTerminated.c_str()), GENERIC_READ, FILE_SHARE_READ,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return nullptr;
  HGLOBAL memory = nullptr;
  LARGE_INTEGER length{};
  // Skin pictures are small; anything beyond 64 MB is not a picture of ours.
  if (GetFileSizeEx(file, &length) && length.QuadPart > 0 && length.QuadPart < (64 << 20)) {
    const DWORD bytes = static_cast<DWORD>(length.QuadPart);
    memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    void* target = memory ? GlobalLock(memory) : nullptr;
    DWORD read = 0;
    const bool ok = target && ReadFile(file, target, bytes, &read, nullptr) && read == bytes &&
                    PictureBytesLookComplete(static_cast<const unsigned char*>(target), bytes);
    if (target) GlobalUnlock(memory);
    if (ok) {
      *size = bytes;
    } else if (memory) {
      GlobalFree(memory);
      memory = nullptr;
    }
  }
  CloseHandle(file);
  return memory;
}

SIZE LoadPictureFile(TextView path, BitmapObject& bitmap) {
  SIZE size{0, 0};
  bitmap.reset();
  DWORD bytes = 0;
  HGLOBAL memory = ReadFileToGlobalMemory(path, &bytes);
  if (!memory) return size;
  IStream* stream = nullptr;
  if (FAILED(CreateStreamOnHGlobal(memory, TRUE, &stream))) {
    GlobalFree(memory);
    return size;
  }
  IPicture* picture = nullptr;
  const HRESULT decoded =
      OleLoadPicture(stream, static_cast<LONG>(bytes), FALSE, IID_IPicture, reinterpret_cast<void**>(&picture));
  stream->Release();
  if (FAILED(decoded) || !picture) return size;
  OLE_HANDLE handle = 0;
  SHORT type = PICTYPE_NONE;
  if (SUCCEEDED(picture->get_Type(&type)) && type == PICTYPE_BITMAP && SUCCEEDED(picture->get_Handle(&handle))) {
    // The picture object owns its bitmap; a copy is what the caller's object may own.
    HBITMAP copy = static_cast<HBITMAP>(
        CopyImage(reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(handle)), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    BITMAP description{};
    if (copy && GetObjectW(copy, sizeof description, &description)) {
      bitmap.reset(copy);
      size.cx = description.bmWidth;
      size.cy = description.bmHeight;
    } else if (copy) {
      DeleteObject(copy);
    }
  }
  picture->Release();
  return size;
}

}  // namespace ko
