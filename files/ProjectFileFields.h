#pragma once
// Fixed-width fields of the project files. Every file format is a plain
// concatenation of such fields: numbers as right-aligned ASCII text in the C
// locale, texts as UTF-16LE (current layout) or code page 932 (older layouts).
//
// FieldWriter and FieldReader offer the same operations, so that one layout
// function, templated on the stream, describes a block for the writer and for
// the readers alike. FieldReader never reads past its buffer: a field that
// does not fit in the bytes left marks the stream as failed, and so does a
// value the layout code rejects (Fail); after a failure every read gives
// zeros and the caller stops.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/TextCodec.h"

// Which widths the text fields and some number fields have: those of the
// current layout ("ytc", also "ytb") or those of "yta" (8-bit texts in
// narrower fields, and no NUL after some numbers).
enum class FieldWidths { Ytc, Yta };

// The characters (bytes in "yta") of an element-table symbol that a file holds.
constexpr std::size_t TableSymbolCharacters = 4;
// The characters of an element-table name and of a text label that a reader keeps.
constexpr std::size_t TableNameCharacters = 32;
constexpr std::size_t LabelTextCharacters = 40;

// Number text, shared by both streams and testable on its own.
//
// Appends value as "%<width>lli" would, but always exactly width characters:
// a value that needs more is replaced by the nearest value that fits.
void AppendIntField(std::vector<unsigned char>& out, int64_t value, int width);
// Appends value as "%<width>.<decimals>f" would ("%-..." when leftAlign), in
// exactly width characters: when the number needs more, fewer decimals are
// written, down to none, and a number too large even then is brought to the
// nearest one that fits. A NaN is written as 0.
void AppendFixedField(std::vector<unsigned char>& out, double value, int width, int decimals,
                      bool leftAlign = false);
// value x scale rounded to the nearest integer, halves away from zero: the
// integer that the "%li" fields of value x 1000 (or x 10) hold. For values
// of 0 and up this is value x scale + 0.5 truncated toward zero.
int64_t ScaledForField(double value, double scale);

// The standard conversions of the readers, independent of the locale: leading
// blanks skipped, then the longest prefix that is a decimal number ([sign]
// digits [. digits]); 0 when there is none. Integers saturate at the int64 range.
int64_t ParseIntField(std::span<const unsigned char> field);
double ParseDecimalField(std::span<const unsigned char> field);

// Checks that find a field shifted or overwritten, shared by every reader.
//
// A number that printf wrote never holds a NUL byte.
bool HasNulByte(std::span<const unsigned char> field);
// The whole field is what "%<width>li" writes: blanks, an optional minus
// sign and at least one digit, the last byte a digit.
bool IsPrintedInteger(std::span<const unsigned char> field);
// A text field padded with zeros: after the first zero unit (of unitBytes
// bytes: 1 for 8-bit texts, 2 for UTF-16) every byte is zero. A NUL inside a
// text (a text that goes on after its end) fails.
bool IsZeroPaddedText(std::span<const unsigned char> field, std::size_t unitBytes);

// Texts as a reader gives them back, shared by the readers and the writers
// (a writer writes exactly what a reader will give back, so that save, load
// and save give the same bytes).
//
// The first maxChars units of text. A high surrogate left at the end loses
// its partner: it is dropped when the partner was cut off, and a lone one
// becomes U+FFFD (a NUL-terminated copy would drop it one load later).
std::u16string ReadableText(std::u16string_view text, std::size_t maxChars);
// The text of a UTF-16LE field up to its first zero unit, kept as
// ReadableText keeps it; a last odd byte is padding.
std::u16string DecodeUtf16LeField(std::span<const unsigned char> field, std::size_t maxChars);
// An element-table symbol ends at a blank fourth and then at a blank third
// character (bytes in the 8-bit layouts).
void TrimTableSymbol(std::u16string& symbol);
void TrimTableSymbol(std::string& symbol);

class FieldWriter {
 public:
  static constexpr bool kReading = false;

  FieldWidths Widths() const { return FieldWidths::Ytc; }
  bool Ok() const { return true; }

  void Bytes(std::string_view bytes);
  void Nul() { out_.push_back(0); }
  void NulExceptYta() { Nul(); }

  // "%<width>i", clamped into the field.
  void Int(int32_t value, int width);
  // "%<width>li" of ScaledForField(value, 1000).
  void Milli(double value, int width);
  // "%4i" of ScaledForField(value, 10).
  void Tenths(double value);
  // "%<width>.<decimals>f".
  void Fixed(double value, int width, int decimals);
  // "%-<width>.<decimals>f".
  void LeftFixed(double value, int width, int decimals);

