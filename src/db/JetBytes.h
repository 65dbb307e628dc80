#pragma once
// A view of bytes of a Jet file (a page, a row, a field) whose every read is checked against its end: the
// reader takes all offsets and lengths from the file itself, so none of them is trusted.
#include <cstddef>
#include <cstdint>
#include <string>

#include "db/JetFileError.h"

namespace jet_file {

class Bytes {
 public:
  Bytes() = default;
  Bytes(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}

  const uint8_t* Data() const { return m_data; }
  size_t Size() const { return m_size; }
  bool Empty() const { return m_size == 0; }

  uint8_t U8(size_t at) const { return m_data[Check(at, 1)]; }
  uint16_t U16(size_t at) const {
    const size_t i = Check(at, 2);
    return static_cast<uint16_t>(m_data[i] | m_data[i + 1] << 8);
  }
  uint32_t U32(size_t at) const {
    const size_t i = Check(at, 4);
    return static_cast<uint32_t>(m_data[i]) | static_cast<uint32_t>(m_data[i + 1]) << 8 |
           static_cast<uint32_t>(m_data[i + 2]) << 16 | static_cast<uint32_t>(m_data[i + 3]) << 24;
  }
  uint64_t U64(size_t at) const { return U32(at) | static_cast<uint64_t>(U32(at + 4)) << 32; }
  // `count` bytes from `at`.
  Bytes Slice(size_t at, size_t count) const { return Bytes(m_data + Check(at, count), count); }
  // The bytes from `begin` up to `end`, exclusive.
  Bytes Range(size_t begin, size_t end) const {
    if (end < begin) Damaged("a field ends before it begins");
    return Slice(begin, end - begin);
  }
  std::string ToString() const { return std::string(reinterpret_cast<const char*>(m_data), m_size); }

 private:
  size_t Check(size_t at, size_t count) const {
    if (at > m_size || count > m_size - at) Damaged("an offset points past the end of its page or row");
    return at;
  }

  const uint8_t* m_data = nullptr;
  size_t m_size = 0;
};

// A row's address: its page and its number in the page's row table, as Jet packs them into four bytes.
struct RowAddress {
  uint32_t page;
  uint8_t row;
  static RowAddress FromPointer(uint32_t pointer) { return {pointer >> 8, static_cast<uint8_t>(pointer & 0xFF)}; }
  bool operator<(const RowAddress& other) const { return page != other.page ? page < other.page : row < other.row; }
};

}  // namespace jet_file
