#pragma once
// Rows of a Jet table as comparable text, from three sources: the rows a test wrote, the rows our reader
// gives, and (natively) the rows Debian's mdb-export gives. Each value is written as mdb-export writes it
// with -b hex and the date format below; a row is its values joined by a unit separator, null as "\x01".
// Rows compare as sorted lists: mdb-export lists a moved row where it now lies, not where it was.
#include <algorithm>
#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "JetWriter.h"
#include "db/JetDatabase.h"

namespace jet_rows {

inline constexpr char kNull[] = "\x01";
// Dates as seconds since 1970 in UTC, which mdb-export writes with TZ=UTC and this format.
inline constexpr char kDateFormat[] = "%s";

inline std::string ValueText(const JetValue& value, int version) {
  char text[64];
  switch (value.kind) {
    case JetValue::Kind::kNull:
      return kNull;
    case JetValue::Kind::kBool:
    case JetValue::Kind::kInteger:
      return std::to_string(value.integer);
    case JetValue::Kind::kMoney: {
      const uint64_t magnitude = value.integer < 0 ? 0 - static_cast<uint64_t>(value.integer) : value.integer;
      std::snprintf(text, sizeof text, "%s%" PRIu64 ".%04u", value.integer < 0 ? "-" : "", magnitude / 10000,
                    static_cast<unsigned>(magnitude % 10000));
      return text;
    }
    case JetValue::Kind::kReal:
      std::snprintf(text, sizeof text, "%.15g", value.real);
      return text;
    case JetValue::Kind::kDateTime:
      return std::to_string(std::llround((value.real - 25569) * 86400));  // 25569: days from 1899-12-30 to 1970
    case JetValue::Kind::kText: {
      // A Jet 3 byte that is no code page 949 character: we give U+FFFD, iconv in mdb-export gives '?'.
      std::string out = value.bytes;
      for (size_t at; version == 3 && (at = out.find("\xEF\xBF\xBD")) != std::string::npos;) out.replace(at, 3, "?");
      return out;
    }
    case JetValue::Kind::kBinary: {
      std::string hex;
      for (unsigned char c : value.bytes) std::snprintf(text, sizeof text, "%02X", c), hex += text;
      return hex;
    }
  }
  return "?";
}

inline std::vector<std::string> Sorted(std::vector<std::string> rows) {
  std::sort(rows.begin(), rows.end());
  return rows;
}

inline std::vector<std::string> ReaderRows(const JetDatabase& db, const std::string& table) {
  std::vector<std::string> rows;
  for (const std::vector<JetValue>& values : db.ReadTable(table).rows) {
    std::string row;
    for (const JetValue& value : values) row += ValueText(value, db.Version()) + "\x1F";
    rows.push_back(row);
  }
  return Sorted(rows);
}

// The rows a test wrote that a reader must find: all but the deleted ones.
inline std::vector<std::string> WrittenRows(const jet_writer::TableSpec& table) {
  std::vector<std::string> rows;
  for (const jet_writer::RowSpec& spec : table.rows) {
    if (spec.deleted && !spec.moved) continue;
    std::string row;
    for (size_t c = 0; c < spec.cells.size(); ++c) {
      const jet_writer::Cell& cell = spec.cells[c];
      const bool number = table.columns[c].type <= jet_writer::Type::kLong;
      row += (cell.null ? kNull : number ? std::to_string(cell.number) : cell.text) + "\x1F";
    }
    rows.push_back(row);
  }
  return Sorted(rows);
}

#ifndef _WIN32
// mdb-export's rows of the table (Jet 3 text read as code page 949); fails the test when it cannot run.
inline std::vector<std::string> ExportRows(const std::string& path, const std::string& table) {
  const std::string command = "TZ=UTC MDB_JET3_CHARSET=CP949 mdb-export -H -b hex -T '" + std::string(kDateFormat) +
                              "' '" + path + "' '" + table + "' 2>&1";
  FILE* pipe = ::popen(command.c_str(), "r");
  std::string csv;
  char buffer[65536];
  for (size_t got; pipe && (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) csv.append(buffer, got);
  const int status = pipe ? ::pclose(pipe) : -1;
  if (status != 0) return {"mdb-export failed (is Debian's mdbtools installed? scripts/setup.sh installs it): " + csv};
  // CSV: quoted fields double their quotes and may hold line ends; an empty unquoted field is null.
  std::vector<std::string> rows;
  std::string row, field;
  bool quoted = false, wasQuoted = false;
  for (size_t i = 0; i < csv.size(); ++i) {
    const char c = csv[i];
    if (quoted) {
      if (c == '"' && i + 1 < csv.size() && csv[i + 1] == '"')
        field += '"', ++i;
      else if (c == '"')
        quoted = false;
      else
        field += c;
    } else if (c == '"') {
      quoted = wasQuoted = true;
    } else if (c == ',' || c == '\n') {
      row += (field.empty() && !wasQuoted ? kNull : field) + "\x1F";
      field.clear(), wasQuoted = false;
      if (c == '\n') rows.push_back(row), row.clear();
    } else {
      field += c;
    }
  }
  return Sorted(rows);
}
#endif

}  // namespace jet_rows
