#include "skin/focus_order.h"

#include <algorithm>
#include <cstdlib>

namespace ko {

namespace {

int middle(const PixelRect& r) { return (r.top + r.bottom) / 2; }

int positionIn(const std::vector<int>& order, int index) {
  const auto at = std::find(order.begin(), order.end(), index);
  return at == order.end() ? -1 : static_cast<int>(at - order.begin());
}

// The first candidate from `start` on (wrapping, moving by `step`) that `accept`s.
template <typename Accept>
int firstAccepted(const std::vector<int>& order, int start, int step, Accept accept) {
  const int count = static_cast<int>(order.size());
  for (int n = 0; n < count; ++n) {
    const int index = order[((start + step * n) % count + count) % count];
    if (accept(index)) return index;
  }
  return -1;
}

}  // namespace

std::vector<int> readingOrder(const std::vector<FocusCandidate>& candidates) {
  std::vector<int> order(candidates.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
  // Rows first: a control belongs to the row of the first control above it within the
  // tolerance, so a slightly taller neighbour does not split a row.
  std::stable_sort(order.begin(), order.end(),
                   [&](int a, int b) { return middle(candidates[a].rect) < middle(candidates[b].rect); });
  std::vector<int> row(order.size());
  int rowMiddle = 0;
  int rowNumber = -1;
  for (size_t k = 0; k < order.size(); ++k) {
    const int m = middle(candidates[order[k]].rect);
    if (rowNumber < 0 || m - rowMiddle > kReadingRowTolerance) {
      ++rowNumber;
      rowMiddle = m;
    }
    row[order[k]] = rowNumber;
  }
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
    if (row[a] != row[b]) return row[a] < row[b];
    return candidates[a].rect.left < candidates[b].rect.left;
  });
  return order;
}

int nextInTabOrder(const std::vector<FocusCandidate>& candidates, int current, bool backwards) {
  const std::vector<int> order = readingOrder(candidates);
  if (order.empty()) return -1;
  const int at = positionIn(order, current);
  const int step = backwards ? -1 : 1;
  const int count = static_cast<int>(order.size());
  const int start = at < 0 ? (backwards ? count - 1 : 0) : at + step;
  return firstAccepted(order, start, step, [&](int i) { return candidates[i].canFocus; });
}

int nextInGroup(const std::vector<FocusCandidate>& candidates, int current, bool backwards) {
  if (current < 0 || current >= static_cast<int>(candidates.size())) return -1;
  const int group = candidates[current].group;
  if (group == 0) return -1;
  const std::vector<int> order = readingOrder(candidates);
  const int step = backwards ? -1 : 1;
  const int found = firstAccepted(order, positionIn(order, current) + step, step, [&](int i) {
    return candidates[i].canFocus && candidates[i].group == group;
  });
  return found == current ? -1 : found;
}

int labelFor(const WindowLayout& layout, int index) {
  const auto& table = layout.controls;
  if (index < 0 || index >= static_cast<int>(table.size())) return -1;
  const PixelRect& r = table[index].rect;
  int best = -1;
  int bestDistance = 0;
  bool bestBeside = false;
  for (int i = 0; i < static_cast<int>(table.size()); ++i) {
    const ControlSpec& c = table[i];
    const bool caption = c.captionNumber != 0 && (c.kind == ControlKind::Label ||
                                                  (c.kind == ControlKind::Button && c.look == ControlLook::Text));
    if (i == index || !caption || c.rect.empty()) continue;
    const bool sameRow = c.rect.top < r.bottom && r.top < c.rect.bottom;
    const bool beside = sameRow && c.rect.right <= r.left + kReadingRowTolerance;
    const bool above = c.rect.bottom <= r.top + kReadingRowTolerance && c.rect.left < r.right && r.left < c.rect.right;
    if (!beside && !above) continue;
    const int distance = beside ? r.left - c.rect.right : r.top - c.rect.bottom;
    if (best < 0 || (beside && !bestBeside) || (beside == bestBeside && distance < bestDistance)) {
      best = i;
      bestDistance = distance;
      bestBeside = beside;
    }
  }
  return best;
}

int sliderPageStep(SliderRange range) {
  const int span = std::abs(range.maximum - range.minimum);
  return std::max(1, (span + 3) / 4);
}

std::optional<int> sliderValueForKey(SliderRange range, int value, SliderKey key) {
  if (range.maximum <= range.minimum) return std::nullopt;
  int wanted = value;
  switch (key) {
    case SliderKey::Increase: wanted = value + 1; break;
    case SliderKey::Decrease: wanted = value - 1; break;
    case SliderKey::PageIncrease: wanted = value + sliderPageStep(range); break;
    case SliderKey::PageDecrease: wanted = value - sliderPageStep(range); break;
    case SliderKey::Lowest: wanted = range.minimum; break;
    case SliderKey::Highest: wanted = range.maximum; break;
  }
  wanted = std::clamp(wanted, range.minimum, range.maximum);
  if (wanted == value) return std::nullopt;
  return wanted;
}

}  // namespace ko
