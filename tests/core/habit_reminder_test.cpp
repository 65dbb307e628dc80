#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "habit/BalloonDelivery.h"
#include "habit/ReminderSchedule.h"

namespace {

constexpr int kHour = 3600;

LocalTime At(CalendarDay day, int hour, int minute = 0, int second = 0) {
  return {day, hour * kHour + minute * 60 + second};
}

HabitSettings ReminderAt(int hour, int minute, std::optional<CalendarDay> lastBalloon = std::nullopt) {
  HabitSettings settings;
  settings.reminderOn = true;
  settings.reminderTime = {hour, minute};
  settings.lastBalloonDay = lastBalloon;
  return settings;
}

std::string Describe(const ReminderDecision& decision) {
  std::string text = decision.dueNow ? "due" : "not due";
  if (decision.nextCheck)
    text += ", next " + DayKey(decision.nextCheck->day) + " " + std::to_string(decision.nextCheck->secondOfDay);
  return text;
}

TEST(ReminderScheduleTest, OneBalloonADayFromTheChosenTimeWhileTodayIsUnreadAndHasAReading) {
  const CalendarDay today{2026, 12, 7}, tomorrow{2026, 12, 8};
  const CalendarDay yearEnd{2026, 12, 31}, newYear{2027, 1, 1};
  ReadMarks none;
  ReadMarks todayMarked;
  todayMarked.Mark(today);
  ReadMarks yesterdayMarked;
  yesterdayMarked.Mark({2026, 12, 6});
  // Plans exist up to 2026; 2027 has none yet.
  auto planUpTo2026 = [](const CalendarDay& day) { return day.year <= 2026; };
  HabitSettings off = ReminderAt(7, 0);
  off.reminderOn = false;
  const HabitSettings sevenOClock = ReminderAt(7, 0);
  const HabitSettings shownToday = ReminderAt(7, 0, today);
  const HabitSettings shownYesterday = ReminderAt(7, 0, CalendarDay{2026, 12, 6});
  const HabitSettings lateEvening = ReminderAt(23, 59);

  const struct {
    const char* scenario;
    const HabitSettings& settings;
    const ReadMarks& marks;
    LocalTime now;
    bool dueNow;
    std::optional<LocalTime> nextCheck;
  } rows[] = {
      {"before the time: wait for it", sevenOClock, none, At(today, 6, 59, 59), false, At(today, 7)},
      {"at the time", sevenOClock, none, At(today, 7), true, At(tomorrow, 7)},
      {"a start after the time (late start, or the computer was off)", sevenOClock, none, At(today, 15, 30), true,
       At(tomorrow, 7)},
      {"a resume after a sleep across the time", shownYesterday, none, At(today, 9, 12), true, At(tomorrow, 7)},
      {"a sleep across midnight and the time: the new day's one balloon", shownYesterday, yesterdayMarked,
       At(tomorrow, 8), true, At({2026, 12, 9}, 7)},
      {"already shown today", shownToday, none, At(today, 18), false, At(tomorrow, 7)},
      {"shown today, asked again after midnight before the time", shownToday, none, At(tomorrow, 0, 0, 1), false,
       At(tomorrow, 7)},
      {"today marked read", sevenOClock, todayMarked, At(today, 7, 30), false, At(tomorrow, 7)},
      {"only yesterday marked: today is still unread", sevenOClock, yesterdayMarked, At(today, 8), true,
       At(tomorrow, 7)},
      {"a time just before midnight", lateEvening, none, At(today, 23, 59, 30), true, At(tomorrow, 23, 59)},
      {"31 December has its reading", sevenOClock, none, At(yearEnd, 7), true, At(newYear, 7)},
      {"1 January of a year without a plan: no reading, no balloon", sevenOClock, none, At(newYear, 7), false,
       At({2027, 1, 2}, 7)},
      {"reminder off", off, none, At(today, 7), false, std::nullopt},
  };
  for (const auto& row : rows) {
    const ReminderDecision decision = DecideReminder(row.settings, row.marks, planUpTo2026, row.now);
    const ReminderDecision expected{row.dueNow, row.nextCheck};
    EXPECT_EQ(Describe(decision), Describe(expected)) << row.scenario;
  }
}

TEST(ReminderScheduleTest, TheTimerWaitsTheSecondsToTheNextCheckAcrossMidnightAndTheYearsEnd) {
  EXPECT_EQ(SecondsBetween(At({2026, 12, 7}, 6, 59, 59), At({2026, 12, 7}, 7)), 1);
  EXPECT_EQ(SecondsBetween(At({2026, 12, 31}, 23), At({2027, 1, 1}, 7)), 8 * kHour);
  EXPECT_EQ(SecondsBetween(At({2026, 12, 7}, 8), At({2026, 12, 7}, 7)), -kHour);
}

TEST(ReminderScheduleTest, TheTimerWaitsAtLeastASecondAndAtMostAnHour) {
  const CalendarDay today{2026, 12, 7};
  struct Case {
    LocalTime now;
    std::optional<LocalTime> next;
    std::optional<long long> wait;
  } const cases[] = {
      {At(today, 6, 59, 50), At(today, 7), 10},
      {At(today, 6, 30), At(today, 7), 1800},
      {At(today, 7), At(today, 7), 1},        // the timer fired on the time: ask again a second later
      {At(today, 7, 0, 3), At(today, 7), 1},  // the clock ran ahead of the timer
      {At(today, 5), At(today, 7), kHour},    // a long wait is cut at the hour
      {At(today, 7), At({2026, 12, 8}, 7), kHour},
      {At(today, 7), std::nullopt, std::nullopt},  // the reminder is off: no timer
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.now.secondOfDay) + (c.next ? " to " + std::to_string(c.next->secondOfDay) : ""));
    ReminderDecision decision;
    decision.nextCheck = c.next;
    EXPECT_EQ(ReminderWaitSeconds(decision, c.now), c.wait);
  }
}

