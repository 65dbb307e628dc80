#include "db/Cp949.h"

#include <cstdint>

#include "base/Utf8.h"

namespace {

#include "db/Cp949Table.inc"

bool IsLeadByte(unsigned char c) { return c >= kLeadFirst && c <= kLeadLast; }
bool IsTrailByte(unsigned char c) { return c >= kTrailFirst && c <= kTrailLast; }

// Code point of a double-byte pair, 0 when it is not a character.
char32_t DecodePair(unsigned char lead, unsigned char trail) {
  if (!IsLeadByte(lead) || !IsTrailByte(trail)) return 0;
  return kDecode[lead - kLeadFirst][trail - kTrailFirst];
}

}  // namespace

std::string Cp949ToUtf8(std::string_view cp949) {
  std::string out;
  out.reserve(cp949.size() + cp949.size() / 2);
  size_t pos = 0;
  while (pos < cp949.size()) {
    const auto c = static_cast<unsigned char>(cp949[pos]);
    if (c < 0x80) {
      out += static_cast<char>(c);
      ++pos;
      continue;
    }
    const char32_t cp = pos + 1 < cp949.size() ? DecodePair(c, static_cast<unsigned char>(cp949[pos + 1])) : 0;
    if (cp != 0) {
      utf8::Append(out, cp);
      pos += 2;
    } else {
      // A bad pair costs only its first byte: the second may start the next character.
      utf8::Append(out, utf8::kReplacement);
      ++pos;
    }
  }
  return out;
}

namespace {

// Appends the text in code page 949 to `out`. A character that code page 949 lacks, or a byte that is not
// UTF-8, becomes '?', or ends the conversion with false and `out` as it was when `stopAtMissing`.
bool AppendCp949(std::string_view text, std::string& out, bool stopAtMissing) {
  // Never longer than the UTF-8: a byte below 0x80 stays one byte, a longer sequence gives two bytes or
  // '?', and a bad byte gives '?'. So the bytes are written straight into room of the input's size.
  const size_t kept = out.size();
  out.resize(kept + text.size());
  char* const begin = out.data();
  char* dest = begin + kept;
  const char* const src = text.data();
  const size_t size = text.size();
  size_t pos = 0;
  while (pos < size) {
    // ASCII stays as it is. Byte by byte: in Korean text its runs are mostly a single blank.
    const auto lead = static_cast<unsigned char>(src[pos]);
    if (lead < 0x80) {
      *dest++ = static_cast<char>(lead);
      ++pos;
      continue;
    }
    // Three-byte sequences (Hangul among them) are read here; anything else, or anything bad, by Next.
    char32_t cp = 0;
    if (lead >= 0xE0 && lead <= 0xEF && pos + 2 < size) {
      const auto second = static_cast<unsigned char>(src[pos + 1]);
      const auto third = static_cast<unsigned char>(src[pos + 2]);
      cp = (char32_t{lead & 0x0Fu} << 12) | (char32_t{second & 0x3Fu} << 6) | (third & 0x3Fu);
      // Only E0 can start an overlong form and only ED a surrogate: other leads need no range check.
      const bool valid = (second & 0xC0) == 0x80 && (third & 0xC0) == 0x80 &&
                         ((lead != 0xE0 && lead != 0xED) || (cp >= 0x800 && (cp < 0xD800 || cp > 0xDFFF)));
      if (valid)
        pos += 3;
      else
        cp = utf8::Next(text, pos);
    } else {
      cp = utf8::Next(text, pos);
    }
    // U+FFFD, the reading of a bad byte, is not in code page 949 either.
    const uint16_t code = cp < 0x10000 ? kEncodePages[kEncodePageIndex[cp >> 8]][cp & 0xFF] : 0;
    if (code != 0) {
      *dest++ = static_cast<char>(code >> 8);
      *dest++ = static_cast<char>(code & 0xFF);
    } else if (stopAtMissing) {
      out.resize(kept);
      return false;
    } else {
      *dest++ = '?';
    }
  }
  out.resize(static_cast<size_t>(dest - begin));
  return true;
}

}  // namespace

std::string Utf8ToCp949(std::string_view text) {
  std::string out;
  AppendCp949(text, out, false);
  return out;
}

bool AppendWholeCp949(std::string_view utf8, std::string& cp949) { return AppendCp949(utf8, cp949, true); }
