#include "db/Cp949.h"

#include <cstdint>

#include "db/Utf8.h"

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

std::string Utf8ToCp949(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  size_t pos = 0;
  while (pos < text.size()) {
    const auto c = static_cast<unsigned char>(text[pos]);
    if (c < 0x80) {
      out += static_cast<char>(c);
      ++pos;
      continue;
    }
    const char32_t cp = utf8::Next(text, pos);
    const uint16_t code = cp < 0x10000 ? kEncodePages[kEncodePageIndex[cp >> 8]][cp & 0xFF] : 0;
    if (code != 0) {
      out += static_cast<char>(code >> 8);
      out += static_cast<char>(code & 0xFF);
    } else {
      out += '?';
    }
  }
  return out;
}

size_t Cp949CharLength(std::string_view text, size_t pos) {
  if (pos + 1 < text.size() &&
      DecodePair(static_cast<unsigned char>(text[pos]), static_cast<unsigned char>(text[pos + 1])) != 0)
    return 2;
  return 1;
}
