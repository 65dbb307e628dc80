#pragma once
// A value read from a Jet table, kept as close to the stored one as the program can use: whole numbers,
// money in ten-thousandths, dates as the engine's day count, text as UTF-8.
#include <cstdint>
#include <string>

namespace jet_file {
class Pages;
struct Column;
struct StoredField;
}  // namespace jet_file

struct JetValue {
  enum class Kind {
    kNull,
    kBool,      // integer 0 or 1
    kInteger,   // Byte, Integer, Long Integer
    kMoney,     // integer: ten-thousandths of the unit
    kReal,      // Single, Double
    kDateTime,  // real: days since 30 December 1899, the fraction the time of day
    kText,      // Text and Memo, as UTF-8
    kBinary,    // Binary, OLE, GUID, Decimal: the stored bytes
  };
  Kind kind = Kind::kNull;
  int64_t integer = 0;
  double real = 0;
  std::string bytes;

  bool IsNull() const { return kind == Kind::kNull; }
};

namespace jet_file {

// The value of a column's stored field; memo and OLE values are fetched from their long-value rows.
JetValue DecodeValue(const Pages& pages, const Column& column, const StoredField& field);

}  // namespace jet_file
