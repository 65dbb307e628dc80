#include "TextCheck.h"

#include <cstdio>

namespace {

std::string Hex(unsigned value, int digits) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%0*X", digits, value);
  return buf;
}

std::string ByteFault(std::string_view line, size_t pos, const char* why) {
  return std::string("bad UTF-8 encoding: ") + why + " (byte 0x" + Hex(static_cast<unsigned char>(line[pos]), 2) +
         " at column " + std::to_string(pos + 1) + ")";
}

// Decodes the character at pos; returns its length, or 0 with a fault description when malformed.
size_t DecodeUtf8(std::string_view s, size_t pos, unsigned& cp, std::string& fault) {
  const unsigned char lead = static_cast<unsigned char>(s[pos]);
  size_t len;
  unsigned minimum;
  if (lead < 0x80) {
    cp = lead;
    return 1;
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    len = 2, cp = lead & 0x1F, minimum = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    len = 3, cp = lead & 0x0F, minimum = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    len = 4, cp = lead & 0x07, minimum = 0x10000;
  } else {
    fault = ByteFault(s, pos, "not a lead byte");
    return 0;
  }
  if (pos + len > s.size()) {
    fault = ByteFault(s, pos, "character cut short");
    return 0;
  }
  for (size_t i = 1; i < len; ++i) {
    const unsigned char c = static_cast<unsigned char>(s[pos + i]);
    if ((c & 0xC0) != 0x80) {
      fault = ByteFault(s, pos, "character cut short");
      return 0;
    }
    cp = (cp << 6) | (c & 0x3F);
  }
  if (cp < minimum) {
    fault = ByteFault(s, pos, "overlong form");
    return 0;
  }
  if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
    fault = ByteFault(s, pos, "not a character");
    return 0;
  }
  return len;
}

}  // namespace

std::optional<std::string> FindUtf8Fault(std::string_view line) {
  for (size_t pos = 0; pos < line.size();) {
    unsigned cp = 0;
    std::string fault;
    const size_t len = DecodeUtf8(line, pos, cp, fault);
    if (len == 0) return fault;
    if ((cp < 0x20 && cp != '\t') || cp == 0x7F || (cp >= 0x80 && cp < 0xA0))
      return "control character U+" + Hex(cp, 4) + " at column " + std::to_string(pos + 1);
    pos += len;
  }
  return std::nullopt;
}
