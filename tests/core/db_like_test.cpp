#include <gtest/gtest.h>

#include "DbTestData.h"
#include "TestFiles.h"

namespace {

using dbtest::Contains;
using dbtest::ErrorOf;
using dbtest::Texts;

class JetLike : public ::testing::Test {
 protected:
  void SetUp() override {
    dbtest::MakeDiary(m_files.Path("memo.mdb"));
    m_db.Open(m_files.Path("memo.mdb"));
    dbtest::AddEntry(m_db, "20260301", "오늘도 감사", "x", "Grace and peace");
    dbtest::AddEntry(m_db, "20260302", "감사합니다", "100% sure", "a_b and *stars*");
    dbtest::AddEntry(m_db, "20260303", "Psalm 23", "x", "주님께 감사\r\n둘째 줄");
    dbtest::AddEntry(m_db, "20260304", "ab", "x", "GRACE");
  }
  // The keys whose field matches the pattern, in key order.
  Texts Keys(const std::string& field, const std::string& pattern) {
    return dbtest::Column(m_db, "SELECT keydate FROM VESPERAL WHERE " + field + " LIKE \"" + pattern +
                                    "\" ORDER BY keydate", "keydate");
  }

  TestFiles m_files;
  CDaoDatabase m_db;
};

TEST_F(JetLike, TheDiarySearchStatement) {
  EXPECT_EQ(dbtest::Column(m_db,
                           "SELECT keydate FROM VESPERAL WHERE  memo1 LIKE \"*감사*\" OR memo3 LIKE \"*감사*\" "
                           "ORDER BY keydate",
                           "keydate"),
            (Texts{"20260301", "20260302", "20260303"}));
  EXPECT_EQ(dbtest::Column(m_db, "SELECT * FROM VESPERAL WHERE memo1 LIKE '*감사*' ORDER BY keydate", "memo1"),
            (Texts{"오늘도 감사", "감사합니다"}));
}

TEST_F(JetLike, StarAndQuestionMark) {
  EXPECT_EQ(Keys("memo1", "감사*"), Texts{"20260302"});
  EXPECT_EQ(Keys("memo1", "*감사"), Texts{"20260301"});
  EXPECT_EQ(Keys("memo1", "감사"), Texts{});
  EXPECT_EQ(Keys("memo1", "??"), Texts{"20260304"});             // two characters, Korean or not
  EXPECT_EQ(Keys("memo1", "감사???"), Texts{"20260302"});        // a Korean syllable is one character
  EXPECT_EQ(Keys("memo1", "*"), (Texts{"20260301", "20260302", "20260303", "20260304"}));
  EXPECT_EQ(Keys("memo3", "*감사*줄"), Texts{"20260303"});       // '*' runs across line ends
}

TEST_F(JetLike, LatinLettersMatchWithoutRegardToCase) {
  EXPECT_EQ(Keys("memo3", "*grace*"), (Texts{"20260301", "20260304"}));
  EXPECT_EQ(Keys("memo1", "psalm ##"), Texts{"20260303"});
  EXPECT_EQ(Keys("memo1", "[P]*"), Texts{"20260303"});
  EXPECT_EQ(Keys("memo1", "[a-c]?"), Texts{"20260304"});
  EXPECT_EQ(Keys("memo1", "[A-C]B"), Texts{"20260304"});
}

TEST_F(JetLike, DigitsListsAndRanges) {
  EXPECT_EQ(Keys("memo1", "*#"), Texts{"20260303"});
  EXPECT_EQ(Keys("keydate", "2026030[2-3]"), (Texts{"20260302", "20260303"}));
  EXPECT_EQ(Keys("keydate", "2026030[!2-3]"), (Texts{"20260301", "20260304"}));
  EXPECT_EQ(Keys("keydate", "*[14]"), (Texts{"20260301", "20260304"}));
  EXPECT_EQ(Keys("memo1", "[감오]*"), (Texts{"20260301", "20260302"}));
  EXPECT_EQ(Keys("memo1", "[가-깋]사*"), Texts{"20260302"});
  EXPECT_EQ(Keys("memo2", "#[#%]*"), Texts{});                 // "100%": the second character is a digit
  EXPECT_EQ(Keys("memo3", "[!a-z]*"), Texts{"20260303"});
  EXPECT_EQ(Keys("memo3", "a[-_]b*"), Texts{"20260302"});      // '-' at the start of a list is itself
}

TEST_F(JetLike, OnlyJetWildcardsAreWildcards) {
  // SQLite's own '%' and '_' are plain characters in a Jet pattern; brackets make '*' plain.
  EXPECT_EQ(Keys("memo2", "*%*"), Texts{"20260302"});
  EXPECT_EQ(Keys("memo2", "1_0*"), Texts{});
  EXPECT_EQ(Keys("memo3", "a_b*"), Texts{"20260302"});
  EXPECT_EQ(Keys("memo3", "*[*]stars[*]"), Texts{"20260302"});
  EXPECT_EQ(Keys("memo3", "*\\*"), Texts{});
  EXPECT_EQ(Keys("memo1", "[?]*"), Texts{});
}

TEST_F(JetLike, NotLikeAndMalformedPatterns) {
  EXPECT_EQ(dbtest::Column(m_db, "SELECT keydate FROM VESPERAL WHERE memo2 NOT LIKE 'x' ORDER BY keydate", "keydate"),
            Texts{"20260302"});
  for (const char* pattern : {"[abc", "*[]*", "[!]", "[z-a]"}) {
    const std::string error = ErrorOf([&] { Keys("memo1", pattern); });
    EXPECT_TRUE(Contains(error, "Invalid pattern string in LIKE")) << pattern << ": " << error;
  }
}

}  // namespace
