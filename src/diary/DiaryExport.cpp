#include "diary/DiaryExport.h"

#include <cstring>

#include "db/DaoRecordset.h"
#include "db/FieldValue.h"
#include "diary/DateDisplay.h"
#include "diary/DiaryExportFile.h"
#include "diary/DiaryRecordsetGuard.h"
#include "diary/DiaryTable.h"

namespace {

bool IsWhiteSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// The first CR or LF in text[pos, size), or size.
size_t NextLineEnd(const char* text, size_t pos, size_t size) {
  const void* lf = std::memchr(text + pos, '\n', size - pos);
  const size_t lfAt = lf ? static_cast<size_t>(static_cast<const char*>(lf) - text) : size;
  const void* cr = std::memchr(text + pos, '\r', lfAt - pos);
  return cr ? static_cast<size_t>(static_cast<const char*>(cr) - text) : lfAt;
}

void AppendCrLf(std::string& out, const char* text, size_t size) {
  size_t pos = 0;
  while (pos < size) {
    // The run up to the next line end goes over whole.
    const size_t end = NextLineEnd(text, pos, size);
    out.append(text + pos, end - pos);
    if (end == size) break;
    out += "\r\n";
    pos = end + (text[end] == '\r' && end + 1 < size && text[end + 1] == '\n' ? 2 : 1);
  }
}

// Appends one block: the label, the field trimmed at its end with its line ends made CR LF, the end.
void AppendBlock(std::string& out, const char* label, const std::string& field, const char* end) {
  out += label;
  if (!diary_table::IsEmptyMark(field)) {
    size_t keep = field.size();
    while (keep > 0 && IsWhiteSpace(field[keep - 1])) --keep;
    AppendCrLf(out, field.data(), keep);
  }
  out += end;
}

}  // namespace

std::string TrimTrailingWhiteSpace(const std::string& text) {
  // In UTF-8 every byte of a longer character is 0x80 or above, so a white-space byte at the end is always
  // a character of its own and can go.
  size_t keep = text.size();
  while (keep > 0 && IsWhiteSpace(text[keep - 1])) --keep;
  return text.substr(0, keep);
}

std::string ToCrLf(const std::string& text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  AppendCrLf(out, text.data(), text.size());
  return out;
}

void AppendExportEntry(std::string& out, const std::string& key, const std::string& title,
                       const std::string& meditation, const std::string& prayer) {
  const std::array<std::string, 3> date = DateDisplayNumbers(key);
  out.reserve(out.size() + 96 + title.size() + meditation.size() + prayer.size());
  out += "날짜 : ";
  out += date[0] + "년 " + date[1] + "월 " + date[2] + "일";
  out += "\r\n\r\n";
  AppendBlock(out, "제목 : ", title, "\r\n\r\n");
  AppendBlock(out, "묵상 : ", meditation, "\r\n\r\n");
  AppendBlock(out, "기도 : ", prayer, "\r\n\r\n\r\n\r\n");
}

std::string WithTxtExtension(const std::string& path) {
  // Only T and X lower-case to "t" and "x", and in UTF-8 those bytes are whole characters: the last three
  // characters read "txt" exactly when the last three bytes do.
  const size_t size = path.size();
  const auto lower = [&](size_t i) {
    return static_cast<char>(path[i] >= 'A' && path[i] <= 'Z' ? path[i] + 32 : path[i]);
  };
  if (size >= 3 && lower(size - 3) == 't' && lower(size - 2) == 'x' && lower(size - 1) == 't') return path;
  return path + ".txt";
}

std::string ExportStatement(bool allDates, const std::string& key) {
  using namespace diary_table;
  const std::string order = std::string(" ORDER BY ") + kKeyDate;
  if (allDates) return std::string("Select * from ") + kTable + order;
  // The key is made by the diary from a date: eight digits, nothing to quote.
  return std::string("Select * from ") + kTable + " WHERE " + kKeyDate + "='" + key + "'" + order;
}

ExportOutcome WriteDiaryExport(CDaoRecordset& set, bool allDates, const std::string& key, const std::string& path) {
  CDiaryExportFile file(path);
  if (!file.IsOpen()) return ExportOutcome::kCannotCreate;
  CRecordsetCloser closer(set);
  set.Open(dbOpenDynaset, ExportStatement(allDates, key), 0);
  std::string entry;  // one buffer for every entry
  while (!set.IsEOF()) {
    // The fields in the order the entry shows them.
    const std::string key = FieldValueToText(set.GetFieldValue(diary_table::kKeyDate));
    const std::string title = FieldValueToText(set.GetFieldValue(diary_table::kTitle));
    const std::string meditation = FieldValueToText(set.GetFieldValue(diary_table::kMeditation));
    const std::string prayer = FieldValueToText(set.GetFieldValue(diary_table::kPrayer));
    entry.clear();
    AppendExportEntry(entry, key, title, meditation, prayer);
    file.Append(entry);
    set.MoveNext();
  }
  const bool written = file.Close();
  set.Close();
  return written ? ExportOutcome::kWritten : ExportOutcome::kWriteFailed;
}
