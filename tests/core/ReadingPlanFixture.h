#pragma once
// A reading plan over a temporary program folder, with a view that records what the lookup asks of the
// window.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "PlanTestDir.h"
#include "reading/ReadingPlan.h"
#include "reading/ReadingView.h"

class RecordingView : public IReadingView {
 public:
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  void SetTitle(const std::string& title) override { titles.push_back(title); }
  void ResetScrollBar(int maxPos) override { scrollMax.push_back(maxPos); }
  void SetDateRange(int firstYear, int lastYear) override { ranges.emplace_back(firstYear, lastYear); }
  void OnDayLoaded() override { ++daysLoaded; }

  std::vector<std::string> messages, titles;
  std::vector<int> scrollMax;
  std::vector<std::pair<int, int>> ranges;
  int daysLoaded = 0;
};

class ReadingPlanTest : public ::testing::Test {
 protected:
  // Opens the plan of `year` as the window's initialisation does.
  bool Start(int year) {
    m_plan.m_strProgramDir = m_dir.ProgramDir();
    m_plan.m_nYear = m_plan.m_nFileYear = year;
    m_plan.m_nMonth = m_plan.m_nDay = 1;
    return m_plan.OpenPlanFile(true);
  }
  bool Show(int year, int month, int day) {
    m_plan.m_nYear = year;
    m_plan.m_nMonth = month;
    m_plan.m_nDay = day;
    return m_plan.LookUpDay();
  }
  std::vector<std::string> Bodies() const {
    std::vector<std::string> bodies;
    for (int i = 0; i < m_plan.m_nVerseCount; ++i) bodies.push_back(m_plan.m_verses[i].strBody);
    return bodies;
  }
  std::vector<std::string> Numbers() const {
    std::vector<std::string> numbers;
    for (int i = 0; i < m_plan.m_nVerseCount; ++i) numbers.push_back(m_plan.m_verses[i].szVerse);
    return numbers;
  }

  PlanTestDir m_dir;
  RecordingView m_view;
  CReadingPlan m_plan{m_view};
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
