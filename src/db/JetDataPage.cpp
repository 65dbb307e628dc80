#include "db/JetDataPage.h"

namespace jet_file {

namespace {

constexpr uint8_t kDataPageType = 1;
constexpr uint16_t kOffsetMask = 0x1FFF;
// The engine points a moved row at its new place once; a few steps leave room, and end any loop.
constexpr int kMaxMoves = 4;

}  // namespace

DataPage::DataPage(const Pages& pages, uint32_t number) : m_page(pages.Page(number)), m_format(pages.GetFormat()) {
  if (m_page.U8(0) != kDataPageType) Damaged("a page that should hold rows is of another kind");
  m_rowCount = m_page.U16(m_format.rowCountAt);
  // The offset table itself must lie inside the page.
  m_page.Slice(m_format.rowCountAt + 2, size_t{m_rowCount} * 2);
}

uint16_t DataPage::RawOffset(unsigned row) const {
  if (row >= m_rowCount) Damaged("a row number is beyond its page's row table");
  return m_page.U16(m_format.rowCountAt + 2 + size_t{row} * 2);
}

Bytes DataPage::Row(unsigned row) const {
  const size_t begin = RawOffset(row) & kOffsetMask;
  const size_t end = row == 0 ? m_format.pageSize : RawOffset(row - 1) & kOffsetMask;
  const size_t tableEnd = m_format.rowCountAt + 2 + size_t{m_rowCount} * 2;
  if (begin < tableEnd) Damaged("a row overlaps its page's row table");
  return m_page.Range(begin, end);
}

Bytes MovedRowAt(const Pages& pages, RowAddress address) {
  for (int step = 0; step <= kMaxMoves; ++step) {
    const DataPage page(pages, address.page);
    const uint16_t flags = page.Flags(address.row);
    const Bytes row = page.Row(address.row);
    if (flags != kMovedRow) return row;
    address = RowAddress::FromPointer(row.U32(0));
  }
  Damaged("moved rows point at each other in a loop");
}

}  // namespace jet_file
