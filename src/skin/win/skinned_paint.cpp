#include "skin/win/skinned_paint.h"

#include "skin/win/gdi_objects.h"

namespace ko {

void PaintSkinnedPart(HDC target, const RECT& update, const RECT& client, const SkinImage& background,
                      const std::function<void(HDC)>& over) {
  RECT part;
  if (!IntersectRect(&part, &update, &client)) return;
  const int clientWidth = client.right - client.left, clientHeight = client.bottom - client.top;
  // A picture stretched to a window not of its size is drawn whole: where a stretched
  // drawing starts decides which pixels its rounding repeats.
  const bool scaled = !background.empty() && (background.width() != clientWidth || background.height() != clientHeight);
  if (scaled) part = client;
  const int width = part.right - part.left;
  const int height = part.bottom - part.top;
  OffscreenCanvas canvas(target, width, height, false);
  const RECT all{0, 0, width, height};
  FillRect(canvas.dc(), &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  if (scaled)
    background.DrawStretched(canvas.dc(), 0, 0, clientWidth, clientHeight);
  else
    background.DrawUnscaledPart(canvas.dc(), part);
  if (over) {
    POINT origin{};
    SetWindowOrgEx(canvas.dc(), part.left, part.top, &origin);
    over(canvas.dc());
    SetWindowOrgEx(canvas.dc(), origin.x, origin.y, nullptr);
  }
  canvas.Present(part.left, part.top);
}

}  // namespace ko
