// The reminder's question answered from the program folder: the balloon's range text, and no balloon
// where today is marked, has no reading, or the diary cannot be read; the diary is never made or changed.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "app/ReminderCheck.h"
#include "core/DbTestData.h"
#include "core/PlanTestDir.h"
#include "diary/ReadMarkStore.h"

namespace {

const CalendarDay kToday{2026, 3, 10};
const LocalTime kAfterTheTime{kToday, 7 * 3600 + 5};

HabitSettings ReminderAtSeven() {
  HabitSettings settings;
  settings.reminderOn = true;
  settings.reminderTime = {7, 0};
  return settings;
}

// A plan of 2026 with readings on 9 and 10 March.
void WritePlan(const PlanTestDir& dir) {
  dir.WritePlan(2026,
                "INSERT INTO YEAR VALUES(2026, '2026년 성경 읽기');"
                "INSERT INTO MONTH VALUES(3, '3월');"
                "INSERT INTO DAYRANGE VALUES(3, 9, 309, '출애굽기 1-2장'), (3, 10, 310, '창세기 1-3장');"
                "INSERT INTO DAY VALUES(309, 1, '1', '첫 구절'), (310, 1, '1', '태초에');");
}

void MarkInDiary(const std::string& path, const CalendarDay& day) {
  CDaoDatabase db;
  db.Open(path);
  CReadMarkStore store;
  ASSERT_TRUE(store.Open(db));
  store.SetMarked(day, true);
}

TEST(ReminderCheckTest, TodaysRangeTextWhenDueAndNoBalloonWhereTodayIsReadOrCannotBeKnown) {
  struct Case {
    const char* what;
    std::function<void(const PlanTestDir& dir, const std::string& diary)> prepare;
    bool due;
  } const cases[] = {
      {"no diary", [](const PlanTestDir&, const std::string&) {}, true},
      {"an old diary without marks", [](const PlanTestDir&, const std::string& diary) { dbtest::MakeDiary(diary); },
       true},
      {"yesterday marked",
       [](const PlanTestDir&, const std::string& diary) {
         dbtest::MakeDiary(diary);
         MarkInDiary(diary, {2026, 3, 9});
       },
       true},
      {"today marked",
       [](const PlanTestDir&, const std::string& diary) {
         dbtest::MakeDiary(diary);
         MarkInDiary(diary, kToday);
       },
       false},
      {"a damaged diary", [](const PlanTestDir& dir, const std::string&) { dir.WriteJunk("memo.mdb"); }, false},
      {"a view in place of the marks' table",
       [](const PlanTestDir&, const std::string& diary) {
         dbtest::MakeDiary(diary);
         dbtest::RawExec(diary, "CREATE VIEW READMARK AS SELECT '20260309' AS keydate;");
       },
       false},
      {"no plan file", [](const PlanTestDir& dir, const std::string&) { dir.Remove("2026.dat"); }, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    PlanTestDir dir;
    WritePlan(dir);
    const std::string diary = dir.ProgramDir() + "memo.mdb";
    c.prepare(dir, diary);
    const bool diaryThere = TestFiles::Exists(diary);
    const std::string before = diaryThere ? TestFiles::Read(diary) : std::string();

    const ReminderCheck check = CheckReminder(dir.ProgramDir(), ReminderAtSeven(), kAfterTheTime);
    EXPECT_EQ(check.decision.dueNow, c.due);
    EXPECT_EQ(check.rangeText, c.due ? "창세기 1-3장" : "");
    ASSERT_TRUE(check.decision.nextCheck.has_value());
    EXPECT_EQ(*check.decision.nextCheck, (LocalTime{{2026, 3, 11}, 7 * 3600}));
    // The check only reads: no diary is made, none is changed (no READMARK added to an old one).
    EXPECT_EQ(TestFiles::Exists(diary), diaryThere);
    if (diaryThere) {
      EXPECT_TRUE(TestFiles::Read(diary) == before);
    }
  }
}

TEST(ReminderCheckTest, ADayWithoutReadingShowsNoBalloon) {
  PlanTestDir dir;
  WritePlan(dir);
  const ReminderCheck check = CheckReminder(dir.ProgramDir(), ReminderAtSeven(), LocalTime{{2026, 3, 11}, 8 * 3600});
  EXPECT_FALSE(check.decision.dueNow);
  EXPECT_EQ(check.rangeText, "");
}

}  // namespace
