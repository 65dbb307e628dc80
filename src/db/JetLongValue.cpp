#include "db/JetLongValue.h"

#include <algorithm>
#include <set>

#include "db/JetDataPage.h"

namespace jet_file {

namespace {

constexpr size_t kHeaderSize = 12;
constexpr uint32_t kLengthMask = 0x3FFFFFFF;
constexpr uint32_t kInline = 0x80000000;
constexpr uint32_t kSingleRow = 0x40000000;

Bytes LongValueRow(const Pages& pages, RowAddress address) { return DataPage(pages, address.page).Row(address.row); }

}  // namespace

std::string ReadLongValue(const Pages& pages, Bytes field) {
  // An empty field holds an empty value.
  if (field.Empty()) return std::string();
  const uint32_t word = field.U32(0);
  const size_t length = word & kLengthMask;
  if (length > kMaxLongValueBytes)
    throw JetFileError(JetFileError::Kind::kTooLarge, "A memo value of the Jet database is larger than 16 MB.");
  const uint32_t kind = word & ~kLengthMask;
  if (kind == kInline) return field.Slice(kHeaderSize, length).ToString();
  RowAddress address = RowAddress::FromPointer(field.U32(4));
  if (kind == kSingleRow) return LongValueRow(pages, address).Slice(0, length).ToString();
  if (kind != 0) Damaged("a memo value's header has both flags");

  std::string value;
  value.reserve(length);
  std::set<RowAddress> seen;
  while (value.size() < length) {
    if (!seen.insert(address).second) Damaged("a memo value's pages form a loop");
    const Bytes row = LongValueRow(pages, address);
    const Bytes piece = row.Range(4, row.Size());
    value.append(reinterpret_cast<const char*>(piece.Data()), std::min(piece.Size(), length - value.size()));
    const uint32_t next = row.U32(0);
    if (value.size() < length && next == 0) Damaged("a memo value's chain ends before its length");
    address = RowAddress::FromPointer(next);
  }
  return value;
}

}  // namespace jet_file
