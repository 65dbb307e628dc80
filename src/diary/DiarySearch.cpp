#include "diary/DiarySearch.h"

#include "db/Cp949.h"
#include "db/DaoRecordset.h"
#include "db/FieldValue.h"
#include "diary/DiaryRecordsetGuard.h"
#include "diary/DiaryTable.h"

namespace {

using namespace diary_table;

char FoldLatin(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c; }

// Whether `text` stands at byte `pos` of `field`, character by character; single-byte Latin letters
// compare without regard to case, double-byte characters exactly.
bool MatchesAt(const std::string& field, size_t pos, const std::string& text) {
  size_t t = 0;
  while (t < text.size()) {
    if (pos >= field.size()) return false;
    const size_t textLength = Cp949CharLength(text, t);
    const size_t fieldLength = Cp949CharLength(field, pos);
    if (textLength != fieldLength) return false;
    if (textLength == 1) {
      if (FoldLatin(text[t]) != FoldLatin(field[pos])) return false;
    } else if (field.compare(pos, fieldLength, text, t, textLength) != 0) {
      return false;
    }
    t += textLength;
    pos += fieldLength;
  }
  return true;
}

}  // namespace

std::string EscapeLikeText(const std::string& text) {
  std::string escaped;
  escaped.reserve(text.size() + 8);
  for (size_t pos = 0; pos < text.size();) {
    const size_t length = Cp949CharLength(text, pos);
    const char c = text[pos];
    if (length == 1 && c == '"') {
      escaped += "\"\"";
    } else if (length == 1 && (c == '*' || c == '?' || c == '#' || c == '[')) {
      escaped += '[';
      escaped += c;
      escaped += ']';
    } else {
      escaped.append(text, pos, length);
    }
    pos += length;
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
  for (size_t pos = 0; pos < storedField.size(); pos += Cp949CharLength(storedField, pos))
    if (MatchesAt(storedField, pos, text)) return true;
  return false;
}

size_t FindSearchText(const std::string& field, const std::string& text) {
  if (text.empty()) return std::string::npos;
  for (size_t pos = 0; pos + text.size() <= field.size(); pos += Cp949CharLength(field, pos))
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

int CountCharacters(const std::string& text, size_t bytes) {
  int count = 0;
  for (size_t pos = 0; pos < bytes && pos < text.size(); pos += Cp949CharLength(text, pos)) ++count;
  return count;
}
