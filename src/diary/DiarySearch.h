#pragma once
// The diary search: the statement made from the ticked fields and the typed text, the rule that decides
// whether a stored field holds the text, and the run over the diary's recordset. Text is UTF-8.
#include <string>
#include <vector>

class CDaoRecordset;

struct SearchRequest {
  bool title = false, meditation = false, prayer = false;
  std::string text;
};

// The typed text as it goes between the asterisks of a LIKE pattern in double quotes: a quotation mark is
// doubled, and the wildcards * ? # [ are put in brackets, so that the pattern matches the text literally.
std::string EscapeLikeText(const std::string& text);
// "SELECT * FROM VESPERAL WHERE memo1 LIKE "*text*" OR ... ORDER BY keydate" for the ticked fields; empty
// when nothing is ticked.
std::string BuildSearchStatement(const SearchRequest& request);
// Whether a field as stored holds the text, with the engine's LIKE rule (Latin letters without regard to
// case). An empty text is in every field; the stored mark of an empty field, "x", holds no other text.
bool FieldHoldsSearchText(const std::string& storedField, const std::string& text);
// Byte position of the first occurrence of `text` in `field` that starts on a character, found with the
// same rule as FieldHoldsSearchText (so "grace" finds "Grace"), or npos.
size_t FindSearchText(const std::string& field, const std::string& text);

// The date keys of the entries that hold the text in a ticked field, in key order. Opens and closes the
// recordset; nothing is run when nothing is ticked.
std::vector<std::string> SearchDiary(CDaoRecordset& set, const SearchRequest& request);

