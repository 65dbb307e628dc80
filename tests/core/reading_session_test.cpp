// The reading session: the one owner of the shown day. Every request, from whichever window, reaches every
// listener; the open diary can keep its day; steps and the tray's requests stay within the selectable years.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "ReadingPlanFixture.h"
#include "reading/ReadingSession.h"

namespace {

// Writes what it hears, in order: "day YYYYMMDD", "notices N", "entries", "marks", "diary".
class CEventLog : public IDayListener, public IDayLeaveGuard {
 public:
  explicit CEventLog(CReadingSession& session) : m_session(session) {}
  void OnDayShown() override { events.push_back("day " + DayKey(m_session.ShownDay())); }
  void OnPlanNotices(const std::vector<PlanNotice>& notices) override {
    events.push_back("notices " + std::to_string(notices.size()));
  }
  void OnEntriesChanged() override { events.push_back("entries"); }
  void OnMarksChanged() override { events.push_back("marks"); }
  void OnDiaryOpenChanged() override { events.push_back("diary"); }
  bool MayLeaveDay() override {
    events.push_back("asked");
    return mayLeave;
  }

  std::vector<std::string> events;
  bool mayLeave = true;

 private:
  CReadingSession& m_session;
};

using Events = std::vector<std::string>;

class ReadingSessionTest : public ::testing::Test {
 protected:
  // Plans for 2000 and 2001 (1 and 2 January, 31 December), so the selectable days run 2000-01-01 to
  // 2001-12-31; the session starts on 2000-06-15.
  void SetUp() override {
    for (int year : {2000, 2001}) m_dir.WritePlan(year, SmallYear(year));
    m_session.AddListener(m_log);
    m_session.Start({2000, 6, 15});
    m_log.events.clear();
  }
  void TearDown() override { m_session.Release(); }

  PlanTestDir m_dir;
  CReadingSession m_session{m_dir.ProgramDir()};
  CEventLog m_log{m_session};
};

TEST_F(ReadingSessionTest, EveryRequestReachesTheListenersOnceAndStepsStayWithinTheSelectableYears) {
  const struct {
    const char* name;
    std::function<bool(CReadingSession&)> request;
    bool done;
    const char* shown;
    Events heard;
  } rows[] = {
      {"a day chosen", [](CReadingSession& s) { return s.ShowDay({2000, 1, 2}); }, true, "20000102",
       {"day 20000102"}},
      {"the shown day chosen again: nothing", [](CReadingSession& s) { return s.ShowDay({2000, 6, 15}); }, true,
       "20000615", {}},
      {"a search result outside the selectable years is shown as it is",
       [](CReadingSession& s) { return s.ShowDay({1990, 5, 5}); }, true, "19900505", {"day 19900505", "notices 1"}},
      {"going to the shown day looks it up again", [](CReadingSession& s) { return s.GoToDay({2000, 6, 15}); },
       true, "20000615", {"day 20000615"}},
      {"going before the first year stops at its first day",
       [](CReadingSession& s) { return s.GoToDay({1999, 12, 31}); }, true, "20000101", {"day 20000101"}},
      {"going past the last year stops at its last day", [](CReadingSession& s) { return s.GoToDay({2003, 1, 1}); },
       true, "20011231", {"day 20011231"}},
      {"a step forward", [](CReadingSession& s) { return s.StepDay(+1); }, true, "20000616", {"day 20000616"}},
      {"a step at the last day stays and looks it up again",
       [](CReadingSession& s) { return s.GoToDay({2001, 12, 31}) && s.StepDay(+1); }, true, "20011231",
       {"day 20011231", "day 20011231"}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    m_session.ShowDay({2000, 6, 15});
    m_log.events.clear();
    EXPECT_EQ(row.request(m_session), row.done);
    EXPECT_EQ(DayKey(m_session.ShownDay()), row.shown);
    EXPECT_EQ(DayKey(m_session.Page().date), row.shown);
    EXPECT_EQ(m_log.events, row.heard);
  }
}

// The open diary is asked before its day is left, and only then; a diary that keeps its day keeps the
// session on it, and nobody hears of a change.
TEST_F(ReadingSessionTest, TheOpenDiaryIsAskedBeforeItsDayIsLeftAndCanKeepIt) {
  m_session.SetLeaveGuard(&m_log);
  EXPECT_TRUE(m_session.IsDiaryOpen());
  EXPECT_TRUE(m_session.GoToDay({2000, 6, 15}));
  EXPECT_TRUE(m_session.ShowDay({2000, 1, 1}));
  m_log.mayLeave = false;
  EXPECT_FALSE(m_session.StepDay(+1));
  EXPECT_FALSE(m_session.ShowDay({2001, 1, 1}));
  EXPECT_EQ(DayKey(m_session.ShownDay()), "20000101");
  m_session.SetLeaveGuard(nullptr);
  EXPECT_FALSE(m_session.IsDiaryOpen());
  EXPECT_TRUE(m_session.ShowDay({2001, 1, 1}));
  EXPECT_EQ(m_log.events, (Events{"diary", "day 20000615", "asked", "day 20000101", "asked", "asked", "diary",
                                  "day 20010101"}));
}

TEST_F(ReadingSessionTest, EntriesMarksAndCatchingUpAreToldToTheListeners) {
  ASSERT_TRUE(m_session.HasDiary());
  m_session.WriteEntry({2000, 1, 2}, "t", "m", "p");
  EXPECT_TRUE(m_session.HasEntry({2000, 1, 2}));
  m_session.DeleteEntry({2000, 1, 2});
  EXPECT_FALSE(m_session.HasEntry({2000, 1, 2}));
  ASSERT_TRUE(m_session.CanMark());
  m_session.SetMarked({2000, 1, 1}, true);
  // 1 January is read, 2 January is the first day left to read.
  EXPECT_EQ(m_session.GoToCatchUpDay({2000, 12, 31}), CatchUp::Outcome::kFound);
  EXPECT_EQ(m_log.events, (Events{"entries", "entries", "marks", "day 20000102"}));
}

TEST(ReadingSessionWithoutPlans, TheDiaryKeepsTheShownYearAndTheProblemIsToldOnce) {
  PlanTestDir dir;
  CReadingSession session(dir.ProgramDir());
  CEventLog log(session);
  session.AddListener(log);
  session.Start({2000, 6, 15});
  session.StepDay(+1);
  EXPECT_EQ(log.events, (Events{"notices 1", "day 20000615", "day 20000616"}));
  EXPECT_FALSE(session.SelectableYears().bKnown);
  const YearRange diaryYears = session.DiaryYears();
  EXPECT_EQ(diaryYears.nFirstYear, 2000);
  EXPECT_EQ(diaryYears.nLastYear, 2000);
  EXPECT_EQ(session.GoToCatchUpDay({2000, 6, 16}), CatchUp::Outcome::kNoReading);
  session.Release();
}

}  // namespace
