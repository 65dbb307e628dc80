// The diary search: its statement, the literal reading of the typed text, the mark of an empty field,
// the list's date texts, and a seeded comparison with a plain substring search.
#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "DbTestData.h"
#include "TestFiles.h"
#include "db/JetLike.h"
#include "base/CalendarDay.h"
#include "diary/DateDisplay.h"
#include "diary/DiarySearch.h"

namespace {

struct Entry {
  std::string key, title, meditation, prayer;
};

// A diary file holding the entries, written in one transaction (texts as stored, "x" for an empty one).
class SearchDiaryFile {
 public:
  explicit SearchDiaryFile(const std::vector<Entry>& entries) : m_path(m_dir.Path("memo.mdb")) {
    dbtest::MakeDiary(m_path);
    std::string sql = "BEGIN;";
    for (const Entry& e : entries)
      sql += "INSERT INTO VESPERAL VALUES(" + Quoted(e.key) + "," + Quoted(Mark(e.title)) + "," +
             Quoted(Mark(e.meditation)) + "," + Quoted(Mark(e.prayer)) + ");";
    dbtest::RawExec(m_path, sql + "COMMIT;");
    m_db.Open(m_path);
  }
  std::vector<std::string> Search(const SearchRequest& request) {
    CDaoRecordset set(&m_db);
    return SearchDiary(set, request);
  }

 private:
  static std::string Mark(const std::string& text) { return text.empty() ? "x" : text; }
  static std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("''") : std::string(1, c);
    return quoted + "'";
  }
  TestFiles m_dir;
  std::string m_path;
  CDaoDatabase m_db;
};

using Keys = std::vector<std::string>;

// Texts of up to a number of pieces, drawn at random from a fixed set; the seed is told on failure.
class RandomTexts {
 public:
  explicit RandomTexts(std::vector<std::string> pieces)
      : m_pieces(std::move(pieces)), m_seed(std::random_device()()), m_random(m_seed) {}
  unsigned Seed() const { return m_seed; }
  bool Coin() { return m_random() % 2 == 0; }
  std::string Text(int maxPieces) {
    std::string text;
    const int n = std::uniform_int_distribution<int>(0, maxPieces)(m_random);
    for (int i = 0; i < n; ++i)
      text += m_pieces[std::uniform_int_distribution<size_t>(0, m_pieces.size() - 1)(m_random)];
    return text;
  }

 private:
  std::vector<std::string> m_pieces;
  unsigned m_seed;
  std::mt19937 m_random;
};

}  // namespace

// A date's display text takes the key's pieces as atoi reads them, whatever they hold, padded as printf's
// "%4d", "%2d" and "%2d" pad them.
TEST(DiarySearchText, DisplayDatesReadTheKeysPiecesAsAtoiAndPadThemAsPrintf) {
  const struct {
    const char* key;
    int y, m, d;
  } cases[] = {{"20260305", 2026, 3, 5}, {"00010101", 1, 1, 1},   {"2026 3 5", 2026, 3, 5}, {"2026-3-5", 2026, -3, -5},
               {"202603", 2026, 3, 0},   {"", 0, 0, 0},           {"abcd1234", 0, 12, 34},  {"202603051", 2026, 3, 5},
               {"20261231", 2026, 12, 31}, {"-0011299", -1, 12, 99}};
  for (const auto& c : cases) {
    char expected[64];
    std::snprintf(expected, sizeof expected, "%4d|%2d|%2d", c.y, c.m, c.d);
    const std::array<std::string, 3> shown = DateDisplayNumbers(c.key);
    EXPECT_EQ(shown[0] + "|" + shown[1] + "|" + shown[2], expected) << c.key;
  }
}

TEST(DiarySearchText, StatementHasOneConditionPerTickedFieldJoinedByOr) {
  const struct {
    bool t, m, p;
    const char* statement;
  } cases[] = {
      {false, false, false, ""},
      {true, false, false, "SELECT * FROM VESPERAL WHERE memo1 LIKE \"*감사*\" ORDER BY keydate"},
      {false, true, false, "SELECT * FROM VESPERAL WHERE memo2 LIKE \"*감사*\" ORDER BY keydate"},
      {false, false, true, "SELECT * FROM VESPERAL WHERE memo3 LIKE \"*감사*\" ORDER BY keydate"},
      {true, true, false,
       "SELECT * FROM VESPERAL WHERE memo1 LIKE \"*감사*\" OR memo2 LIKE \"*감사*\" ORDER BY keydate"},
      {true, false, true,
       "SELECT * FROM VESPERAL WHERE memo1 LIKE \"*감사*\" OR memo3 LIKE \"*감사*\" ORDER BY keydate"},
      {false, true, true,
       "SELECT * FROM VESPERAL WHERE memo2 LIKE \"*감사*\" OR memo3 LIKE \"*감사*\" ORDER BY keydate"},
      {true, true, true,
       "SELECT * FROM VESPERAL WHERE memo1 LIKE \"*감사*\" OR memo2 LIKE \"*감사*\" OR memo3 LIKE \"*감사*\" "
       "ORDER BY keydate"},
  };
  for (const auto& c : cases) {
    SearchRequest request{c.t, c.m, c.p, "감사"};
    EXPECT_EQ(BuildSearchStatement(request), c.statement) << c.t << c.m << c.p;
  }
}

