#include "db/JetTableDef.h"

#include <algorithm>
#include <set>

#include "db/Cp949.h"
#include "db/JetText.h"

namespace jet_file {

namespace {

constexpr uint8_t kTableDefPageType = 2;
constexpr size_t kPageHeaderSize = 8;
constexpr uint8_t kFixedColumnFlag = 0x01;

// The definition's pages joined: the first whole, the others without their headers, so that offsets count
// as in one long page. Its length counts the first page's header.
std::string JoinDefinitionPages(const Pages& pages, uint32_t first) {
  std::string joined;
  std::set<uint32_t> seen;
  for (uint32_t number = first; number != 0;) {
    if (!seen.insert(number).second) Damaged("a table definition's pages form a loop");
    const Bytes page = pages.Page(number);
    if (page.U8(0) != kTableDefPageType) Damaged("a table definition page is of another kind");
    const size_t skip = number == first ? 0 : kPageHeaderSize;
    joined += page.Range(skip, page.Size()).ToString();
    number = page.U32(4);
  }
  return joined;
}

std::string ColumnName(const Format& format, Bytes name) {
  return format.version == 3 ? Cp949ToUtf8(name.ToString()) : Ucs2ToUtf8(name);
}

}  // namespace

TableDef ReadTableDef(const Pages& pages, uint32_t page) {
  const Format& format = pages.GetFormat();
  const std::string joined = JoinDefinitionPages(pages, page);
  Bytes tdef(reinterpret_cast<const uint8_t*>(joined.data()), joined.size());
  tdef = tdef.Slice(0, std::min<size_t>(tdef.U32(format.tdefLengthAt), joined.size()));

  TableDef def;
  const unsigned columnCount = tdef.U16(format.tdefColumnCountAt);
  def.hasVarColumns = tdef.U16(format.tdefVarColumnCountAt) != 0;
  def.usedPages = tdef.U32(format.tdefUsedPagesAt);
  const uint64_t realIndexes = tdef.U32(format.tdefRealIndexCountAt);
  if (realIndexes > tdef.Size()) Damaged("a table definition counts more indexes than it can hold");
  size_t at = format.tdefFirstIndexAt + static_cast<size_t>(realIndexes) * format.realIndexSize;

  def.columns.resize(columnCount);
  for (Column& column : def.columns) {
    const Bytes entry = tdef.Slice(at, format.columnEntrySize);
    column.type = entry.U8(0);
    column.number = entry.U16(format.columnNumberAt);
    column.varIndex = entry.U16(format.columnVarIndexAt);
    column.fixed = (entry.U8(format.columnFlagsAt) & kFixedColumnFlag) != 0;
    column.fixedOffset = entry.U16(format.columnFixedOffsetAt);
    column.length = entry.U16(format.columnLengthAt);
    at += format.columnEntrySize;
  }
  for (Column& column : def.columns) {
    const size_t length = format.nameLengthSize == 1 ? tdef.U8(at) : tdef.U16(at);
    column.name = ColumnName(format, tdef.Slice(at + format.nameLengthSize, length));
    at += format.nameLengthSize + length;
  }
  std::stable_sort(def.columns.begin(), def.columns.end(),
                   [](const Column& a, const Column& b) { return a.number < b.number; });
  return def;
}

}  // namespace jet_file
