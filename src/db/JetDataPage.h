#pragma once
// A data page of a Jet file (type 1): its owner and its row offset table. Rows lie from the end of the page
// towards its start; each runs from its offset to the offset of the row before it. Long values (memo text)
// live on the same kind of page, owned by 'LVAL'.
#include <cstdint>

#include "db/JetBytes.h"
#include "db/JetPages.h"

namespace jet_file {

// The high bits of a row offset. A deleted row has both (the engine writes 0xC000) and may have no length;
// a row that moved keeps only a pointer to its new place and has kMovedRow alone; the moved row itself
// is marked kDeletedRow alone, so a scan of its page passes it by and only the pointer reaches it.
constexpr uint16_t kDeletedRow = 0x8000;
constexpr uint16_t kMovedRow = 0x4000;

class DataPage {
 public:
  // Damage unless the page is a data page.
  DataPage(const Pages& pages, uint32_t number);

  uint32_t Owner() const { return m_page.U32(4); }
  unsigned RowCount() const { return m_rowCount; }
  uint16_t Flags(unsigned row) const { return static_cast<uint16_t>(RawOffset(row) & 0xC000); }
  // The row's bytes, whatever its flags say.
  Bytes Row(unsigned row) const;

 private:
  uint16_t RawOffset(unsigned row) const;

  Bytes m_page;
  const Format& m_format;
  unsigned m_rowCount;
};

// The row a table's scan meets at `address`: the bytes of the row where it now lies, following the
// pointer of a moved row. Damage when pointers lead in a loop.
Bytes MovedRowAt(const Pages& pages, RowAddress address);

}  // namespace jet_file