TEST(DiarySearchText, TypedTextIsEscapedToMatchLiterally) {
  const struct {
    const char* typed;
    const char* escaped;
  } cases[] = {
      {"", ""},
      {"\"", "\"\""},
      {"\" OR \"1\"=\"1", "\"\" OR \"\"1\"\"=\"\"1"},
      {"*?#[", "[*][?][#][[]"},
      {"]!-%_'", "]!-%_'"},
      {"a[b]", "a[[]b]"},
      {"똠햏 \U0001F64F", "똠햏 \U0001F64F"},
  };
  for (const auto& c : cases) EXPECT_EQ(EscapeLikeText(c.typed), c.escaped) << c.typed;
}

TEST(DiarySearchText, FieldsHoldTheTextByTheEnginesRuleAndTheMarkHoldsNothing) {
  const struct {
    const char* field;
    const char* text;
    bool holds;
  } cases[] = {
      {"x", "", true},
      {"x", "x", false},
      {"x", "X", false},
      {"X", "x", true},
      {"xx", "x", true},
      {"Amen", "aMEN", true},
      {"감사", "감", true},
      {"감사", "사감", false},
      {"기도", "", true},
      {"", "a", false},
      {"Ærøskøbing", "ærøskøbing", false},  // only A to Z match without regard to case
      {"ÆRØSKØBING", "Ærøskøbing", false},
      {"ÆRØ", "Ærø", false},
      {"Москва", "москва", false},
      {"в Москве", "МОСКВЕ", false},
      {"в Москве", "Москве", true},
      {"\U0001F64F", "\U0001F64F", true},
      {"가", "\xB0\x80", false},  // the last two bytes of 가 are no character of it
  };
  for (const auto& c : cases) EXPECT_EQ(FieldHoldsSearchText(c.field, c.text), c.holds) << c.field << "/" << c.text;
}

// The hit is selected the way the search found it: on whole characters, Latin letters without regard to case.
TEST(DiarySearchText, SelectionStartsOnACharacterAndFollowsTheSearchRule) {
  const size_t none = std::string::npos;
  const struct {
    const char* field;
    const char* text;
    size_t pos;
  } cases[] = {
      {"오늘 감사 감사", "감사", 7},
      {"Amen", "amen", 0},
      {"so Grace", "grace", 3},
      {"abc", "", none},
      {"ab", "abc", none},
      {"오늘 \U0001F64F 감사", "\U0001F64F", 7},  // emoji, four bytes
      {"\U0001F64F\U0001F64F", "\U0001F64F", 0},
      {"옛 \u1112\u119E\u11AB글", "\u1112\u119E\u11AB", 4},  // old Hangul, three characters
      {"\u1112\u119E\u11AB", "\u119E", 3},
      {"漢\u3400字", "\u3400", 3},  // CJK Extension A
      {"in Ærøskøbing", "ærøskøbing", none},
      {"in Ærøskøbing", "ÆRØSKØBING", none},
      {"in Ærøskøbing", "Ærøskøbing", 3},
      {"in ÆrØ", "Ærø", none},
      {"в Москве и Москва", "Москва", 19},
      {"в Москве и Москва", "москва", none},
      {"가\xB0\x80", "\xB0\x80", 3},  // stray bytes are found after the character, never inside it
  };
  for (const auto& c : cases) EXPECT_EQ(FindSearchText(c.field, c.text), c.pos) << c.field << "/" << c.text;
}

