#include "db/JetUsageMap.h"

#include "db/JetDataPage.h"

namespace jet_file {

namespace {

constexpr uint8_t kInlineMap = 0;
constexpr uint8_t kPagedMap = 1;
constexpr uint8_t kMapPageType = 5;
constexpr size_t kMapPageHeaderSize = 4;

void AddMarked(const Pages& pages, Bytes bitmap, uint64_t firstPage, std::vector<uint32_t>& marked) {
  for (size_t i = 0; i < bitmap.Size(); ++i) {
    const uint8_t bits = bitmap.U8(i);
    for (int bit = 0; bit < 8; ++bit) {
      if (!(bits & (1 << bit))) continue;
      const uint64_t page = firstPage + i * 8 + bit;
      if (page >= pages.Count()) Damaged("a table's page map marks a page past the end of the file");
      marked.push_back(static_cast<uint32_t>(page));
    }
  }
}

}  // namespace

std::vector<uint32_t> ReadUsageMap(const Pages& pages, uint32_t rowPointer) {
  const RowAddress address = RowAddress::FromPointer(rowPointer);
  const Bytes map = DataPage(pages, address.page).Row(address.row);
  std::vector<uint32_t> marked;
  const uint8_t type = map.U8(0);
  if (type == kInlineMap) {
    AddMarked(pages, map.Range(5, map.Size()), map.U32(1), marked);
  } else if (type == kPagedMap) {
    const size_t perPage = (pages.GetFormat().pageSize - kMapPageHeaderSize) * 8;
    for (size_t k = 0; 1 + 4 * (k + 1) <= map.Size(); ++k) {
      const uint32_t mapPage = map.U32(1 + 4 * k);
      if (mapPage == 0) continue;
      const Bytes page = pages.Page(mapPage);
      if (page.U8(0) != kMapPageType) Damaged("a table's page map points at a page of another kind");
      AddMarked(pages, page.Range(kMapPageHeaderSize, page.Size()), uint64_t{k} * perPage, marked);
    }
  } else {
    Damaged("a table's page map is of an unknown kind");
  }
  return marked;
}

}  // namespace jet_file
