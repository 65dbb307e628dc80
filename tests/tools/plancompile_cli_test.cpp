// The compiler run as a program: a good source becomes a plan database the program can query without
// scanning tables; a bad one leaves nothing behind and says where it is wrong.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <stdlib.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "RunPlanCompile.h"

namespace fs = std::filesystem;

namespace {

class PlanCompileCli : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string tmpl = (fs::temp_directory_path() / "plancompile-XXXXXX").string();
    ASSERT_NE(mkdtemp(tmpl.data()), nullptr);
    m_dir = tmpl;
  }
  void TearDown() override { fs::remove_all(m_dir); }

  std::string Write(const std::string& name, const std::string& text) {
    const fs::path path = m_dir / name;
    std::ofstream(path, std::ios::binary) << text;
    return path.string();
  }

  // Runs the compiler; returns its exit status and keeps what it wrote to stderr.
  int Run(const std::string& args) { return RunPlanCompile(args, (m_dir / "stderr.log").string(), m_stderr); }

  std::vector<std::string> Files() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(m_dir)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  fs::path m_dir;
  std::string m_stderr;
};

// Rows of a query, columns joined by '|'.
std::vector<std::string> Query(const std::string& dbPath, const std::string& sql) {
  sqlite3* db = nullptr;
  std::vector<std::string> rows;
  if (sqlite3_open_v2(dbPath.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
    sqlite3_exec(
        db, sql.c_str(),
        [](void* out, int n, char** values, char**) {
          std::string row;
          for (int i = 0; i < n; ++i) row += (i ? "|" : "") + std::string(values[i] ? values[i] : "NULL");
          static_cast<std::vector<std::string>*>(out)->push_back(row);
          return 0;
        },
        &rows, nullptr);
  }
  sqlite3_close(db);
  return rows;
}

const char* const kGoodSource =
    "# 시험용 계획\n"
    "@year {year}년 베스페랄읽기\n"
    "@month 2 2월 겨울 끝\n"
    "@day 29 윤일 1:1\n"
    "1 사 년에 한 번 오는 날\n"
    "@day 28 시편 3:1-3\n"
    "3 셋째로 적었으나 첫째\n"
    "1 둘째 구절은\n"
    "   둘로 나뉘어\n"
    "   적혔다\n"
    "007 일곱\n"
    "@month 1 1월 새해\n"
    "@day 1 창세기 1:1\n"
    "1 빛 & 어둠\n";

TEST_F(PlanCompileCli, GoodSourceRoundTrip) {
  const std::string source = Write("plan.txt", kGoodSource);
  const std::string out = (m_dir / "2026.dat").string();
  ASSERT_EQ(Run("--year 2026 " + source + " " + out), 0) << m_stderr;
  EXPECT_EQ(m_stderr, "");

  EXPECT_EQ(Query(out, "select year, ytitle from YEAR"), std::vector<std::string>{"2026|2026년 베스페랄읽기"});
  EXPECT_EQ(Query(out, "select month, mtitle from MONTH order by month"),
            (std::vector<std::string>{"1|1월 새해", "2|2월 겨울 끝"}));
  // 2026 has no 29 February: the day is left out.
  EXPECT_EQ(Query(out, "select month, day, range from DAYRANGE order by month, day"),
            (std::vector<std::string>{"1|1|창세기 1:1", "2|28|시편 3:1-3"}));
  // The program's own passage query: verses in source order, continuations joined.
  EXPECT_EQ(Query(out,
                  "select mtitle, range, sec, body from MONTH, DAYRANGE, DAY where MONTH.month=DAYRANGE.month AND "
                  "DAYRANGE.order1=DAY.order1 AND MONTH.month=2 AND DAYRANGE.day=28 order by DAY.order2"),
            (std::vector<std::string>{"2월 겨울 끝|시편 3:1-3|3|셋째로 적었으나 첫째",
                                      "2월 겨울 끝|시편 3:1-3|1|둘째 구절은 둘로 나뉘어 적혔다",
                                      "2월 겨울 끝|시편 3:1-3|007|일곱"}));
  EXPECT_EQ(Query(out, "pragma journal_mode"), std::vector<std::string>{"delete"});
  EXPECT_EQ(Files(), (std::vector<std::string>{"2026.dat", "plan.txt"}));

  // A leap year keeps 29 February; the same output is replaced as a whole.
  ASSERT_EQ(Run("--year 2028 " + source + " " + out), 0) << m_stderr;
  EXPECT_EQ(Query(out, "select ytitle from YEAR where year=2028"), std::vector<std::string>{"2028년 베스페랄읽기"});
  EXPECT_EQ(Query(out, "select count(*) from DAYRANGE where month=2 and day=29"), std::vector<std::string>{"1"});
  EXPECT_EQ(Query(out, "select count(*) from YEAR"), std::vector<std::string>{"1"});
}

// Characters that code page 949 lacks reach the plan file as they are, never as '?'.
TEST_F(PlanCompileCli, CharactersOutsideCodePage949ReachThePlanFile) {
  const std::string verse = "\u1112\u119E\u11AB \u3400 \U0001F64F Ærøskøbing Москва";
  const std::string source =
      Write("plan.txt", "@year \U0001F64F {year}\n@month 1 \u0E01\n@day 1 \u3400 1:1\n1 " + verse + "\n");
  const std::string out = (m_dir / "2026.dat").string();
  ASSERT_EQ(Run("--year 2026 " + source + " " + out), 0) << m_stderr;
  EXPECT_EQ(Query(out, "select ytitle from YEAR"), std::vector<std::string>{"\U0001F64F 2026"});
  EXPECT_EQ(Query(out,
                  "select mtitle, range, body from MONTH, DAYRANGE, DAY where MONTH.month=DAYRANGE.month AND "
                  "DAYRANGE.order1=DAY.order1"),
            std::vector<std::string>{"\u0E01|\u3400 1:1|" + verse});
}

TEST_F(PlanCompileCli, LookupsUseIndexesNotTableScans) {
  const std::string out = (m_dir / "2026.dat").string();
  ASSERT_EQ(Run("--year 2026 " + Write("plan.txt", kGoodSource) + " " + out), 0) << m_stderr;
  for (const char* sql :
       {"select * from YEAR where year=2026",
        "select mtitle, range, sec, body from MONTH, DAYRANGE, DAY where MONTH.month=DAYRANGE.month AND "
        "DAYRANGE.order1=DAY.order1 AND MONTH.month=2 AND DAYRANGE.day=28 order by DAY.order2"}) {
    const std::vector<std::string> plan = Query(out, std::string("explain query plan ") + sql);
    ASSERT_FALSE(plan.empty());
    for (const std::string& step : plan) {
      EXPECT_EQ(step.find("SCAN"), std::string::npos) << sql << "\n" << step;
      EXPECT_EQ(step.find("TEMP B-TREE"), std::string::npos) << sql << "\n" << step;
    }
  }
}

TEST_F(PlanCompileCli, BadSourceLeavesNothingBehind) {
  const std::string source = Write("plan.txt", "@year y\n@month 4 사월\n@day 1 r\n1 a\n@day 31 r\n1 b\n");
  const std::string out = (m_dir / "2026.dat").string();
  EXPECT_NE(Run("--year 2026 " + source + " " + out), 0);
  EXPECT_EQ(m_stderr, source + ":5: day 31 is not in month 4\n");
  EXPECT_EQ(Files(), std::vector<std::string>{"plan.txt"});

  // An existing output stays as it was.
  Write("2026.dat", "previous");
  EXPECT_NE(Run("--year 2026 " + source + " " + out), 0);
  std::ifstream kept(out);
  std::string content;
  std::getline(kept, content);
  EXPECT_EQ(content, "previous");
  EXPECT_EQ(Files(), (std::vector<std::string>{"2026.dat", "plan.txt"}));
}

TEST_F(PlanCompileCli, UnwritableOutputLeavesNothingBehind) {
  const std::string source = Write("plan.txt", kGoodSource);
  // The output's name is taken by a directory: the rename fails after the whole file was written.
  fs::create_directory(m_dir / "2026.dat");
  EXPECT_NE(Run("--year 2026 " + source + " " + (m_dir / "2026.dat").string()), 0);
  EXPECT_NE(m_stderr.find("cannot rename"), std::string::npos) << m_stderr;
  EXPECT_EQ(Files(), (std::vector<std::string>{"2026.dat", "plan.txt"}));
  EXPECT_TRUE(fs::is_directory(m_dir / "2026.dat"));
}

TEST_F(PlanCompileCli, RefusesBadCommandLines) {
  const std::string source = Write("plan.txt", kGoodSource);
  const std::string out = (m_dir / "o.dat").string();
  EXPECT_NE(Run(source + " " + out), 0);                      // no year
  EXPECT_NE(Run("--year 0 " + source + " " + out), 0);        // not a year
  EXPECT_NE(Run("--year 2026x " + source + " " + out), 0);    // not a number
  EXPECT_NE(Run("--year 2026 " + source + " " + source), 0);  // would overwrite its source
  EXPECT_NE(Run("--year 2026 " + (m_dir / "none.txt").string() + " " + out), 0);
  EXPECT_EQ(Files(), std::vector<std::string>{"plan.txt"});
  std::ifstream in(source);
  std::string first;
  std::getline(in, first);
  EXPECT_EQ(first, "# 시험용 계획");
}

}  // namespace