TEST(BalloonDeliveryTest, OnlyTheShellsWordShownOrClickedCountsTheBalloonAsSeen) {
  const struct {
    long message;
    bool seen;
  } rows[] = {{kShellBalloonShown, true},
              {kShellBalloonClicked, true},
              {kShellBalloonHidden, false},
              {kShellBalloonTimedOut, false},
              {0x0201, false},
              {0, false}};
  for (const auto& row : rows) EXPECT_EQ(BalloonCountsAsShown(row.message), row.seen) << row.message;
}

TEST(BalloonDeliveryTest, LockedBusyPresentingAndQuietTimeTakeNoBalloonAnyOtherAnswerDoes) {
  const struct {
    std::optional<int> state;
    bool accepts;
  } rows[] = {{1, false}, {2, false}, {3, false}, {4, false}, {5, true},
              {6, false}, {7, true},  {0, true},  {99, true}, {std::nullopt, true}};
  for (const auto& row : rows) EXPECT_EQ(AcceptsNotifications(row.state), row.accepts) << row.state.value_or(-1);
}

TEST(BalloonDeliveryTest, SentWhenDueAndTakenAgainAfterAWaitUntilTheShellReportsItAtMostThreeTimesADay) {
  const CalendarDay today{2026, 12, 7}, tomorrow{2026, 12, 8};
  const ReminderDecision due{true, At(tomorrow, 7)}, notDue{false, At(tomorrow, 7)};
  BalloonSending none, onceAt7, twice, thrice, yesterday;
  onceAt7.Sent(At(today, 7));
  twice.Sent(At(today, 7));
  twice.Sent(At(today, 7, 30));
  thrice = twice;
  thrice.Sent(At(today, 8));
  yesterday.Sent(At({2026, 12, 6}, 23, 50));
  const struct {
    const char* scenario;
    const BalloonSending& sent;
    ReminderDecision decision;
    bool accepts;
    LocalTime now;
    ReminderDecision expected;
  } rows[] = {
      {"not due: the schedule's answer", none, notDue, true, At(today, 7), notDue},
      {"due: send, and look again when the shell may have kept silent",
       none,
       due,
       true,
       At(today, 7),
       {true, At(today, 7, 30)}},
      {"the user takes none: ask again in five minutes", none, due, false, At(today, 7), {false, At(today, 7, 5)}},
      {"a retry late in the evening asks after midnight",
       none,
       due,
       false,
       At(today, 23, 58),
       {false, At(tomorrow, 0, 3)}},
      {"sent, not reported yet: wait", onceAt7, due, true, At(today, 7, 10), {false, At(today, 7, 30)}},
      {"sent and not reported for half an hour: again", onceAt7, due, true, At(today, 7, 30), {true, At(today, 8)}},
      {"unreported and the user busy now: ask again in five minutes",
       onceAt7,
       due,
       false,
       At(today, 7, 40),
       {false, At(today, 7, 45)}},
      {"the third try", twice, due, true, At(today, 8), {true, At(today, 8, 30)}},
      {"three tries unreported: none more today", thrice, due, true, At(today, 9), {false, At(tomorrow, 7)}},
      {"yesterday's tries do not count today", yesterday, due, true, At(today, 0, 5), {true, At(today, 0, 35)}},
  };
  for (const auto& row : rows)
    EXPECT_EQ(Describe(row.sent.Plan(row.decision, row.accepts, row.now)), Describe(row.expected)) << row.scenario;
}

TEST(BalloonDeliveryTest, TheReportedDayIsTheDayTheBalloonWasSentForAndIsGivenOnce) {
  BalloonSending sent;
  EXPECT_EQ(sent.Reported(kShellBalloonShown), std::nullopt) << "nothing sent";
  sent.Sent(At({2026, 12, 7}, 23, 59));
  EXPECT_EQ(sent.Reported(kShellBalloonTimedOut), std::nullopt);
  // Clicked after midnight: the balloon was the 7th's.
  EXPECT_EQ(sent.Reported(kShellBalloonClicked), CalendarDay({2026, 12, 7}));
  EXPECT_EQ(sent.Reported(kShellBalloonShown), std::nullopt);
}

}  // namespace
