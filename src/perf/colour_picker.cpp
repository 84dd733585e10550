#include "perf/colour_picker.h"

#include <cmath>

namespace ko {

namespace {

struct Rgb3 {
  int r, g, b;
};

// Each leg moves one channel between its two ends while the others hold; the steps in
// between are even to within rounding. The skin's hue strip is drawn from the same legs.
struct HueLeg {
  int first, last;
  Rgb3 from, to;
};
constexpr HueLeg kHueLegs[] = {
    {2, 29, {255, 0, 5}, {255, 0, 251}},     {30, 64, {254, 0, 255}, {1, 0, 255}},
    {65, 95, {0, 3, 255}, {0, 255, 255}},    {96, 129, {0, 255, 251}, {0, 255, 2}},
    {130, 162, {2, 255, 0}, {254, 255, 0}},  {163, 190, {255, 252, 0}, {255, 16, 0}},
};

int Lerp(int a, int b, double t) { return static_cast<int>(std::lround(a + (b - a) * t)); }

int HexDigit(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  return -1;
}

Text Hex6(uint32_t v) {
  static const char16_t digits[] = u"0123456789abcdef";
  Text t(6, u'0');
  for (int i = 5; i >= 0; --i, v >>= 4) t[i] = digits[v & 0xF];
  return t;
}

int Limit255(uint32_t v) { return v > 255 ? 255 : static_cast<int>(v); }

}  // namespace

uint32_t HueTableEntry(int index) {
  for (const HueLeg& leg : kHueLegs) {
    if (index < leg.first || index > leg.last) continue;
    const double t = double(index - leg.first) / (leg.last - leg.first);
    return Rgb(Lerp(leg.from.r, leg.to.r, t), Lerp(leg.from.g, leg.to.g, t), Lerp(leg.from.b, leg.to.b, t));
  }
  return 0;
}

bool InShadeSquare(int x, int y) {
  using namespace picker_geometry;
  return x >= kSquareLeft && x <= kSquareRight && y >= kSquareTop && y <= kSquareBottom;
}

bool InHueBar(int x, int y) {
  using namespace picker_geometry;
  return x >= kBarLeft && x <= kBarRight && y >= kBarTop && y <= kBarBottom;
}

uint32_t ShadeColourAt(int x, int h, uint32_t hue) {
  using namespace picker_geometry;
  if (h < 0) h = 0;
  if (h > kShadeRows - 1) h = kShadeRows - 1;
  if (x < 0) x = 0;
  if (x > kShadeRowEnd) x = kShadeRowEnd;
  const int grey = 255 - h * 255 / 191;
  const double d = h * 255.0 / 191.0;
  auto darken = [d](int c) { return c > d ? static_cast<int>(c - d) : 0; };
  const Rgb3 left{grey, grey, grey};
  const Rgb3 right{darken(RedOf(hue)), darken(GreenOf(hue)), darken(BlueOf(hue))};
  const double t = double(x) / kShadeRowEnd;
  return Rgb(Lerp(left.r, right.r, t), Lerp(left.g, right.g, t), Lerp(left.b, right.b, t));
}

ColourFields FieldsFor(uint32_t colour) {
  return {decimal(RedOf(colour)), decimal(GreenOf(colour)), decimal(BlueOf(colour)), Hex6(colour)};
}

uint32_t ReadDecimalField(TextView text) {
  size_t i = 0;
  while (i < text.size() && text[i] == u' ') ++i;
  uint32_t v = 0;
  for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
    v = v * 10 + static_cast<uint32_t>(text[i] - u'0');
    if (v > 0xFFFFFF) return 0xFFFFFF;  // far beyond any channel; stop before it wraps
  }
  return v;
}

uint32_t ReadHexField(TextView text) {
  size_t i = 0;
  while (i < text.size() && text[i] == u' ') ++i;
  if (i + 1 < text.size() && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) i += 2;
  uint32_t v = 0;
  for (; i < text.size() && HexDigit(text[i]) >= 0; ++i) {
    if (v > 0x0FFFFFFF) return 0xFFFFFFFF;  // saturates as the C library's reading does
    v = v << 4 | static_cast<uint32_t>(HexDigit(text[i]));
  }
  return v;
}

void ColourPicker::reset(uint32_t colour) {
  markerX_ = 190;
  markerY_ = 1;
  hue_ = 255;
  barPosition_ = 1;
  dragging_ = false;
  colour_ = colour;
}

void ColourPicker::takeBar(int y) {
  using namespace picker_geometry;
  markerX_ = 190;
  markerY_ = 1;
  barPosition_ = y < kBarPositionMin ? kBarPositionMin : y > kBarPositionMax ? kBarPositionMax : y;
  hue_ = colour_ = HueTableEntry(barPosition_ - 1);
  lastDragY_ = y;
}

void ColourPicker::pressBar(int y) {
  takeBar(y);
  dragging_ = true;
}

bool ColourPicker::dragBar(int y) {
  if (!dragging_ || y == lastDragY_) return false;
  takeBar(y);
  return true;
}

std::optional<uint32_t> ColourPicker::releaseBar() {
  if (!dragging_) return std::nullopt;
  dragging_ = false;
  return colour_;
}

void ColourPicker::pickShade(int x, int y, uint32_t shownColour) {
  markerX_ = x;
  markerY_ = y;
  colour_ = shownColour & 0xFFFFFF;
}

void ColourPicker::stepChannel(ColourChannel channel, int delta) {
  int c[3] = {RedOf(colour_), GreenOf(colour_), BlueOf(colour_)};
  int& v = c[static_cast<int>(channel)];
  if (delta > 0) v = v >= 254 ? 255 : v + 1;
  if (delta < 0) v = v <= 1 ? 0 : v - 1;
  colour_ = Rgb(c[0], c[1], c[2]);
}

uint32_t ColourPicker::hexTyped(TextView hex) {
  const uint32_t v = ReadHexField(hex);
  colour_ = Rgb(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF);
  return colour_;
}

uint32_t ColourPicker::channelTyped(ColourChannel changed, TextView red, TextView green, TextView blue,
                                    std::optional<Text>* replacement) {
  const uint32_t typed[3] = {ReadDecimalField(red), ReadDecimalField(green), ReadDecimalField(blue)};
  if (replacement) *replacement = std::nullopt;
  if (typed[static_cast<int>(changed)] > 255 && replacement) *replacement = Text(u"255");
  // The other two fields only ever hold what the picker wrote or what was limited when it
  // was typed; they are limited here all the same so no channel can spill into the next.
  colour_ = Rgb(Limit255(typed[0]), Limit255(typed[1]), Limit255(typed[2]));
  return colour_;
}

}  // namespace ko
