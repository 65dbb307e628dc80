// Feeds the Jet reader files from elsewhere: the tests' own Jet 3 and Jet 4 diaries and plan with bytes
// overwritten where the input says (first byte: which file; then offset, offset, value triples), or the
// input itself as a file. Refusals (JetFileError) are the expected answer; crashes, sanitizer reports,
// hangs and text that is not UTF-8 are findings.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/JetTestTables.h"
#include "db/JetDatabase.h"
#include "base/Utf8.h"

namespace {

std::vector<std::string> MakeBases() {
  std::vector<std::string> bases;
  for (int version : {3, 4}) {
    jet_writer::FileSpec diary;
    diary.version = version;
    diary.rowsPerPage = 4;
    diary.tables = {jet_test::Diary(12, 40)};
    bases.push_back(jet_writer::Write(diary).bytes);
  }
  jet_writer::FileSpec plan;
  plan.tables = jet_test::Plan(2026, 2, 3);
  bases.push_back(jet_writer::Write(plan).bytes);
  return bases;
}

void CheckUtf8(const std::string& text) {
  for (size_t pos = 0; pos < text.size();) {
    const size_t at = pos;
    if (utf8::Next(text, pos) == utf8::kReplacement && text.compare(at, 3, "\xEF\xBF\xBD") != 0) {
      std::fprintf(stderr, "broken invariant: a text value is not UTF-8\n");
      std::abort();
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::vector<std::string> bases = MakeBases();
  if (size == 0) return 0;
  std::string file;
  if (data[0] < bases.size()) {
    file = bases[data[0]];
    for (size_t i = 1; i + 2 < size; i += 3)
      file[(data[i] | data[i + 1] << 8) % file.size()] = static_cast<char>(data[i + 2]);
  } else {
    file.assign(reinterpret_cast<const char*>(data + 1), size - 1);
  }
  try {
    const JetDatabase db(std::move(file));
    for (const std::string& name : db.TableNames()) {
      CheckUtf8(name);
      const JetTable table = db.ReadTable(name);
      for (const std::string& column : table.columns) CheckUtf8(column);
      for (const std::vector<JetValue>& row : table.rows)
        for (const JetValue& value : row)
          if (value.kind == JetValue::Kind::kText) CheckUtf8(value.bytes);
    }
  } catch (const JetFileError&) {
  }
  return 0;
}
