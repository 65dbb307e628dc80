#include "diary/DiarySearch.h"

#include <string_view>

#include "db/DaoRecordset.h"
#include "db/FieldValue.h"
#include "base/Utf8.h"
#include "diary/DiaryRecordsetGuard.h"
#include "diary/DiaryTable.h"

namespace {

using namespace diary_table;

char32_t FoldLatin(char32_t c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; }

// Whether `text` stands at byte `pos` of `field`, character by character, as the engine's LIKE compares
// them: Latin letters A-Z without regard to case, every other character exactly, and a byte that is not
// UTF-8 read as the replacement character, one byte long.
bool MatchesAt(std::string_view field, size_t pos, std::string_view text) {
  size_t t = 0;
  while (t < text.size()) {
    if (pos >= field.size()) return false;
    const auto textByte = static_cast<unsigned char>(text[t]);
    const auto fieldByte = static_cast<unsigned char>(field[pos]);
    if ((textByte | fieldByte) < 0x80) {  // both ASCII, the most of most texts
      if (FoldLatin(textByte) != FoldLatin(fieldByte)) return false;
      ++t, ++pos;
    } else if (utf8::Next(text, t) != utf8::Next(field, pos)) {
      return false;
    }
  }
  return true;
}

// The byte after the character that starts at `pos`.
size_t NextCharacter(std::string_view text, size_t pos) {
  utf8::Next(text, pos);
  return pos;
}

}  // namespace

std::string EscapeLikeText(const std::string& text) {
  std::string escaped;
  escaped.reserve(text.size() + 8);
  // In UTF-8 a byte below 0x80 is always a character of its own, so the bytes can be read one by one.
  for (const char c : text) {
    if (c == '"') {
      escaped += "\"\"";
    } else if (c == '*' || c == '?' || c == '#' || c == '[') {
      escaped += '[';
      escaped += c;
      escaped += ']';
    } else {
      escaped += c;
    }
  }
  return escaped;
}

std::string BuildSearchStatement(const SearchRequest& request) {
  const std::string pattern = "\"*" + EscapeLikeText(request.text) + "*\"";
  std::string statement = std::string("SELECT * FROM ") + kTable + " WHERE";
  bool any = false;
  const struct {
    bool ticked;
    const char* column;
  } fields[] = {{request.title, kTitle}, {request.meditation, kMeditation}, {request.prayer, kPrayer}};
  for (const auto& field : fields) {
    if (!field.ticked) continue;
    statement += any ? " OR " : " ";
    statement += field.column;
    statement += " LIKE " + pattern;
    any = true;
  }
  if (!any) return std::string();
  return statement + " ORDER BY " + kKeyDate;
}

bool FieldHoldsSearchText(const std::string& storedField, const std::string& text) {
  if (text.empty()) return true;
  if (IsEmptyMark(storedField)) return false;
  return FindSearchText(storedField, text) != std::string::npos;
}

size_t FindSearchText(const std::string& field, const std::string& text) {
  if (text.empty()) return std::string::npos;
  // Every character start is tried to the end: a bad byte of the field matches the replacement
  // character, three bytes long, so a match may be shorter than the text.
  for (size_t pos = 0; pos < field.size(); pos = NextCharacter(field, pos))
    if (MatchesAt(field, pos, text)) return pos;
  return std::string::npos;
}

std::vector<std::string> SearchDiary(CDaoRecordset& set, const SearchRequest& request) {
  std::vector<std::string> keys;
  const std::string statement = BuildSearchStatement(request);
  if (statement.empty()) return keys;
  const struct {
    bool ticked;
    const char* column;
  } fields[] = {{request.title, kTitle}, {request.meditation, kMeditation}, {request.prayer, kPrayer}};
  CRecordsetCloser closer(set);
  set.Open(dbOpenDynaset, statement, 0);
  while (!set.IsEOF()) {
    // The statement found a ticked field that holds the text; the mark of an empty field does not count.
    bool holds = request.text.empty();
    for (const auto& field : fields) {
      if (holds) break;
      if (field.ticked) holds = FieldHoldsSearchText(FieldValueToText(set.GetFieldValue(field.column)), request.text);
    }
    if (holds) keys.push_back(FieldValueToText(set.GetFieldValue(kKeyDate)));
    set.MoveNext();
  }
  set.Close();
  return keys;
}