// The rule agrees with the engine's LIKE (as it runs "*text*" on the stored text) even on bytes that are not
// UTF-8, which the engine reads as the replacement character, one byte each.
TEST(DiarySearchText, SeededRandomBytesAreHeldExactlyWhenTheEnginesLikeMatches) {
  const std::vector<std::string> pieces = {"a",    "A",    "가",       "\U0001F64F",   "\u119E",       "Ж", "ж",
                                           "\xFF", "\xB0", "\xE3\x90", "\xEF\xBF\xBD", "\xF0\x9F\x99", "*", "["};
  RandomTexts random(pieces);
  SCOPED_TRACE("seed " + std::to_string(random.Seed()));
  auto text = [&](int maxPieces) { return random.Text(maxPieces); };
  for (int i = 0; i < 3000; ++i) {
    const std::string field = text(6), typed = text(3);
    if (field == "x" || typed.empty()) continue;
    const bool engine = JetLikePattern("*" + EscapeLikeText(typed) + "*").Matches(field);
    ASSERT_EQ(FieldHoldsSearchText(field, typed), engine) << "[" << field << "] [" << typed << "]";
    const size_t hit = FindSearchText(field, typed);
    ASSERT_EQ(hit != std::string::npos, engine);
    if (engine) {
      EXPECT_TRUE(JetLikePattern(EscapeLikeText(typed) + "*").Matches(field.substr(hit)));
    }
  }
}

TEST(DiarySearch, ListsMatchingDatesInKeyOrderAndTakesEveryTypedTextLiterally) {
  SearchDiaryFile diary({{"20000305", "감사의 기도", "", "\"따옴표\""},
                         {"20000101", "", "x marks", "[a] *별* 100%"},
                         {"20001231", "주님 감사", "오늘", ""},
                         {"20000615", "", "", ""}});
  const struct {
    bool t, m, p;
    const char* text;
    Keys keys;
  } cases[] = {
      {true, false, false, "감사", {"20000305", "20001231"}},
      {true, true, true, "", {"20000101", "20000305", "20000615", "20001231"}},
      {true, true, true, "x", {"20000101"}},  // not every entry with an empty field
      {true, true, true, "\"", {"20000305"}},
      {true, true, true, "[", {"20000101"}},
      {true, true, true, "*", {"20000101"}},
      {true, true, true, "%", {"20000101"}},
      {true, true, true, "\" OR \"1\"=\"1", {}},
      {false, false, true, "감사", {}},
      {false, false, false, "", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(diary.Search({c.t, c.m, c.p, c.text}), c.keys);
  }
}

// Texts drawn from quotation marks, the engine's wildcards, Korean, Latin letters, and characters outside
// code page 949 (an emoji, old Hangul, a Hanja of Extension A, Latin and Cyrillic letters with their
// capitals); every search must list exactly the dates a plain substring search finds.
TEST(DiarySearch, SeededRandomTextsListWhatAPlainSubstringSearchFinds) {
#ifdef _WIN32
  const int entries = 600, searches = 60;
#else
  const int entries = 3000, searches = 300;
#endif
  const std::vector<std::string> pieces = {
      "\"",     "'",      "*",  "?",  "#", "[", "]", "!",  "-", "%", "_",          " ",
      "가",     "감사",   "똠", "햏", "a", "b", "c", "X",  "x", "Z", "\U0001F64F", "\u1112\u119E\u11AB",
      "\u119E", "\u3400", "Æ",  "æ",  "ø", "М", "м", "ква"};
  RandomTexts random(pieces);
  SCOPED_TRACE("seed " + std::to_string(random.Seed()));
  auto text = [&](int maxPieces) { return random.Text(maxPieces); };
  std::vector<Entry> all;
  for (int i = 0; i < entries; ++i)
    all.push_back({DayKey(CalendarDay{2000 + i / 336, 1 + i % 336 / 28, 1 + i % 28}), text(6), text(8), text(8)});
  // The diary shows the mark of an empty field as empty, and a plain search runs on what it shows.
  for (Entry& e : all)
    for (std::string* field : {&e.title, &e.meditation, &e.prayer})
      if (*field == "x") field->clear();
  SearchDiaryFile diary(all);

  // Latin letters match without regard to case, as the engine's LIKE has them.
  auto folded = [](std::string text) {
    for (char& c : text)
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    return text;
  };
  for (int s = 0; s < searches; ++s) {
    SearchRequest request{random.Coin(), random.Coin(), random.Coin(), text(3)};
    if (!request.title && !request.meditation && !request.prayer) request.prayer = true;
    std::set<std::string> expected;
    const std::string needle = folded(request.text);
    for (const Entry& e : all) {
      const bool ticked[] = {request.title, request.meditation, request.prayer};
      const std::string* fields[] = {&e.title, &e.meditation, &e.prayer};
      for (int f = 0; f < 3; ++f)
        if (ticked[f] &&
            (needle.empty() || (!fields[f]->empty() && folded(*fields[f]).find(needle) != std::string::npos)))
          expected.insert(e.key);
    }
    SCOPED_TRACE("text [" + request.text + "]");
    std::vector<std::string> found;
    ASSERT_NO_THROW(found = diary.Search(request));
    EXPECT_EQ(found, std::vector<std::string>(expected.begin(), expected.end()));
  }
}
