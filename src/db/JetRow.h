#pragma once
// A row of a table cut into the stored bytes of its columns. A row starts with its column count and the
// fixed columns, then the variable ones; it ends with the null mask (one bit per column number, 1 = not
// null), the count of variable columns and, before that count, their offsets stored last to first (with
// the end of the data, eod, as one more). Jet 3 keeps offsets in one byte and adds 256 for each entry of
// a jump table, whose entries name the first offset past each 256-byte step.
#include <vector>

#include "db/JetBytes.h"
#include "db/JetFormat.h"
#include "db/JetTableDef.h"

namespace jet_file {

struct StoredField {
  bool isNull = true;
  bool bit = false;  // the null mask's bit, which is a yes/no column's value
  Bytes bytes;
};

// One field per column of the definition, in its order. Damage when an offset leaves the row.
std::vector<StoredField> SplitRow(const Format& format, const TableDef& def, Bytes row);

}  // namespace jet_file
