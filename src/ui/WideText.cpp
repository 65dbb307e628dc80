#include "ui/WideText.h"

#include "base/Utf8.h"

namespace {

constexpr char32_t kFirstSupplementary = 0x10000;

void AppendUtf16(std::wstring& out, char32_t cp) {
  if (cp < kFirstSupplementary) {
    out += static_cast<wchar_t>(cp);
    return;
  }
  cp -= kFirstSupplementary;
  out += static_cast<wchar_t>(0xD800 + (cp >> 10));
  out += static_cast<wchar_t>(0xDC00 + (cp & 0x3FF));
}

bool IsHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

std::wstring Widen(std::string_view utf8) {
  std::wstring out;
  out.reserve(utf8.size());
  for (size_t pos = 0; pos < utf8.size();) AppendUtf16(out, utf8::Next(utf8, pos));
  return out;
}

std::string Narrow(std::wstring_view utf16) {
  std::string out;
  out.reserve(utf16.size() * 3);
  for (size_t i = 0; i < utf16.size(); ++i) {
    // Masked so that a 32-bit wchar_t holding more than a unit still reads as one unit.
    const char32_t unit = static_cast<char32_t>(utf16[i]) & 0xFFFF;
    if (IsHighSurrogate(unit) && i + 1 < utf16.size() && IsLowSurrogate(static_cast<char32_t>(utf16[i + 1]) & 0xFFFF)) {
      const char32_t low = static_cast<char32_t>(utf16[++i]) & 0xFFFF;
      utf8::Append(out, kFirstSupplementary + ((unit - 0xD800) << 10) + (low - 0xDC00));
    } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
      utf8::Append(out, utf8::kReplacement);
    } else {
      utf8::Append(out, unit);
    }
  }
  return out;
}

std::size_t Utf16Offset(std::string_view utf8, std::size_t bytes) {
  std::size_t units = 0;
  for (size_t pos = 0; pos < bytes && pos < utf8.size();) units += utf8::Next(utf8, pos) < kFirstSupplementary ? 1 : 2;
  return units;
}
