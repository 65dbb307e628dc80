// The Jet reader on files of every shape the older program's diary and plans take, written by the tests'
// own writer; natively mdb-export reads each file first, so that the writer is checked against an
// independent reader. The real files of ../shared/jet-samples are read in tests/native/jet_samples_test.cpp.
#include <gtest/gtest.h>

#include <functional>

#include "JetRows.h"
#include "JetTestTables.h"
#include "TestFiles.h"
#include "db/JetBytes.h"
#include "db/JetLongValue.h"
#include "db/JetPages.h"

namespace {

using namespace jet_writer;
using Kind = JetFileError::Kind;

FileSpec Spec(int version, std::vector<TableSpec> tables) {
  FileSpec spec;
  spec.version = version;
  spec.rowsPerPage = 10;
  spec.tables = std::move(tables);
  return spec;
}
FileSpec With(FileSpec spec, const std::function<void(FileSpec&)>& change) {
  change(spec);
  return spec;
}

struct FileCase {
  const char* what;
  FileSpec spec;
  bool refused = false;  // mdb-export reads it, we refuse it (encrypted)
};

const std::vector<FileCase>& FileCases() {
  static const std::vector<FileCase> cases = {
      {"Jet 3 diary, code page 949", Spec(3, {jet_test::Diary(150)})},
      {"Jet 4 diary, plain and compressed text", Spec(4, {jet_test::Diary(150)})},
      {"Jet 4 diary, no compression",
       With(Spec(4, {jet_test::Diary(40)}), [](FileSpec& s) { s.compressText = false; })},
      {"Jet 3 rows past 256 bytes (jump tables)",
       With(Spec(3, {jet_test::Diary(30, 300)}), [](FileSpec& s) { s.inlineMemoBytes = 1200; })},
      {"Jet 4 pages past an inline page map",
       With(Spec(4, {jet_test::Diary(600, 4)}), [](FileSpec& s) { s.rowsPerPage = 1; })},
      {"Jet 3 plan", Spec(3, jet_test::Plan(2026, 40, 5))},
      {"Jet 4 plan", Spec(4, jet_test::Plan(2026, 40, 5))},
      {"Jet 4 encrypted", With(Spec(4, {jet_test::Diary(5)}), [](FileSpec& s) { s.encryptionKey = 0x5EC2E7; }), true},
  };
  return cases;
}

TEST(JetReader, ReadsEveryTableOfEveryFileAsWritten) {
  TestFiles files;
  for (const FileCase& test : FileCases()) {
    SCOPED_TRACE(test.what);
    const std::string path = files.Path("case.mdb");
    TestFiles::Write(path, Write(test.spec).bytes);
    for (const TableSpec& table : test.spec.tables) {
#ifndef _WIN32
      ASSERT_EQ(jet_rows::ExportRows(path, table.name), jet_rows::WrittenRows(table)) << table.name;
#endif
      if (test.refused) {
        try {
          JetDatabase::Open(path);
          ADD_FAILURE() << "read";
        } catch (const JetFileError& error) {
          EXPECT_EQ(error.GetKind(), Kind::kEncrypted);
        }
        continue;
      }
      EXPECT_EQ(jet_rows::ReaderRows(JetDatabase::Open(path), table.name), jet_rows::WrittenRows(table)) << table.name;
    }
  }
}

// Damage written into a sound file: the reader refuses it with the cause, whatever the bytes say.
struct DamageCase {
  const char* what;
  std::function<void(const WrittenFile&, std::string&)> damage;
  Kind kind;
  size_t inlineMemoBytes = 64;  // larger: only chains go to long-value pages
};

void PutPointer(std::string& bytes, size_t at, uint32_t pointer) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>(pointer >> (8 * i));
}
// Where row `row` of `page` begins, from its offset in the page's row table (Jet 4).
size_t RowStart(const std::string& bytes, uint32_t page, int row) {
  const size_t entry = size_t{page} * 4096 + 14 + 2 * row;
  return size_t{page} * 4096 +
         ((static_cast<uint8_t>(bytes[entry]) | static_cast<uint8_t>(bytes[entry + 1]) << 8) & 0x1FFF);
}

TEST(JetReader, RefusesDamageWithItsCause) {
  const std::vector<DamageCase> cases = {
      {"not a Jet file", [](const WrittenFile&, std::string& b) { b.replace(4, 15, "SQLite format 3"); },
       Kind::kNotJet},
      {"a Jet version of later engines", [](const WrittenFile&, std::string& b) { b[0x14] = 3; }, Kind::kNotJet},
      {"cut short", [](const WrittenFile&, std::string& b) { b.resize(b.size() - 100); }, Kind::kDamaged},
      {"a definition chained to itself",
       [](const WrittenFile& w, std::string& b) {
         const uint32_t page = w.definitionPages.at("VESPERAL");
         PutPointer(b, size_t{page} * 4096 + 4, page);
       },
       Kind::kDamaged},
      {"a row table longer than its page",
       [](const WrittenFile& w, std::string& b) { b[size_t{w.dataPages.at("VESPERAL")[0]} * 4096 + 13] = 0x7F; },
       Kind::kDamaged},
      {"a memo chain that loops",
       [](const WrittenFile& w, std::string& b) {
         const uint32_t page = w.longValuePages[1];  // the first of two pieces, written after the second
         PutPointer(b, RowStart(b, page, 0), page << 8);
       },
       Kind::kDamaged, 5000},
      {"a moved row pointing at itself",
       [](const WrittenFile& w, std::string& b) {
         const uint32_t page = w.dataPages.at("VESPERAL")[1];  // rows 10 to 19: row 10 moved
         PutPointer(b, RowStart(b, page, 0), page << 8);
       },
       Kind::kDamaged},
  };
  for (const DamageCase& test : cases) {
    SCOPED_TRACE(test.what);
    const WrittenFile sound =
        Write(With(Spec(4, {jet_test::Diary(30)}), [&](FileSpec& s) { s.inlineMemoBytes = test.inlineMemoBytes; }));
    std::string bytes = sound.bytes;
    test.damage(sound, bytes);
    try {
      JetDatabase(bytes).ReadTable("VESPERAL");
      ADD_FAILURE() << "read";
    } catch (const JetFileError& error) {
      EXPECT_EQ(error.GetKind(), test.kind) << error.what();
    }
  }
}

TEST(JetReader, RefusesAMissingTableAndAMemoPastTheBound) {
  const JetDatabase db(Write(Spec(3, {jet_test::Diary(3)})).bytes);
  EXPECT_EQ(db.ReadTable("vesperal").rows.size(), 3u);  // names compare without regard to case
  try {
    db.ReadTable("DAY");
    ADD_FAILURE();
  } catch (const JetFileError& error) {
    EXPECT_EQ(error.GetKind(), Kind::kNoSuchTable);
  }
  const jet_file::Pages pages(Write(Spec(3, {})).bytes);
  const uint8_t header[12] = {0x01, 0x00, 0x00, 0x81};  // inline, 16 MiB and one byte
  try {
    jet_file::ReadLongValue(pages, jet_file::Bytes(header, sizeof header));
    ADD_FAILURE();
  } catch (const JetFileError& error) {
    EXPECT_EQ(error.GetKind(), Kind::kTooLarge);
  }
}

}  // namespace
