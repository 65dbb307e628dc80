// Feeds arbitrary bytes to the database layer: as a statement opened on a small reading plan and diary,
// as a field value for FieldValueToText, and through the code page conversion. Engine errors are the
// expected answer to most inputs; crashes, sanitizer reports and broken invariants are findings.
#include <sqlite3.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "db/Cp949.h"
#include "db/DaoDatabase.h"
#include "db/DaoException.h"
#include "db/DaoRecordset.h"
#include "db/DaoTableDef.h"
#include "db/FieldValue.h"
#include "core/DbTestData.h"

namespace {

std::filesystem::path g_folder;

void Check(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "broken invariant: %s\n", what);
    std::abort();
  }
}

void RemoveFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(g_folder, ignored);
}

std::string MakeDatabase() {
  g_folder = std::filesystem::temp_directory_path() / ("vesperal-fuzz-" + std::to_string(std::rand()) + "-" +
                                                       std::to_string(reinterpret_cast<uintptr_t>(&g_folder)));
  std::filesystem::create_directories(g_folder);
  std::atexit(RemoveFolder);
  const std::string path = (g_folder / "fuzz.dat").string();

  dbtest::MakeDiary(path);

  sqlite3* raw = nullptr;
  sqlite3_open(path.c_str(), &raw);
  sqlite3_exec(raw,
               "CREATE TABLE YEAR (year INTEGER, ytitle TEXT);"
               "CREATE TABLE MONTH (month SMALLINT, mtitle TEXT);"
               "CREATE TABLE DAYRANGE (month INTEGER, day INTEGER, order1 INTEGER, range TEXT);"
               "CREATE TABLE DAY (order1 INTEGER, order2 INTEGER, sec TEXT, body BLOB);"
               "INSERT INTO YEAR VALUES (2026, 'year'), (9223372036854775807, 1.5);"
               "INSERT INTO MONTH VALUES (3, 'March'), (-32768, NULL);"
               "INSERT INTO DAYRANGE VALUES (3, 7, 66, 'Ps 23');"
               "INSERT INTO DAY VALUES (66, 1, '1', 'The Lord'), (66, 2, '2a', x'00ff41');"
               "INSERT INTO VESPERAL VALUES ('20260307', '\xEA\xB0\x90\xEC\x82\xAC', 'x', 'GRACE *[?]#'),"
               "  ('20260308', 'a_b%c', NULL, '\xF0\x9F\x98\x80');",
               nullptr, nullptr, nullptr);
  sqlite3_close(raw);
  return path;
}

void FuzzStatement(CDaoDatabase& db, const std::string& statement) {
  static const char* const kFields[] = {"keydate", "memo1", "memo3",      "year",        "ytitle", "month",
                                        "body",    "sec",   "DAY.order1", "MONTH.month", "nosuch"};
  CDaoRecordset set(&db);
  try {
    set.Open(dbOpenDynaset, statement);
    for (int rows = 0; !set.IsEOF() && rows < 100; ++rows) {
      for (const char* field : kFields) {
        try {
          FieldValueToText(set.GetFieldValue(field));
        } catch (const CDaoException&) {
        }
      }
      set.MoveNext();
    }
    set.Close();
  } catch (const CDaoException& e) {
    Check(!e.Description().empty(), "an engine error describes itself");
  }
}

void FuzzFieldValue(const uint8_t* data, size_t size) {
  FieldValue value;
  uint64_t number = 0;
  if (size >= 2) value.vt = static_cast<uint16_t>(data[0] | data[1] << 8);
  std::memcpy(&number, data + (size >= 2 ? 2 : 0), std::min<size_t>(8, size >= 2 ? size - 2 : 0));
  value.iVal = static_cast<int16_t>(number);
  value.lVal = static_cast<int32_t>(number);
  value.bVal = static_cast<uint8_t>(number);
  value.cyVal = static_cast<int64_t>(number);
  std::memcpy(&value.dblVal, &number, sizeof number);
  std::memcpy(&value.fltVal, &number, sizeof value.fltVal);
  value.bytes.assign(reinterpret_cast<const char*>(data), size);
  FieldValueToText(value);
}

void FuzzCodec(const std::string& bytes) {
  // Whatever comes in, what code page 949 text the layer makes survives a round trip unchanged.
  const std::string cp949 = Utf8ToCp949(bytes);
  Check(Utf8ToCp949(Cp949ToUtf8(cp949)) == cp949, "code page 949 output round-trips");
  // Every character of the input is accounted for: ASCII bytes stay where they were.
  const std::string utf8 = Cp949ToUtf8(bytes);
  Check(utf8.size() >= bytes.size(), "no byte is dropped");
  // Text that converts whole is the same text read back: the export relies on it to lose nothing.
  std::string whole;
  if (AppendWholeCp949(bytes, whole)) {
    Check(whole == cp949, "a whole conversion gives the same bytes");
    Check(Cp949ToUtf8(whole) == bytes, "a whole conversion loses no character");
  } else {
    Check(whole.empty(), "a conversion that is not whole leaves nothing");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string path = MakeDatabase();
  static CDaoDatabase db;
  if (!db.IsOpen()) db.Open(path);

  const std::string bytes(reinterpret_cast<const char*>(data), size);
  FuzzStatement(db, bytes);
  FuzzFieldValue(data, size);
  FuzzCodec(bytes);
  return 0;
}
