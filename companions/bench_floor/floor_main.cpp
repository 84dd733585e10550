// kocfg_floor <picture>: the least a skinned window of the program's kind can cost. It
// starts GDI+, decodes one picture with GDI+ (whole file into memory, a stream on it, a
// bitmap standing on its own; the program's own decoding into a bitmap of its own leaves
// the floor's peak where it is, at its paint), and shows a borderless window of
// the picture's size with the main window's title, painted through an off-screen bitmap.
// The benchmark starts it beside Kocfg.exe to tell the program's own costs from Wine's.
#include <windows.h>
#include <shellapi.h>
#include <objidl.h>
#include <gdiplus.h>

#include <memory>
#include <vector>

namespace {

std::unique_ptr<Gdiplus::Bitmap> g_picture;

std::unique_ptr<Gdiplus::Bitmap> decode(const wchar_t* path) {
  HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return nullptr;
  const DWORD size = GetFileSize(file, nullptr);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size ? size : 1);
  DWORD read = 0;
  void* bytes = memory ? GlobalLock(memory) : nullptr;
  const bool ok = bytes && ReadFile(file, bytes, size, &read, nullptr) && read == size;
  if (bytes) GlobalUnlock(memory);
  CloseHandle(file);
  IStream* stream = nullptr;
  if (!ok || FAILED(CreateStreamOnHGlobal(memory, TRUE, &stream))) {
    if (memory) GlobalFree(memory);
    return nullptr;
  }
  std::unique_ptr<Gdiplus::Bitmap> decoded(Gdiplus::Bitmap::FromStream(stream));
  std::unique_ptr<Gdiplus::Bitmap> own;
  if (decoded && decoded->GetLastStatus() == Gdiplus::Ok) {
    const Gdiplus::Rect all(0, 0, static_cast<INT>(decoded->GetWidth()), static_cast<INT>(decoded->GetHeight()));
    own.reset(decoded->Clone(all, decoded->GetPixelFormat()));
  }
  decoded.reset();
  stream->Release();
  return own;
}

void paint(HWND window) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window, &ps);
  RECT client;
  GetClientRect(window, &client);
  HDC memory = CreateCompatibleDC(dc);
  HBITMAP canvas = CreateCompatibleBitmap(dc, client.right, client.bottom);
  HGDIOBJ old = SelectObject(memory, canvas);
  FillRect(memory, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  if (g_picture) {
    Gdiplus::Graphics graphics(memory);
    graphics.SetInterpolationMode(Gdiplus::InterpolationModeNearestNeighbor);
    graphics.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
    graphics.DrawImage(g_picture.get(), Gdiplus::Rect(0, 0, client.right, client.bottom), 0, 0,
                       static_cast<INT>(g_picture->GetWidth()), static_cast<INT>(g_picture->GetHeight()),
                       Gdiplus::UnitPixel);
  }
  BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
  SelectObject(memory, old);
  DeleteObject(canvas);
  DeleteDC(memory);
  EndPaint(window, &ps);
}

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND: return TRUE;
    case WM_PAINT: paint(window); return 0;
    case WM_CLOSE: DestroyWindow(window); return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  Gdiplus::GdiplusStartupInput input;
  ULONG_PTR token = 0;
  if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok) return 1;
  if (argc > 1) g_picture = decode(argv[1]);
  LocalFree(argv);
  const int width = g_picture ? static_cast<int>(g_picture->GetWidth()) : 888;
  const int height = g_picture ? static_cast<int>(g_picture->GetHeight()) : 636;

  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = windowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = L"KocfgFloorWindow";
  RegisterClassExW(&windowClass);
  HWND window = CreateWindowExW(WS_EX_APPWINDOW, windowClass.lpszClassName, L"VX48K2 Gaming Mouse",
                                WS_POPUP | WS_SYSMENU, 0, 0, width, height, nullptr, nullptr, instance, nullptr);
  if (!window) return 1;
  ShowWindow(window, SW_SHOW);
  UpdateWindow(window);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  g_picture.reset();
  Gdiplus::GdiplusShutdown(token);
  return 0;
}
