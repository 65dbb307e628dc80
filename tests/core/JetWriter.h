#pragma once
// Writes small Jet 3 and Jet 4 databases for the tests and benchmarks, from the same public description
// of the format as the reader: a catalog, tables of whole numbers, text and memo columns, deleted and
// moved rows, rows over several data pages, memo values inline, in one long-value row or in a chain of
// them, Jet 4 text plain or compressed. Jet 3 text is written in code page 949 under a header of code page
// 1252, as Korean Windows wrote it. Every kind of file it writes is checked with mdb-export by the tests.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace jet_writer {

enum class Type { kInt, kLong, kText, kMemo, kOle };  // OLE values are written as memo bytes

struct ColumnSpec {
  std::string name;
  Type type;
  int size = 255;  // Text only: the most characters
};

struct Cell {
  bool null = false;
  int64_t number = 0;
  std::string text;  // UTF-8
};
inline Cell Num(int64_t number) { return {false, number, {}}; }
inline Cell Str(std::string text) { return {false, 0, std::move(text)}; }
inline Cell Null() { return {true, 0, {}}; }

struct RowSpec {
  std::vector<Cell> cells;
  bool deleted = false;  // written, then marked deleted
  bool moved = false;    // written on a later page, a pointer left in its place
};

struct TableSpec {
  std::string name;
  std::vector<ColumnSpec> columns;
  std::vector<RowSpec> rows;
};

struct FileSpec {
  int version = 4;
  bool compressText = true;     // Jet 4: compress values where compression is possible and shorter
  unsigned rowsPerPage = 1000;  // fewer spreads a table over more data pages
  size_t inlineMemoBytes = 64;  // longer memo values go to long-value pages
  uint32_t encryptionKey = 0;   // not zero: every page encrypted as the engine does
  std::vector<TableSpec> tables;
};

struct WrittenFile {
  std::string bytes;
  std::map<std::string, uint32_t> definitionPages;  // by table name
  std::map<std::string, std::vector<uint32_t>> dataPages;
  std::vector<uint32_t> longValuePages;
  size_t pageSize = 0;
};

WrittenFile Write(const FileSpec& spec);

}  // namespace jet_writer
