#include "db/JetText.h"

#include "db/Cp949.h"
#include "base/Utf8.h"

namespace jet_file {

namespace {

bool IsHighSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char32_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// Appends UTF-16 code units one at a time, joining surrogate pairs.
class Utf16Sink {
 public:
  explicit Utf16Sink(std::string& out) : m_out(out) {}
  ~Utf16Sink() { Flush(); }
  void Add(char32_t unit) {
    if (m_high != 0 && IsLowSurrogate(unit)) {
      utf8::Append(m_out, 0x10000 + ((m_high - 0xD800) << 10) + (unit - 0xDC00));
      m_high = 0;
      return;
    }
    Flush();
    if (IsHighSurrogate(unit))
      m_high = unit;
    else
      utf8::Append(m_out, IsLowSurrogate(unit) ? utf8::kReplacement : unit);
  }
  void Flush() {
    if (m_high != 0) utf8::Append(m_out, utf8::kReplacement);
    m_high = 0;
  }

 private:
  std::string& m_out;
  char32_t m_high = 0;
};

}  // namespace

std::string Ucs2ToUtf8(Bytes ucs2) {
  std::string out;
  out.reserve(ucs2.Size() * 3 / 2);
  {
    Utf16Sink sink(out);
    const uint8_t* data = ucs2.Data();
    const size_t pairs = ucs2.Size() / 2;
    for (size_t i = 0; i < pairs; ++i) sink.Add(static_cast<char32_t>(data[2 * i] | data[2 * i + 1] << 8));
    if (ucs2.Size() % 2 != 0) sink.Add(utf8::kReplacement);
  }
  return out;
}

std::string TextToUtf8(const Format& format, Bytes stored) {
  if (format.version == 3)
    return Cp949ToUtf8(std::string_view(reinterpret_cast<const char*>(stored.Data()), stored.Size()));
  const uint8_t* data = stored.Data();
  const size_t size = stored.Size();
  if (size < 2 || data[0] != 0xFF || data[1] != 0xFE) return Ucs2ToUtf8(stored);
  std::string out;
  out.reserve(size * 3);
  Utf16Sink sink(out);
  bool oneByte = true;
  for (size_t i = 2; i < size;) {
    if (data[i] == 0) {
      oneByte = !oneByte;
      ++i;
    } else if (oneByte) {
      sink.Add(data[i++]);
    } else if (i + 1 < size) {
      sink.Add(static_cast<char32_t>(data[i] | data[i + 1] << 8));
      i += 2;
    } else {
      sink.Add(utf8::kReplacement);
      ++i;
    }
  }
  sink.Flush();
  return out;
}

}  // namespace jet_file
