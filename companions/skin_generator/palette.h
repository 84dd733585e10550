// The skin's colours. Everything the generator draws takes its colours from here, so the
// whole skin can be retuned in one place.
#pragma once

namespace skingen {

struct Rgb {
  double r, g, b;
};

constexpr Rgb hex(unsigned v) {
  return {((v >> 16) & 0xFF) / 255.0, ((v >> 8) & 0xFF) / 255.0, (v & 0xFF) / 255.0};
}

// Blends a towards b by t (0 = a, 1 = b).
constexpr Rgb mix(Rgb a, Rgb b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

namespace colour {
inline constexpr Rgb ground = hex(0x15171b);       // window background
inline constexpr Rgb groundDeep = hex(0x101215);   // wells, tracks
inline constexpr Rgb headerBand = hex(0x1a1d22);   // heading bar of dialogs and pages
inline constexpr Rgb panel = hex(0x1f232a);        // raised areas and control faces
inline constexpr Rgb panelOver = hex(0x2a303a);    // the same under the pointer
inline constexpr Rgb panelDown = hex(0x262b33);    // pressed or selected face
inline constexpr Rgb border = hex(0x3a404a);       // grey-blue outlines
inline constexpr Rgb borderOver = hex(0x566070);   // outline under the pointer
inline constexpr Rgb rule = hex(0x2a2f37);         // separators inside panels
inline constexpr Rgb highlight = hex(0x2f3540);    // top edge light of raised faces
inline constexpr Rgb accent = hex(0xffe100);       // selection and pressed states
inline constexpr Rgb accentDim = hex(0x8a7a10);    // accent at rest (thin hints)
inline constexpr Rgb textHeading = hex(0xf2f3f5);
inline constexpr Rgb textMuted = hex(0x8a93a0);
inline constexpr Rgb controlText = hex(0xffffff);  // captions the program draws on its controls
inline constexpr Rgb glyph = hex(0xb8bfca);        // icons on window buttons and fields
inline constexpr Rgb closeOver = hex(0xc4343c);
}  // namespace colour

}  // namespace skingen
