// One INI file in memory, line by line, with the reads and writes of the Windows profile
// functions applied to it. Loading keeps every line and its own line break, so rendering
// an unchanged document gives back the same bytes; a write changes one line or inserts
// new ones and leaves every other line alone. The file-level engine is a load, one
// operation and a render; a caller that changes many keys can load once, apply them all
// and render once.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>
#include "platform/ini_text_codec.h"
#include "platform/wide_text.h"

namespace ko::ini {

class Document {
 public:
  // A file that does not exist yet: no lines, written as UTF-16LE so that any text a user
  // can type survives.
  Document() = default;
  // An existing file's bytes, in the encoding they announce (see ini_text_codec.h).
  static Document fromBytes(std::string_view bytes);
  static Document fromText(TextView text, Encoding encoding);

  // An ANSI document stays ANSI while the system's code page holds all of its text. A write
  // of text the page cannot hold turns the whole document UTF-16LE (mark included) rather
  // than losing that text to '?': the profile functions read either form alike.
  Encoding encoding() const { return encoding_; }
  std::string toBytes() const;
  Text toText() const;

  // The value text of the first matching key of the first matching section, blanks around
  // it dropped; nothing when the section or key is missing.
  std::optional<Text> storedValue(TextView section, TextView key) const;
  // The same, as a view into the document, good until its next write.
  std::optional<TextView> storedView(TextView section, TextView key) const;

  // The names of the sections in file order, as written in their headers.
  std::vector<Text> sectionNames() const;
  bool hasSection(TextView section) const { return findSection(section).has_value(); }

  Text readString(TextView section, TextView key, TextView fallback) const;
  int32_t readInt(TextView section, TextView key, int32_t fallback) const;
  bool readStruct(TextView section, TextView key, void* buffer, size_t size) const;

  // False (and nothing changed) when the section or key name cannot be written.
  bool writeString(TextView section, TextView key, TextView value);
  bool writeInt(TextView section, TextView key, int32_t value);
  bool writeStruct(TextView section, TextView key, const void* bytes, size_t size);

 private:
  enum class Break : unsigned char { None, CrLf, Lf, Cr };
  // A line as read is a stretch of the document's text (and, in an ANSI document, of the
  // bytes it was read from), so a load copies the file once and not line by line; a line
  // that is written or added holds its own text (and bytes).
  struct Line {
    size_t textStart = 0;
    size_t textLength = 0;
    size_t byteStart = 0;
    size_t byteLength = 0;
    Break lineBreak = Break::None;
    bool own = false;
    Text text;          // the line's own text, without its line break
    // In an ANSI document the line's own bytes. A line nobody changed is written back from
    // the bytes it was read from, byte for byte even where the code page defines no
    // character.
    std::string bytes;
  };
  struct KeyLine {
    TextView name;
    size_t valueStart;  // offset of the value (after '=' and blanks) in the line's text
  };

  static std::optional<TextView> sectionOf(TextView line);
  static std::optional<KeyLine> keyOf(TextView line);
  // The document of a whole text, which it keeps as the text its lines are part of.
  static Document fromDecoded(Text text, Encoding encoding);
  static Line newLine(Text text);
  static TextView breakText(Break lineBreak);
  template <typename View>
  static Break breakOf(View all, size_t at, size_t length);
  TextView textOf(const Line& line) const;
  // The line's text, made its own first, for a change.
  Text& ownText(Line& line);
  // Index of the first header line naming `section`.
  std::optional<size_t> findSection(TextView section) const;
  std::optional<size_t> findKey(size_t header, TextView key) const;
  void terminateLastLine();
  // Brings a new or changed line's bytes up to date with its text.
  void encodeChanged(Line& line);
  void becomeUtf16();

  Encoding encoding_ = Encoding::Utf16Le;
  // The index of every section header line, in file order, made on the first lookup and
  // dropped whenever lines are added (a value written into a key line never makes or
  // unmakes a header).
  mutable std::vector<size_t> headers_;
  mutable bool headersKnown_ = false;
  Text text_;          // the text as read, which every unchanged line is part of
  std::string bytes_;  // in an ANSI document, the bytes as read
  std::vector<Line> lines_;
};

}  // namespace ko::ini
