#pragma once
// Jet's LIKE patterns: '*' any run of characters, '?' one character, '#' one digit, "[list]" one
// character of the list, "[!list]" one character not in it, "a-z" ranges inside a list. A wildcard
// character is matched literally by putting it in brackets ("[*]"). Latin letters (A-Z) match without
// regard to case, as SQLite's own LIKE does. Patterns and texts are UTF-8.
#include <sqlite3.h>

#include <string>
#include <string_view>
#include <vector>

class JetLikePattern {
 public:
  // Throws CDaoException when the pattern is malformed (an unclosed or empty bracket).
  explicit JetLikePattern(std::string_view utf8Pattern);

  // True when the pattern uses only '*' and '?', so that SQLite's LIKE can run it.
  bool IsSimple() const { return m_bSimple; }
  // The same pattern for SQLite's LIKE with the given escape character.
  std::string ToSqliteLike(char escape) const;
  bool Matches(std::string_view utf8Text) const;

 private:
  struct Range { char32_t first, last; };
  struct Element {
    enum Kind { kLiteral, kAnyRun, kAnyChar, kDigit, kSet } kind = kLiteral;
    char32_t literal = 0;
    bool negated = false;
    std::vector<Range> ranges;
  };
  bool MatchesOne(const Element& element, char32_t c) const;

  std::vector<Element> m_elements;
  bool m_bSimple = true;
};

// Registers jet_like(pattern, text) on the connection for the patterns that are not simple.
int RegisterJetLike(sqlite3* db);
