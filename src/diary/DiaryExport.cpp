#include "diary/DiaryExport.h"

#include <cstdio>
#include <memory>

#include "db/Cp949.h"
#include "db/DaoRecordset.h"
#include "db/DatabaseFileCheck.h"
#include "db/FieldValue.h"
#include "diary/DiaryDate.h"
#include "diary/DiaryRecordsetGuard.h"

namespace {

bool IsWhiteSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

std::string StoredToShown(const std::string& field) { return field == "x" ? std::string() : field; }

std::string Block(const char* label, const std::string& field, const char* end) {
  return std::string(label) + ToCrLf(TrimTrailingWhiteSpace(StoredToShown(field))) + end;
}

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// Binary mode: the text carries its own CR LF line ends.
FilePtr CreateFile(const std::string& cp949Path) {
#ifdef _WIN32
  return FilePtr(_wfopen(FileSystemPath(cp949Path).c_str(), L"w+b"));
#else
  return FilePtr(std::fopen(FileSystemPath(cp949Path).c_str(), "w+b"));
#endif
}

}  // namespace

std::string TrimTrailingWhiteSpace(const std::string& text) {
  size_t keep = 0;
  for (size_t pos = 0; pos < text.size();) {
    const size_t length = Cp949CharLength(text, pos);
    pos += length;
    if (length > 1 || !IsWhiteSpace(text[pos - 1])) keep = pos;
  }
  return text.substr(0, keep);
}

std::string ToCrLf(const std::string& text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      out += "\r\n";
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else if (text[i] == '\n') {
      out += "\r\n";
    } else {
      out += text[i];
    }
  }
  return out;
}

std::string FormatExportEntry(const std::string& key, const std::string& title, const std::string& meditation,
                              const std::string& prayer) {
  const DiaryDate date = ParseDateKey(key);
  std::string entry = "날짜 : " + FormatDisplayDate(date.year, date.month, date.day) + "\r\n\r\n";
  entry += Block("제목 : ", title, "\r\n\r\n");
  entry += Block("묵상 : ", meditation, "\r\n\r\n");
  entry += Block("기도 : ", prayer, "\r\n\r\n\r\n\r\n");
  return entry;
}

std::string WithTxtExtension(const std::string& path) {
  std::string lower = path;
  for (size_t pos = 0; pos < lower.size();) {
    const size_t length = Cp949CharLength(lower, pos);
    if (length == 1 && lower[pos] >= 'A' && lower[pos] <= 'Z') lower[pos] = static_cast<char>(lower[pos] + 32);
    pos += length;
  }
  if (lower.size() >= 3 && lower.compare(lower.size() - 3, 3, "txt") == 0) return path;
  return path + ".txt";
}

std::string ExportStatement(bool allDates, const std::string& key) {
  if (allDates) return "Select * from VESPERAL ORDER BY keydate";
  // The key is made by the diary from a date: eight digits, nothing to quote.
  return "Select * from VESPERAL WHERE keydate='" + key + "' ORDER BY keydate";
}

ExportOutcome WriteDiaryExport(CDaoRecordset& set, bool allDates, const std::string& key, const std::string& path) {
  FilePtr file = CreateFile(path);
  if (!file) return ExportOutcome::kCannotCreate;
  CRecordsetCloser closer(set);
  set.Open(dbOpenDynaset, ExportStatement(allDates, key), 0);
  std::string entry;
  bool written = true;
  while (!set.IsEOF()) {
    entry = FormatExportEntry(FieldValueToText(set.GetFieldValue("keydate")),
                              FieldValueToText(set.GetFieldValue("memo1")),
                              FieldValueToText(set.GetFieldValue("memo2")),
                              FieldValueToText(set.GetFieldValue("memo3")));
    written = std::fwrite(entry.data(), 1, entry.size(), file.get()) == entry.size() && written;
    set.MoveNext();
  }
  written = std::fclose(file.release()) == 0 && written;
  set.Close();
  return written ? ExportOutcome::kWritten : ExportOutcome::kWriteFailed;
}
