#include <gtest/gtest.h>

#include "DbTestData.h"
#include "TestFiles.h"

namespace {

using dbtest::Contains;
using dbtest::ErrorOf;
using dbtest::Texts;

class JetDialect : public ::testing::Test {
 protected:
  void SetUp() override {
    dbtest::MakePlan(m_files.Path("2026.dat"));
    m_db.Open(m_files.Path("2026.dat"));
  }
  Texts Column(const std::string& sql, const std::string& field) { return dbtest::Column(m_db, sql, field); }
  std::string OpenError(const std::string& sql) {
    return ErrorOf([&] {
      CDaoRecordset set(&m_db);
      set.Open(dbOpenDynaset, sql);
    });
  }

  TestFiles m_files;
  CDaoDatabase m_db;
};

TEST_F(JetDialect, TheReadingPlanStatements) {
  EXPECT_EQ(Column("select * from YEAR where year=2026", "ytitle"), Texts{"2026년 베스페랄"});
  EXPECT_TRUE(Column("select * from YEAR where year=2025", "ytitle").empty());

  const std::string passage =
      "select mtitle, range, sec, body from MONTH, DAYRANGE, DAY where MONTH.month=DAYRANGE.month AND "
      "DAYRANGE.order1=DAY.order1 AND MONTH.month=3 AND DAYRANGE.day=7 order by DAY.order2";
  EXPECT_EQ(Column(passage, "body"),
            (Texts{"여호와는 나의 목자시니", "그가 나를 푸른 풀밭에 누이시며", "내 영혼을 소생시키시고"}));
  EXPECT_EQ(Column(passage, "sec"), (Texts{"1", "2", "3"}));
  EXPECT_EQ(Column(passage, "range"), (Texts{"시편 23:1-3", "시편 23:1-3", "시편 23:1-3"}));
  EXPECT_EQ(Column(passage, "MTITLE").front(), "삼월");
  EXPECT_TRUE(Column("select mtitle, range, sec, body from MONTH, DAYRANGE, DAY where MONTH.month=DAYRANGE.month AND "
                     "DAYRANGE.order1=DAY.order1 AND MONTH.month=3 AND DAYRANGE.day=9 order by DAY.order2",
                     "body")
                  .empty());
}

TEST_F(JetDialect, KeywordsInAnyCaseAndAnyWhitespace) {
  const Texts three = {"1", "2", "3"};
  EXPECT_EQ(Column("SELECT sec FROM DAY WHERE order1=66 ORDER BY order2", "sec"), three);
  EXPECT_EQ(Column("Select sec From DAY Where order1=66 Order By order2 Asc", "sec"), three);
  EXPECT_EQ(Column("select\tsec\r\nfrom  DAY\nwhere order1 = 66\torder   by order2;", "sec"), three);
  EXPECT_EQ(Column("select sec from DAY where order1=66 order by order2 desc", "sec"), (Texts{"3", "2", "1"}));
  EXPECT_EQ(Column("select [sec] from [DAY] where [DAY].[order1]=66 order by DAY.order2", "sec"), three);
}

TEST_F(JetDialect, LiteralsConditionsAndPrecedence) {
  // Both quote styles; a doubled quote stands for itself; texts compare without regard to Latin case.
  EXPECT_EQ(Column("select range from DAYRANGE where range='시편 24:1'", "range"), Texts{"시편 24:1"});
  EXPECT_EQ(Column("select range from DAYRANGE where range=\"시편 24:1\"", "range"), Texts{"시편 24:1"});
  dbtest::RawExec(m_files.Path("2026.dat"), "INSERT INTO MONTH VALUES (5, 'It''s \"May\"')");
  EXPECT_EQ(Column("select month from MONTH where mtitle='it''s \"MAY\"'", "month"), Texts{"5"});
  EXPECT_EQ(Column("select month from MONTH where mtitle=\"It's \"\"May\"\"\"", "month"), Texts{"5"});

  EXPECT_EQ(Column("select order2 from DAY where order1=66 and (order2=1 or order2=3) order by order2", "order2"),
            (Texts{"1", "3"}));
  // AND binds closer than OR, as in Jet.
  EXPECT_EQ(Column("select order2 from DAY where order2=2 or order1=67 and order2=1 order by order1", "order2"),
            (Texts{"2", "1"}));
  EXPECT_EQ(Column("select day from DAYRANGE where day<>7 and not day<8 and day>=-1", "day"), Texts{"8"});
  // A number compares with a text column holding digits.
  EXPECT_EQ(Column("select body from DAY where sec=3", "body"), Texts{"내 영혼을 소생시키시고"});
}

TEST_F(JetDialect, StatementsOutsideTheDialectAreRefusedWithTheReason) {
  const struct {
    const char* sql;
    const char* says;
  } refused[] = {
      {"SELECT * FROM DAY GROUP BY order1", "'GROUP' is not understood"},
      {"SELECT DISTINCT sec FROM DAY", "'DISTINCT' is not understood"},
      {"DELETE FROM DAY", "only SELECT statements are understood, not 'DELETE'"},
      {"SELECT * FROM DAY WHERE sec='1", "a text literal is not closed"},
      {"SELECT * FROM DAY WHERE sec=\"1", "a text literal is not closed"},
      {"SELECT * FROM DAY WHERE order1 = (SELECT order1 FROM DAYRANGE)", "subqueries are not understood"},
      {"SELECT * FROM (SELECT * FROM DAY)", "subqueries are not understood"},
      {"SELECT * FROM DAY; DROP TABLE DAY", "characters found after end of SQL statement"},
      {"SELECT count(sec) FROM DAY", "functions such as 'count(' are not understood"},
      {"SELECT * FROM DAY WHERE length(body)=3", "functions such as 'length(' are not understood"},
      {"SELECT * FROM DAY WHERE sec", "expected a comparison"},
      {"SELECT * FROM DAY WHERE order2=1.5", "only whole numbers are understood"},
      {"SELECT * FROM DAY WHERE order2=99999999999999999999", "the number is too large"},
      {"SELECT * FROM DAY WHERE body LIKE body", "LIKE needs a pattern in quotes"},
      {"SELECT * FROM DAY WHERE body LIKE '[abc'", "Invalid pattern string"},
      {"SELECT * FROM DAY WHERE order2 IS NULL", "'IS' is not understood"},
      {"SELECT * FROM DAY WHERE order2 == 1", "expected a column, a text or a number"},
      {"SELECT * FROM DAY WHERE order2 = 1 --", "characters found after end of SQL statement near \"--\""},
      {"SELECT * FROM DAY WHERE order2 = - x", "expected a number after '-'"},
      {"SELECT * FROM DAY AS d", "'AS' is not understood"},
      {"SELECT * FROM", "at the end of the statement"},
      {"SELECT * FROM DAY WHERE order2 = @x", "the character '@' is not understood"},
      {"", "the statement must begin with SELECT"},
  };
  for (const auto& statement : refused) {
    const std::string error = OpenError(statement.sql);
    EXPECT_TRUE(Contains(error, statement.says)) << statement.sql << "\n  gave: " << error;
  }
  // Where it went wrong is quoted back.
  EXPECT_TRUE(Contains(OpenError("SELECT * FROM DAY GROUP BY order1"), "near \"GROUP BY order1\""));
  // Names the dialect accepts but the file lacks are the engine's errors, naming them.
  EXPECT_TRUE(Contains(OpenError("SELECT * FROM NOSUCH"), "no such table: NOSUCH"));
  EXPECT_TRUE(Contains(OpenError("SELECT nosuch FROM DAY"), "no such column: nosuch")) << OpenError("SELECT nosuch FROM DAY");
  // A zero byte does not cut the statement short.
  EXPECT_TRUE(Contains(OpenError(std::string("SELECT * FROM DAY\0; DROP TABLE DAY", 34)), "zero byte"));
}

TEST_F(JetDialect, NothingButTheOneStatementEverRuns) {
  // What search texts with quotes make of the search statement: refused, or one harmless SELECT.
  const char* hostile[] = {"\"; DROP TABLE DAY; --", "' OR 1=1; DELETE FROM DAY", "\") OR (\"\"=\""};
  for (const char* text : hostile) {
    const std::string sql = std::string("SELECT sec FROM DAY WHERE body LIKE \"*") + text + "*\" ORDER BY sec";
    OpenError(sql);
  }
  EXPECT_TRUE(Contains(OpenError("SELECT sec FROM DAY WHERE body LIKE \"*\"; DROP TABLE DAY; --*\""),
                       "characters found after end of SQL statement"));
  EXPECT_EQ(Column("select sec from DAY order by sec", "sec"), (Texts{"1", "1", "2", "3"}));
}

}  // namespace
