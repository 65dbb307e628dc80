#include "diary/DiaryExport.h"

#include <cstdio>
#include <memory>

#include "db/Cp949.h"
#include "db/DaoRecordset.h"
#include "db/DatabaseFileCheck.h"
#include "db/FieldValue.h"
#include "diary/DiaryDate.h"
#include "diary/DiaryRecordsetGuard.h"
#include "diary/DiaryTable.h"

namespace {

constexpr const char* kUtf8ByteOrderMark = "\xEF\xBB\xBF";

bool IsWhiteSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

void AppendCrLf(std::string& out, const char* text, size_t size) {
  size_t pos = 0;
  while (pos < size) {
    // The run up to the next line end goes over whole.
    size_t end = pos;
    while (end < size && text[end] != '\r' && text[end] != '\n') ++end;
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

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// Binary mode: the text carries its own CR LF line ends.
FilePtr CreateFile(const std::string& path) {
#ifdef _WIN32
  return FilePtr(_wfopen(FileSystemPath(path).c_str(), L"w+b"));
#else
  return FilePtr(std::fopen(FileSystemPath(path).c_str(), "w+b"));
#endif
}

// The file's bytes for the export's UTF-8 text: code page 949, as such files have always been, when it
// holds every character; otherwise the UTF-8 itself after a byte order mark, so that no character is lost
// and editors know the encoding. `text` is converted in place.
const std::string& EncodeExport(std::string& text) {
  std::string cp949;
  if (Utf8ToWholeCp949(text, cp949)) {
    text.swap(cp949);
    return text;
  }
  text.insert(0, kUtf8ByteOrderMark);
  return text;
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
  const DiaryDate date = ParseDateKey(key);
  out.reserve(out.size() + 96 + title.size() + meditation.size() + prayer.size());
  out += "날짜 : ";
  out += FormatDisplayDate(date.year, date.month, date.day);
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
  FilePtr file = CreateFile(path);
  if (!file) return ExportOutcome::kCannotCreate;
  // The whole export is laid out in one buffer first: its characters decide the file's encoding.
  std::string text;
  {
    CRecordsetCloser closer(set);
    set.Open(dbOpenDynaset, ExportStatement(allDates, key), 0);
    while (!set.IsEOF()) {
      // The fields in the order the entry shows them.
      const std::string key = FieldValueToText(set.GetFieldValue(diary_table::kKeyDate));
      const std::string title = FieldValueToText(set.GetFieldValue(diary_table::kTitle));
      const std::string meditation = FieldValueToText(set.GetFieldValue(diary_table::kMeditation));
      const std::string prayer = FieldValueToText(set.GetFieldValue(diary_table::kPrayer));
      AppendExportEntry(text, key, title, meditation, prayer);
      set.MoveNext();
    }
    set.Close();
  }
  const std::string& bytes = EncodeExport(text);
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
  return std::fclose(file.release()) == 0 && written ? ExportOutcome::kWritten : ExportOutcome::kWriteFailed;
}
