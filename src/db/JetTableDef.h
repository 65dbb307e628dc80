#pragma once
// A table's definition (its TDEF pages): the columns with their types and places in a row, and where the
// map of the table's pages lies. Indexes are not read.
#include <cstdint>
#include <string>
#include <vector>

#include "db/JetPages.h"

namespace jet_file {

// Column types as the file stores them.
enum ColumnType : uint8_t {
  kBool = 0x01,
  kByte = 0x02,
  kInt = 0x03,
  kLong = 0x04,
  kMoney = 0x05,
  kFloat = 0x06,
  kDouble = 0x07,
  kDateTime = 0x08,
  kBinary = 0x09,
  kText = 0x0A,
  kOle = 0x0B,
  kMemo = 0x0C,
  kGuid = 0x0F,
  kNumeric = 0x10,
};

struct Column {
  std::string name;  // UTF-8
  uint8_t type = 0;
  uint16_t number = 0;       // its bit in a row's null mask; deleted columns keep their numbers
  uint16_t varIndex = 0;     // its entry in a row's variable column table
  uint16_t fixedOffset = 0;  // its place among the fixed columns
  uint16_t length = 0;
  bool fixed = false;
};

struct TableDef {
  std::vector<Column> columns;  // in column number order
  uint32_t usedPages = 0;       // the row holding the map of the table's pages
  bool hasVarColumns = false;
};

// Reads the definition that starts at `page`, following its chain of pages. Damage when a page is not a
// definition, the chain loops, or an entry lies past the definition's end.
TableDef ReadTableDef(const Pages& pages, uint32_t page);

}  // namespace jet_file
