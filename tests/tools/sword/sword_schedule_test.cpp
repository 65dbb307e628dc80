// Schedules over the installed test module (scripts/setup.sh installs it): generated years read every verse
// once, in order and balanced; a schedule file names exactly the verses of its references, in English or
// Korean book names, and a reference the module lacks stops at its line.
#include <gtest/gtest.h>
#include <swmgr.h>
#include <swmodule.h>
#include <versekey.h>

#include <memory>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "ReadingSchedule.h"
#include "ScheduleFile.h"
#include "SourceError.h"
#include "SwordBible.h"

namespace {

constexpr const char* kTestModule = "KJV";  // found by its abbreviation; the module is engKJV2006eb

using VerseId = std::tuple<int, int, int, int>;  // testament, book in testament, chapter, verse

// Every verse of the module with text, walked by the library itself.
std::vector<VerseId> ModuleVerses() {
  sword::SWMgr mgr;
  sword::SWModule* module = mgr.getModule("engKJV2006eb");
  if (!module) return {};
  std::unique_ptr<sword::VerseKey> key(static_cast<sword::VerseKey*>(module->createKey()));
  key->setIntros(false);
  std::vector<VerseId> verses;
  for (key->setPosition(sword::TOP); !key->popError(); key->increment())
    if (module->hasEntry(key.get()))
      verses.emplace_back(key->getTestament(), key->getBook(), key->getChapter(), key->getVerse());
  return verses;
}

class SwordSchedule : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    s_bible = new SwordBible(kTestModule);
    s_moduleVerses = new std::vector<VerseId>(ModuleVerses());
  }
  static void TearDownTestSuite() {
    delete s_bible;
    delete s_moduleVerses;
  }

  static VerseId Id(const VerseAt& v) {
    const BibleBook& book = s_bible->Outline().books.at(v.book);
    return {book.testament, book.indexInTestament, v.chapter, v.verse};
  }
  static std::vector<VerseId> Verses(const std::vector<Passage>& passages, int testament = 0) {
    std::vector<VerseId> ids;
    for (const Passage& p : passages)
      for (const VerseAt& v : VersesOf(s_bible->Outline(), p))
        if (testament == 0 || s_bible->Outline().books[v.book].testament == testament) ids.push_back(Id(v));
    return ids;
  }
  static int Chapters(const std::vector<Passage>& passages) {
    int chapters = 0;
    for (const Passage& p : passages) chapters += p.lastChapter - p.firstChapter + 1;
    return chapters;
  }

  static SwordBible* s_bible;
  static std::vector<VerseId>* s_moduleVerses;
};

SwordBible* SwordSchedule::s_bible = nullptr;
std::vector<VerseId>* SwordSchedule::s_moduleVerses = nullptr;

// The stated balance: a day of more than one chapter reads within 40 % of the mean; a day of a single chapter
// reads that chapter whole, however long (Psalm 119 has 176 verses).
constexpr double kBalance = 0.4;

TEST_F(SwordSchedule, GeneratedYearsReadEveryVerseOnceInOrderAndBalanced) {
  ASSERT_EQ(s_moduleVerses->size(), 31102u) << "the test module is the King James Version";
  for (const auto& [kind, year, leap] :
       std::vector<std::tuple<ScheduleKind, int, bool>>{{ScheduleKind::WholeBible, 2024, true},
                                                        {ScheduleKind::WholeBible, 2026, false},
                                                        {ScheduleKind::Parallel, 2028, true},
                                                        {ScheduleKind::Parallel, 2100, false}}) {
    SCOPED_TRACE("year " + std::to_string(year) + (kind == ScheduleKind::Parallel ? " parallel" : " whole"));
    const Schedule schedule = MakeSchedule(s_bible->Outline(), kind, year);
    ASSERT_EQ(schedule.size(), leap ? 366u : 365u);
    int leapDays = 0;
    std::vector<VerseId> oldRead, newRead;
    for (const ScheduleDay& day : schedule) {
      leapDays += day.month == 2 && day.day == 29;
      const std::vector<VerseId> verses = Verses(day.passages);
      const double mean = static_cast<double>(s_moduleVerses->size()) / static_cast<double>(schedule.size());
      EXPECT_FALSE(verses.empty()) << day.month << "/" << day.day;
      if (Chapters(day.passages) > 1) {
        EXPECT_GE(verses.size(), (1 - kBalance) * mean) << day.month << "/" << day.day;
        EXPECT_LE(verses.size(), (1 + kBalance) * mean) << day.month << "/" << day.day;
      }
      const std::vector<VerseId> olds = Verses(day.passages, 1), news = Verses(day.passages, 2);
      oldRead.insert(oldRead.end(), olds.begin(), olds.end());
      newRead.insert(newRead.end(), news.begin(), news.end());
    }
    EXPECT_EQ(leapDays, leap ? 1 : 0);
    std::vector<VerseId> read = oldRead;
    read.insert(read.end(), newRead.begin(), newRead.end());
    // Each testament in canonical order; the whole Bible read day after day is the module itself.
    EXPECT_TRUE(read == *s_moduleVerses);
    if (kind == ScheduleKind::WholeBible) {
      std::vector<VerseId> inDayOrder;
      for (const ScheduleDay& day : schedule) {
        const std::vector<VerseId> verses = Verses(day.passages);
        inDayOrder.insert(inDayOrder.end(), verses.begin(), verses.end());
      }
      EXPECT_TRUE(inDayOrder == *s_moduleVerses);
    }
  }
}

