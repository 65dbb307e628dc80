#pragma once
// Where Jet 3 (2 KB pages) and Jet 4 (4 KB pages) put the same things: one table of offsets per version,
// so that the reader's code is the same for both. Offsets in a table definition count from the start of
// its first page, the page's own 8-byte header included.
#include <cstddef>

namespace jet_file {

struct Format {
  int version = 0;  // 3 or 4
  size_t pageSize = 0;
  size_t rowCountAt = 0;  // data pages: the row count, followed by the two-byte row offsets
  size_t tdefLengthAt = 8;
  size_t tdefVarColumnCountAt = 0;
  size_t tdefColumnCountAt = 0;
  size_t tdefRealIndexCountAt = 0;
  size_t tdefUsedPagesAt = 0;
  size_t tdefFirstIndexAt = 0;  // the index entries, then the column entries, then the column names
  size_t realIndexSize = 0;
  size_t columnEntrySize = 0;
  size_t columnNumberAt = 0, columnVarIndexAt = 0, columnFlagsAt = 0, columnFixedOffsetAt = 0, columnLengthAt = 0;
  size_t columnCompressedAt = 0;  // Jet 4 only: 1 when the column's text may be stored compressed
  size_t nameLengthSize = 0;      // a column name's length: one byte (Jet 3), two (Jet 4, in bytes of UCS-2)
  size_t rowNumberSize = 0;       // column count, eod and offsets in a row: one byte (Jet 3), two (Jet 4)
};

constexpr Format MakeJet3() {
  Format f;
  f.version = 3, f.pageSize = 2048, f.rowCountAt = 8;
  f.tdefVarColumnCountAt = 23, f.tdefColumnCountAt = 25, f.tdefRealIndexCountAt = 31, f.tdefUsedPagesAt = 35;
  f.tdefFirstIndexAt = 43, f.realIndexSize = 8, f.columnEntrySize = 18;
  // After the column numbers come an unknown word, the sort order and the code page, then the flags.
  f.columnNumberAt = 1, f.columnVarIndexAt = 3, f.columnFlagsAt = 13, f.columnFixedOffsetAt = 14;
  f.columnLengthAt = 16, f.nameLengthSize = 1, f.rowNumberSize = 1;
  return f;
}

constexpr Format MakeJet4() {
  Format f;
  f.version = 4, f.pageSize = 4096, f.rowCountAt = 12;
  f.tdefVarColumnCountAt = 43, f.tdefColumnCountAt = 45, f.tdefRealIndexCountAt = 51, f.tdefUsedPagesAt = 55;
  f.tdefFirstIndexAt = 63, f.realIndexSize = 12, f.columnEntrySize = 25;
  f.columnNumberAt = 5, f.columnVarIndexAt = 7, f.columnFlagsAt = 15, f.columnCompressedAt = 16;
  f.columnFixedOffsetAt = 21, f.columnLengthAt = 23, f.nameLengthSize = 2, f.rowNumberSize = 2;
  return f;
}

inline constexpr Format kJet3 = MakeJet3();
inline constexpr Format kJet4 = MakeJet4();

}  // namespace jet_file