  // A UTF-16LE text of utf16Bytes bytes: the text, a NUL character and zero
  // filler, or, for a text of utf16Bytes / 2 characters or more, its first
  // utf16Bytes / 2 characters. The writer always writes the current widths,
  // and writes the text as the reader keeps it (ReadableText).
  void Text(const char16_t* text, std::size_t capacity, int utf16Bytes, int ytaBytes);
  template <std::size_t N>
  void Text(const char16_t (&text)[N], int utf16Bytes, int ytaBytes) {
    Text(text, N, utf16Bytes, ytaBytes);
  }
  // Symbol and name of an element-table row, text of a text label: at most
  // the characters the reader keeps (a symbol trimmed as it reads it).
  template <std::size_t N>
  void TableSymbol(const char16_t (&text)[N]) {
    TableSymbol(text, N);
  }
  template <std::size_t N>
  void TableName(const char16_t (&text)[N]) {
    Utf16(ReadableText(FixedView(text, N), TableNameCharacters), 66);
  }
  template <std::size_t N>
  void LabelText(const char16_t (&text)[N]) {
    Utf16(ReadableText(FixedView(text, N), LabelTextCharacters), 82);
  }
  // A UTF-16 text of the current layout only (joint-hardware rows).
  template <std::size_t N>
  void ShortText(const char16_t (&text)[N], int utf16Bytes) {
    Text(text, N, utf16Bytes, 0);
  }

  const std::vector<unsigned char>& Output() const { return out_; }
  std::vector<unsigned char> TakeOutput() { return std::move(out_); }

 private:
  void TableSymbol(const char16_t* text, std::size_t capacity);
  void Utf16(std::u16string_view text, int utf16Bytes);

  std::vector<unsigned char> out_;
};

class FieldReader {
 public:
  static constexpr bool kReading = true;

  FieldReader(std::span<const unsigned char> bytes, FieldWidths widths) : bytes_(bytes), widths_(widths) {}

  FieldWidths Widths() const { return widths_; }
  bool Ok() const { return !failed_; }
  // Marks the file as broken: the reader stops and keeps what it has committed.
  void Fail() { failed_ = true; }
  std::size_t Position() const { return pos_; }
  std::size_t Remaining() const { return bytes_.size() - pos_; }

  // The next n bytes, or an empty span (and a failed stream) when fewer are left.
  std::span<const unsigned char> Take(std::size_t n);
  void Skip(std::size_t n) { Take(n); }
  // The NUL that ends a field: any other byte means the bytes have shifted
  // (a byte inserted or lost in transfer), so the file is broken.
  void Nul() {
    const auto f = Take(1);
    if (!failed_ && f[0] != 0) failed_ = true;
  }
  void NulExceptYta() {
    if (widths_ == FieldWidths::Ytc) Nul();
  }

  void Int(int32_t& value, int width);
  void Milli(double& value, int width);
  void Tenths(double& value);
  void Fixed(double& value, int width, int /*decimals*/);
  void LeftFixed(double& value, int width, int decimals) { Fixed(value, width, decimals); }

  // A text field of utf16Bytes (current layout) or ytaBytes (code page 932)
  // bytes, taken up to its first NUL and cut to the destination's capacity.
  void Text(char16_t* text, std::size_t capacity, int utf16Bytes, int ytaBytes);
  template <std::size_t N>
  void Text(char16_t (&text)[N], int utf16Bytes, int ytaBytes) {
    Text(text, N, utf16Bytes, ytaBytes);
  }
  // At most 4 characters (bytes in "yta"); a blank fourth and then a blank
  // third character end the symbol there.
  template <std::size_t N>
  void TableSymbol(char16_t (&text)[N]) {
    TableSymbol(text, N);
  }
  // At most 32 characters (bytes in "yta").
  template <std::size_t N>
  void TableName(char16_t (&text)[N]) {
    TableName(text, N);
  }
  // At most 40 characters; in "yta" the text ends at its first blank byte.
  template <std::size_t N>
  void LabelText(char16_t (&text)[N]) {
    LabelText(text, N);
  }
  // UTF-16 text of utf16Bytes bytes, at most utf16Bytes / 2 characters.
  template <std::size_t N>
  void ShortText(char16_t (&text)[N], int utf16Bytes) {
    Text(text, N, utf16Bytes, 0);
  }

  // Code page 932 text of n bytes up to its first NUL.
  void Text8(char16_t* text, std::size_t capacity, std::size_t n);
  // The first blank-delimited word of an n-byte code page 932 field. Returns
  // false, leaving text alone, for a field that holds no word; a field whose
  // first byte is NUL gives the empty text.
  bool Word8(char16_t* text, std::size_t capacity, std::size_t n);

 private:
  // A number field; a NUL byte in it makes the stream fail.
  std::span<const unsigned char> TakeNumber(std::size_t n);
  // A UTF-16 text field; anything but zeros after its end makes the stream fail.
  std::span<const unsigned char> TakeUtf16Text(std::size_t n);
  void TableSymbol(char16_t* text, std::size_t capacity);
  void TableName(char16_t* text, std::size_t capacity);
  void LabelText(char16_t* text, std::size_t capacity);

  std::span<const unsigned char> bytes_;
  std::size_t pos_ = 0;
  FieldWidths widths_;
  bool failed_ = false;
};
