#pragma once
// A reading plan over a temporary program folder; the notices of every opening and lookup are kept in
// order, as the words of the message boxes the window would show.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "PlanTestDir.h"
#include "reading/ReadingPlan.h"
#include "reading/ReadingTexts.h"
#include "res/TextIds.h"

class ReadingPlanTest : public ::testing::Test {
 protected:
  // Opens the plan of `year` as the window's initialisation does.
  bool Start(int year) {
    m_plan = std::make_unique<CReadingPlan>(m_dir.ProgramDir());
    const PlanOpening opening = m_plan->OpenPlanFile(year, true);
    Keep(opening.notices);
    return opening.bOpened;
  }
  const ReadingDay& Show(int year, int month, int day) {
    DayLookup lookup = m_plan->LookUpDay(year, month, day);
    Keep(lookup.notices);
    m_day = std::move(lookup.day);
    return m_day;
  }
  std::vector<std::string> Bodies() const {
    std::vector<std::string> bodies;
    for (const VerseEntry& verse : m_day.verses) bodies.push_back(verse.strBody);
    return bodies;
  }
  std::vector<std::string> Numbers() const {
    std::vector<std::string> numbers;
    for (const VerseEntry& verse : m_day.verses) numbers.push_back(verse.szVerse);
    return numbers;
  }

  PlanTestDir m_dir;
  std::unique_ptr<CReadingPlan> m_plan;
  ReadingDay m_day;
  std::vector<std::string> m_messages;

 private:
  // The string table's plan-file texts, as the window loads them (the window tests read them from the
  // program's own string table).
  static std::string PlanText(int id) {
    if (id == IDS_PLAN_CANNOT_OPEN) return "베스페랄본문 파일을 열 수 없습니다.";
    if (id == IDS_PLAN_WRONG_YEAR) return "현재 베스페랄읽기 본문 파일은 %s년도 용이 아닙니다.";
    if (id == IDS_PLAN_CAUSE_DAMAGED) return "<damaged>";
    if (id == IDS_PLAN_CAUSE_TOO_MUCH_WORK) return "<too much work>";
    if (id == IDS_PLAN_CAUSE_UNREADABLE) return "<unreadable>";
    return "";
  }
  void Keep(const std::vector<PlanNotice>& notices) {
    for (const PlanNotice& notice : notices)
      for (const MessageText& text : PlanNoticeBoxes(notice)) m_messages.push_back(text.Render(PlanText));
  }
};

// A year with January 1 and 2 and December 31; every verse names its year and day.
inline std::string SmallYear(int year) {
  const std::string y = std::to_string(year);
  return "INSERT INTO YEAR VALUES(" + y + u8", '" + y +
         u8"년 읽기');"
         u8"INSERT INTO MONTH VALUES(1, '" +
         y + u8" 1월 제목'), (12, '" + y +
         u8" 12월 제목');"
         u8"INSERT INTO DAYRANGE VALUES(1, 1, 101, '창세기 1:1-2'), (1, 2, 102, '창세기 2:1'),"
         u8" (12, 31, 1231, '요한계시록 22:1');"
         u8"INSERT INTO DAY VALUES(101, 1, '1', '" +
         y + u8" 1월 1일 첫 절'), (101, 2, '2', '" + y + u8" 1월 1일 둘째 절'), (102, 1, '1', '" + y +
         u8" 1월 2일'), (1231, 1, '1', '" + y + u8" 12월 31일');";
}
