// A year without a usable plan file (missing, no database, or made for another year): the date shows the
// no-passage page with no titles of another year, each file's problem is told once while the window runs,
// and every year whose file is there is shown when the user goes there.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "ReadingPlanFixture.h"

namespace {

const char kNoPassage[] = "해당하는 본문내용이 없습니다.";
const char kCannotOpen[] = "베스페랄본문 파일을 열 수 없습니다.";

struct Visit {
  int year, month, day;
  const char* firstBody;  // null: the no-passage page
  size_t messagesSoFar;
};

struct MissingPlanRow {
  const char* name;
  std::function<void(const PlanTestDir&)> files;
  int startYear;
  bool startOpens;
  std::vector<Visit> visits;
  std::function<std::vector<std::string>(const std::string& programDir)> messages;  // all of them, in order
};

std::vector<std::string> CannotOpen(const std::string& dir, int year, const std::string& cause = "") {
  return {kCannotOpen, dir + std::to_string(year) + ".dat" + (cause.empty() ? "" : "\n" + cause)};
}

const char kWrong2000[] = "현재 베스페랄읽기 본문 파일은 2000년도 용이 아닙니다.";

const MissingPlanRow kRows[] = {
    {"MissingAtStartBesideYearsThatAreThere",
     [](const PlanTestDir& dir) {
       dir.WritePlan(1999, SmallYear(1999));
       dir.WritePlan(2001, SmallYear(2001));
     },
     2000,
     false,
     {{2000, 1, 1, nullptr, 2},
      {2000, 1, 2, nullptr, 2},
      {2001, 1, 1, "2001 1월 1일 첫 절", 2},
      {2000, 12, 31, nullptr, 2},
      {1999, 12, 31, "1999 12월 31일", 2}},
     [](const std::string& dir) { return CannotOpen(dir, 2000); }},
    {"NoDatabase",
     [](const PlanTestDir& dir) {
       dir.WritePlan(2000, SmallYear(2000));
       dir.WriteJunk("2001.dat");
     },
     2000,
     true,
     {{2000, 12, 31, "2000 12월 31일", 0}, {2001, 1, 1, nullptr, 2}, {2001, 1, 2, nullptr, 2}},
     [](const std::string& dir) { return CannotOpen(dir, 2001, "<damaged>"); }},
    // Damaged pages behind a whole schema: the file opens and fails at the lookup, and is refused as a file
    // that cannot be opened, once, whether it is the start year's or a later one's.
    {"DamagedInsideAtStart",
     [](const PlanTestDir& dir) {
       dir.WritePlan(2000, SmallYear(2000));
       dir.DamagePages("2000.dat");
       dir.WritePlan(2001, SmallYear(2001));
     },
     2000,
     true,
     {{2000, 1, 1, nullptr, 2}, {2000, 1, 2, nullptr, 2}, {2001, 1, 1, "2001 1월 1일 첫 절", 2}, {2000, 12, 31, nullptr, 2}},
     [](const std::string& dir) { return CannotOpen(dir, 2000, "<damaged>"); }},
    // A refused file is never queried again, and the other year's file, open in between, does not stand in
    // for it.
    {"DamagedInsideSteppedIntoAndBack",
     [](const PlanTestDir& dir) {
       dir.WritePlan(2000, SmallYear(2000));
       dir.WritePlan(2001, SmallYear(2001));
       dir.DamagePages("2001.dat");
     },
     2000,
     true,
     {{2000, 12, 31, "2000 12월 31일", 0},
      {2001, 1, 1, nullptr, 2},
      {2000, 12, 31, "2000 12월 31일", 2},
      {2001, 1, 1, nullptr, 2},
      {2001, 1, 2, nullptr, 2}},
     [](const std::string& dir) { return CannotOpen(dir, 2001, "<damaged>"); }},
    {"MadeForAnotherYear",
     [](const PlanTestDir& dir) {
       dir.WritePlan(1999, SmallYear(1999));
       dir.WritePlan(2000, SmallYear(1999));  // the plan of 1999 under the name of 2000
     },
     1999,
     true,
     {{1999, 12, 31, "1999 12월 31일", 0},
      {2000, 1, 1, nullptr, 1},
      {2000, 1, 2, nullptr, 1},
      {1999, 12, 31, "1999 12월 31일", 1},
      {2000, 1, 1, nullptr, 1}},
     [](const std::string&) { return std::vector<std::string>{kWrong2000}; }},
};

// Rows are named by their name in failure messages.
void PrintTo(const MissingPlanRow& row, std::ostream* out) { *out << row.name; }

class MissingPlanTest : public ReadingPlanTest, public ::testing::WithParamInterface<MissingPlanRow> {};

TEST_P(MissingPlanTest, DateShowsNoPassageAndEachFileIsToldOnce) {
  const MissingPlanRow& row = GetParam();
  row.files(m_dir);
  EXPECT_EQ(Start(row.startYear), row.startOpens);
  for (const Visit& visit : row.visits) {
    SCOPED_TRACE(std::to_string(visit.year) + "-" + std::to_string(visit.month) + "-" + std::to_string(visit.day));
    // The page always holds the shown date.
    Show(visit.year, visit.month, visit.day);
    char key[16];
    std::snprintf(key, sizeof key, "%04d%02d%02d", visit.year, visit.month, visit.day);
    EXPECT_EQ(m_day.DateKey(), key);
    EXPECT_EQ(m_day.bHasPassage, visit.firstBody != nullptr);
    if (visit.firstBody) {
      ASSERT_FALSE(Bodies().empty());
      EXPECT_EQ(Bodies()[0], visit.firstBody);
      EXPECT_EQ(m_day.strYearTitle, std::to_string(visit.year) + "년 읽기");
    } else {
      EXPECT_EQ(Bodies(), std::vector<std::string>{kNoPassage});
      EXPECT_STREQ(m_day.verses[0].szVerse, "");
      EXPECT_EQ(m_day.strYearTitle, "");
      EXPECT_EQ(m_day.strMonthTitle, "");
      EXPECT_EQ(m_day.strRange, "");
    }
    EXPECT_EQ(m_messages.size(), visit.messagesSoFar);
  }
  EXPECT_EQ(m_messages, row.messages(m_dir.ProgramDir()));
}

INSTANTIATE_TEST_SUITE_P(Rows, MissingPlanTest, ::testing::ValuesIn(kRows),
                         [](const ::testing::TestParamInfo<MissingPlanRow>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
