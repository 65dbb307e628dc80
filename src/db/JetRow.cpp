#include "db/JetRow.h"

namespace jet_file {

namespace {

// The stored size of a fixed column; text and binary ones take their declared length.
size_t FixedSize(const Column& column) {
  switch (column.type) {
    case kBool:
      return 0;
    case kByte:
      return 1;
    case kInt:
      return 2;
    case kLong:
    case kFloat:
      return 4;
    case kMoney:
    case kDouble:
    case kDateTime:
      return 8;
    case kGuid:
      return 16;
    case kNumeric:
      return 17;
    default:
      return column.length;
  }
}

size_t ReadNumber(const Format& format, Bytes row, size_t at) {
  return format.rowNumberSize == 1 ? row.U8(at) : row.U16(at);
}

// The variable part of a row: offsets of each variable column and of the end of their data.
struct VarTable {
  std::vector<size_t> offsets;  // count + 1 entries, the last being eod
  size_t count = 0;
  size_t tableStart = 0;  // where the offsets begin; the variable data ends before it
};

VarTable ReadVarTable(const Format& format, Bytes row, size_t maskStart) {
  VarTable table;
  const size_t n = format.rowNumberSize;
  if (maskStart < n) Damaged("a row is too short for its variable column count");
  size_t at = maskStart - n;
  table.count = ReadNumber(format, row, at);
  std::vector<uint8_t> jumps;
  if (format.version == 3) {
    const size_t jumpCount = (row.Size() - 1) / 256;
    for (size_t k = 0; k < jumpCount; ++k) {
      if (at == 0) Damaged("a row is too short for its jump table");
      jumps.push_back(row.U8(--at));
    }
  }
  if (at < (table.count + 1) * n) Damaged("a row is too short for its variable column table");
  table.offsets.resize(table.count + 1);
  for (size_t i = 0; i <= table.count; ++i) {
    at -= n;
    size_t offset = ReadNumber(format, row, at);
    // Each jump entry at or below i says that offset i lies another 256 bytes on.
    for (uint8_t jump : jumps)
      if (jump <= i) offset += 256;
    table.offsets[i] = offset;
  }
  table.tableStart = at;
  return table;
}

}  // namespace

std::vector<StoredField> SplitRow(const Format& format, const TableDef& def, Bytes row) {
  const size_t columnCount = ReadNumber(format, row, 0);
  const size_t maskSize = (columnCount + 7) / 8;
  if (row.Size() < format.rowNumberSize + maskSize) Damaged("a row is too short for its null mask");
  const size_t maskStart = row.Size() - maskSize;
  VarTable var;
  size_t fixedEnd = maskStart;
  if (def.hasVarColumns) {
    var = ReadVarTable(format, row, maskStart);
    fixedEnd = var.offsets[0];
    for (size_t i = 0; i < var.count; ++i)
      if (var.offsets[i] > var.offsets[i + 1]) Damaged("a row's variable columns overlap");
    if (var.offsets[var.count] > var.tableStart) Damaged("a row's variable data runs into its offsets");
  }
  if (fixedEnd < format.rowNumberSize || fixedEnd > maskStart) Damaged("a row's fixed columns leave the row");
  const Bytes fixedPart = row.Range(format.rowNumberSize, fixedEnd);

  std::vector<StoredField> fields(def.columns.size());
  for (size_t c = 0; c < def.columns.size(); ++c) {
    const Column& column = def.columns[c];
    StoredField& field = fields[c];
    // A column added after the row was written has no bit in it: the row holds no value for it.
    if (column.number >= columnCount) continue;
    field.bit = (row.U8(maskStart + column.number / 8) >> (column.number % 8)) & 1;
    if (column.type == kBool) {
      field.isNull = false;
      continue;
    }
    if (!field.bit) continue;
    if (column.fixed) {
      field.bytes = fixedPart.Slice(column.fixedOffset, FixedSize(column));
    } else {
      if (column.varIndex >= var.count) continue;
      field.bytes = row.Range(var.offsets[column.varIndex], var.offsets[column.varIndex + 1]);
    }
    field.isNull = false;
  }
  return fields;
}

}  // namespace jet_file
