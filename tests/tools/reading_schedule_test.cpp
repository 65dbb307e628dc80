// Schedules over a Bible outline: chapters balanced by verse count, the dates of a year, range texts, and the
// schedule file read line by line.
#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "ModulePlan.h"
#include "RangeText.h"
#include "ReadingSchedule.h"
#include "ScheduleFile.h"
#include "SourceError.h"

namespace {

// A book whose chapters hold every verse from 1 to the given last verse.
BibleBook Book(const std::string& name, int testament, const std::vector<int>& lastVerses) {
  BibleBook book{name, testament, 1, {}};
  for (int last : lastVerses) {
    BibleChapter chapter{last, {}};
    for (int v = 1; v <= last; ++v) chapter.verses.push_back(v);
    book.chapters.push_back(chapter);
  }
  return book;
}

// Two small books of each testament.
BibleOutline SmallBible() {
  return {{Book("창세기", 1, {31, 25, 24}), Book("출애굽기", 1, {22, 25}), Book("마태복음", 2, {25, 23}),
           Book("유다서", 2, {25})}};
}

struct BalanceCase {
  const char* name;
  std::vector<int> weights;
  int days;
  bool allowEmpty;
  std::vector<size_t> starts;
};

class Balance : public ::testing::TestWithParam<BalanceCase> {};

TEST_P(Balance, CutsWholeChaptersNearTheMean) {
  const BalanceCase& c = GetParam();
  const double mean = [&] {
    double sum = 0;
    for (int w : c.weights) sum += w;
    return sum / c.days;
  }();
  EXPECT_EQ(BalanceChapters(c.weights, std::vector<double>(c.days, mean), c.allowEmpty), c.starts);
}

INSTANTIATE_TEST_SUITE_P(Cases, Balance,
                         ::testing::Values(BalanceCase{"even", {5, 5, 5, 5}, 2, false, {0, 2, 4}},
                                           BalanceCase{"oneDayTakesAll", {3, 4, 5}, 1, false, {0, 3}},
                                           BalanceCase{"chapterPerDay", {1, 9, 30}, 3, false, {0, 1, 2, 3}},
                                           // 10 10 | 20 beats 10 | 10 20 and the lone big chapter is not split.
                                           BalanceCase{"bigChapterAlone", {10, 10, 40, 10, 10}, 3, false, {0, 2, 3, 5}},
                                           BalanceCase{"smallOnesGather", {2, 2, 2, 2, 2, 10}, 2, false, {0, 5, 6}},
                                           BalanceCase{
                                               "emptyDaysSpreadOut", {10, 10, 10}, 5, true, {0, 1, 1, 2, 2, 3}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Balance, RefusesWhatCannotBeSpread) {
  EXPECT_THROW(BalanceChapters({5, 5}, {5, 5, 5}, false), std::invalid_argument);
  EXPECT_THROW(BalanceChapters({5, 5}, {}, true), std::invalid_argument);
}

TEST(Schedule, DatesOfYearHaveTheLeapDayOnlyInLeapYears) {
  for (const auto& [year, leap] :
       std::vector<std::pair<int, bool>>{{2024, true}, {2026, false}, {2000, true}, {2100, false}}) {
    const std::vector<ScheduleDay> dates = DatesOfYear(year);
    int leapDays = 0;
    for (const ScheduleDay& d : dates) leapDays += d.month == 2 && d.day == 29;
    EXPECT_EQ(dates.size(), leap ? 366u : 365u) << year;
    EXPECT_EQ(leapDays, leap ? 1 : 0) << year;
    EXPECT_EQ(dates.front().month * 100 + dates.front().day, 101) << year;
    EXPECT_EQ(dates.back().month * 100 + dates.back().day, 1231) << year;
  }
}

TEST(Schedule, ParallelReadsOldThenNewAndEachOnce) {
  const BibleOutline bible = SmallBible();
  // Eight chapters over a year: most days are empty, and no chapter is read twice or out of order.
  const Schedule schedule = MakeSchedule(bible, ScheduleKind::Parallel, 2026);
  std::vector<VerseAt> oldVerses, newVerses;
  for (const ScheduleDay& day : schedule) {
    bool newSeen = false;
    for (const Passage& p : day.passages) {
      const bool isNew = bible.books[p.book].testament == 2;
      EXPECT_FALSE(newSeen && !isNew) << day.month << "/" << day.day << ": the Old Testament comes first";
      newSeen = newSeen || isNew;
      for (const VerseAt& v : VersesOf(bible, p)) (isNew ? newVerses : oldVerses).push_back(v);
    }
  }
  std::vector<VerseAt> expectedOld, expectedNew;
  for (int b = 0; b < 4; ++b)
    for (const VerseAt& v : VersesOf(bible, {b, 1, 1, static_cast<int>(bible.books[b].chapters.size()),
                                             bible.books[b].chapters.back().lastVerse}))
      (b < 2 ? expectedOld : expectedNew).push_back(v);
  EXPECT_EQ(oldVerses, expectedOld);
  EXPECT_EQ(newVerses, expectedNew);
}

struct RangeCase {
  std::vector<Passage> passages;
  const char* text;
};

TEST(RangeText, NamesWholeChaptersAndVerseSpans) {
  const BibleOutline bible = SmallBible();
  const std::vector<RangeCase> cases = {
      {{{0, 1, 1, 3, 24}}, "창세기 1-3장"},
      {{{0, 2, 1, 2, 25}}, "창세기 2장"},
      {{{3, 1, 1, 1, 25}}, "유다서 1장"},
      {{{0, 1, 1, 1, 5}}, "창세기 1:1-5"},
      {{{2, 2, 16, 2, 16}}, "마태복음 2:16"},
      {{{0, 1, 5, 2, 3}}, "창세기 1:5-2:3"},
      {{{0, 1, 1, 2, 24}}, "창세기 1:1-2:24"},  // 2:25 is missing: not the whole chapter
      {{{0, 3, 1, 3, 24}, {1, 1, 1, 2, 25}, {2, 1, 1, 1, 25}}, "창세기 3장, 출애굽기 1-2장, 마태복음 1장"},
  };
  for (const RangeCase& c : cases) EXPECT_EQ(RangeText(bible, c.passages), c.text);
}

// Resolves "B C" (book index, whole chapter) and fails on anything else.
class FakeResolver : public ReferenceResolver {
 public:
  std::vector<Passage> Resolve(const std::string& references) override {
    std::istringstream in(references);
    int book = 0, chapter = 0;
    std::string rest;
    if (!(in >> book >> chapter) || (in >> rest)) throw ReferenceError("cannot read \"" + references + "\"");
    return {{book, chapter, 1, chapter, 99}};
  }
};

TEST(ScheduleFile, ReadsDaysInDateOrder) {
  std::istringstream in(
      "\xEF\xBB\xBF# 읽기표\r\n"
      "\n"
      "2 29 0 2\r\n"
      "  1  1   0 1  \n"
      "12 31\t2 1\n");
  FakeResolver resolver;
  const Schedule days = ParseScheduleFile(in, "s.txt", resolver);
  ASSERT_EQ(days.size(), 3u);
  EXPECT_EQ((std::vector<int>{days[0].month * 100 + days[0].day, days[1].month * 100 + days[1].day,
                              days[2].month * 100 + days[2].day}),
            (std::vector<int>{101, 229, 1231}));
  EXPECT_EQ(days[0].passages, (std::vector<Passage>{{0, 1, 1, 1, 99}}));
  EXPECT_EQ(days[0].line, 4);
  EXPECT_EQ(days[2].passages, (std::vector<Passage>{{2, 1, 1, 1, 99}}));
}

struct ScheduleFault {
  const char* text;
  int line;
  const char* reason;
};

class ScheduleFileFault : public ::testing::TestWithParam<ScheduleFault> {};

TEST_P(ScheduleFileFault, StopsAtItsLine) {
  std::istringstream in(GetParam().text);
  FakeResolver resolver;
  try {
    ParseScheduleFile(in, "plan.txt", resolver);
    FAIL() << "accepted " << GetParam().text;
  } catch (const SourceError& e) {
    EXPECT_EQ(e.File(), "plan.txt");
    EXPECT_EQ(e.Line(), GetParam().line);
    EXPECT_NE(std::string(e.what()).find(GetParam().reason), std::string::npos) << e.what();
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, ScheduleFileFault,
                         ::testing::Values(ScheduleFault{"1 1 0 1\n13 1 0 2\n", 2, "month 1 to 12"},
                                           ScheduleFault{"0 1 0 1\n", 1, "month 1 to 12"},
                                           ScheduleFault{"# x\n2 30 0 1\n", 2, "day of month 2"},
                                           ScheduleFault{"4 31 0 1\n", 1, "day of month 4"},
                                           ScheduleFault{"1 1x 0 1\n", 1, "day of month 1"},
                                           ScheduleFault{"1 2 0 1\n\n1 2 0 3\n", 3, "appears twice (first at line 1)"},
                                           ScheduleFault{"1 2\n", 1, "has no reference"},
                                           ScheduleFault{"1 2 0 1\n1 3 창세기 일\n", 2, "cannot read"},
                                           ScheduleFault{"1 2 0 1\xFF\n", 1, "bad UTF-8"},
                                           ScheduleFault{"창세기 1\n", 1, "month 1 to 12"}));

struct TextCase {
  const char* raw;
  const char* shown;
};

TEST(ShowableText, FoldsBlanksAndKeepsEveryCharacter) {
  const std::vector<TextCase> cases = {
      {"  In the beginning\n  God\tcreated. ", "In the beginning God created."},
      {"who walk\r\nin the law", "who walk in the law"},
      {"live forever\xE2\x80\x94\xE2\x80\x9D", "live forever\xE2\x80\x95\xE2\x80\x9D"},  // em dash, quote kept
      {"\xC2\xB6 These are", "\xC2\xB6 These are"},                                      // pilcrow is in it
      {"a\xC2\xA0"
       "b\x01"
       "c",
       "a bc"},
      {"Adam\xE1\xBA\x9E", "Adam\xE1\xBA\x9E"},                            // capital sharp s, outside code page 949
      {"\xF0\x9F\x99\x8F \xE3\x90\x80", "\xF0\x9F\x99\x8F \xE3\x90\x80"},  // an emoji, a Hanja of Extension A
      {"a\xFF"
       "b\xE3\x90",
       "a?b??"},  // bytes that are not UTF-8
      {" \n ", ""},
  };
  for (const TextCase& c : cases) EXPECT_EQ(ShowableText(c.raw), c.shown) << c.raw;
}

// Reads verses as "chapter:verse", or nothing for verse 2 of every chapter.
class NumberedVerses : public VerseReader {
 public:
  std::string PlainText(const VerseAt& v) override {
    return v.verse == 2 ? "" : std::to_string(v.chapter) + ":" + std::to_string(v.verse);
  }
};

TEST(ModulePlan, DaysCarryRangeTextVersesAndTitles) {
  const BibleOutline bible = SmallBible();
  Schedule schedule = {{1, 1, {{0, 1, 30, 2, 3}}, 0}, {1, 2, {}, 0}, {2, 29, {{3, 1, 2, 1, 2}}, 0}};
  NumberedVerses reader;
  const PlanSource plan = MakeModulePlan(schedule, bible, reader, {"{year} 성경", "{month}월 / {month}"});
  EXPECT_EQ(plan.yearTitle, "{year} 성경");
  ASSERT_EQ(plan.months.size(), 12u);
  EXPECT_EQ(plan.months[10].title, "11월 / 11");
  // 1/2 has no passage and 2/29 only an empty verse: neither becomes a day.
  ASSERT_EQ(plan.days.size(), 1u);
  EXPECT_EQ(plan.days[0].range, "창세기 1:30-2:3");
  std::vector<std::string> verses;
  for (const PlanVerse& v : plan.days[0].verses) verses.push_back(v.number + "=" + v.text);
  EXPECT_EQ(verses, (std::vector<std::string>{"30=1:30", "31=1:31", "1=2:1", "3=2:3"}));
}

}  // namespace
