#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reading/DayText.h"

namespace {

ReadingDay Day(const std::string& range, const std::vector<std::pair<std::string, std::string>>& verses) {
  ReadingDay day;
  day.strRange = range;
  day.bHasPassage = !verses.empty();
  for (const auto& [number, body] : verses) {
    VerseEntry& entry = day.verses.emplace_back();
    number.copy(entry.szVerse, sizeof entry.szVerse - 1);
    entry.strBody = body;
  }
  if (verses.empty()) day.verses.emplace_back();  // a day without a reading holds one empty entry
  return day;
}

}  // namespace

TEST(DayText, RangeThenNumberedVersesWithWindowsLineEnds) {
  const std::string none = u8"해당하는 본문내용이 없습니다.";
  const struct {
    const char* name;
    ReadingDay day;
    std::string verses, plain;
  } rows[] = {
      {"range and verses", Day(u8"창세기 1장", {{"1", u8"태초에"}, {"2", "B & C"}}), u8"1 태초에\r\n2 B & C",
       u8"창세기 1장\r\n1 태초에\r\n2 B & C"},
      {"line breaks of every kind inside a verse", Day("R", {{"9", "a\nb\r\nc\rd"}}), "9 a\r\nb\r\nc\r\nd",
       "R\r\n9 a\r\nb\r\nc\r\nd"},
      {"a verse without a number", Day("R", {{"", "body"}}), "body", "R\r\nbody"},
      {"a reading without a range", Day("", {{"1", "x"}}), "1 x", "1 x"},
      {"a day without a reading", Day("", {}), none, none},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(DayVersesText(row.day, none), row.verses);
    EXPECT_EQ(DayPlainText(row.day, none), row.plain);
  }
}