TEST_F(SwordSchedule, ScheduleFileGivesExactlyTheVersesOfItsReferences) {
  std::istringstream in(
      u8"# 며칠만\n"
      u8"1 1 Gen 1:1-3; 창세기 2:1\n"
      u8"2 29 Jude\n"
      u8"1 2 요 3:16, 18\n");
  const Schedule days = ParseScheduleFile(in, "days.txt", *s_bible);
  ASSERT_EQ(days.size(), 3u);
  EXPECT_EQ(Verses(days[0].passages), (std::vector<VerseId>{{1, 1, 1, 1}, {1, 1, 1, 2}, {1, 1, 1, 3}, {1, 1, 2, 1}}));
  EXPECT_EQ(Verses(days[1].passages), (std::vector<VerseId>{{2, 4, 3, 16}, {2, 4, 3, 18}}));
  const std::vector<VerseId> jude = Verses(days[2].passages);
  ASSERT_EQ(jude.size(), 25u);
  EXPECT_EQ(jude.front(), (VerseId{2, 26, 1, 1}));
  EXPECT_EQ(jude.back(), (VerseId{2, 26, 1, 25}));
}

TEST_F(SwordSchedule, EnglishAndKoreanBookNamesAreTheSame) {
  const std::vector<std::pair<const char*, const char*>> names = {
      {"Gen 1-3", u8"창세기 1-3"},        {"Matt 5:3-12", u8"마 5:3-12"},
      {"1 Cor 13", u8"고전 13"},          {"Revelation 22", u8"요한계시록 22"},
      {"Ps 23; Ps 1", u8"시 23; 시편 1"}, {"Gen 50-Exod 2", u8"창 50-출애굽기 2"}};
  for (const auto& [english, korean] : names) {
    const std::vector<Passage> passages = s_bible->Resolve(english);
    EXPECT_FALSE(passages.empty()) << english;
    EXPECT_EQ(passages, s_bible->Resolve(korean)) << english;
  }
  // A reference across books is read as one passage per book.
  EXPECT_EQ(s_bible->Resolve("Gen 50-Exod 2").size(), 2u);
}

struct BadReference {
  const char* reference;
  const char* reason;
};

TEST_F(SwordSchedule, BadReferenceStopsAtItsLine) {
  const std::vector<BadReference> cases = {
      {"Foo 3", "cannot read the reference"},
      {"Gen 51", "chapters 1 to 50, not 51"},
      {"Gen 1:40", "verses 1 to 31, not 40"},
      {"Gen 0", "not 0"},
      {u8"Gen 1-3장", "cannot read the reference"},
      {"Gen 1, Foo 2", "cannot read the reference"},
      {"Gen 3:5-3:1", "runs backwards"},
      {"Gen 1;", "empty reference"},
  };
  for (const BadReference& c : cases) {
    std::istringstream in(std::string("1 1 Gen 1\n# note\n\n1 2 ") + c.reference + "\n1 3 Gen 3\n");
    try {
      ParseScheduleFile(in, "plan.txt", *s_bible);
      ADD_FAILURE() << "accepted " << c.reference;
    } catch (const SourceError& e) {
      EXPECT_EQ(e.Line(), 4) << c.reference;
      EXPECT_EQ(std::string(e.what()).rfind("plan.txt:4: ", 0), 0u) << e.what();
      EXPECT_NE(std::string(e.what()).find(c.reason), std::string::npos) << e.what();
    }
  }
}

TEST(SwordModule, UnknownModuleIsNamed) {
  try {
    SwordBible bible("NoSuchBible");
    FAIL() << "opened a module that is not installed";
  } catch (const ModuleError& e) {
    EXPECT_STREQ(e.what(), "no SWORD module named NoSuchBible is installed");
  }
}

}  // namespace
