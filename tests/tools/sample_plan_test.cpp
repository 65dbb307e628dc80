// The committed sample plan: what its generator promises, and that it is the generator's output.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "PlanSource.h"

namespace {

const std::string kSample = std::string(VESPERAL_SOURCE_DIR) + "/samples/sample-plan.txt";

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// Columns of text the parser accepted, as the reading page estimates them: ASCII one, any other character two.
size_t EstimatedColumns(const std::string& utf8) {
  size_t length = 0;
  for (unsigned char c : utf8)
    if (c < 0x80)
      length += 1;
    else if ((c & 0xC0) == 0xC0)
      length += 2;
  return length;
}

TEST(SamplePlan, CoversTheYearWithOneDayWithoutPassagePerMonth) {
  std::ifstream in(kSample, std::ios::binary);
  ASSERT_TRUE(in) << kSample;
  const PlanSource plan = ParsePlanSource(in, kSample);

  EXPECT_NE(plan.yearTitle.find("{year}"), std::string::npos);
  ASSERT_EQ(plan.months.size(), 12u);
  std::map<int, int> daysPerMonth;
  bool leapDay = false, ampersand = false;
  size_t longVerses = 0, longestDay = 0;
  for (const PlanDay& day : plan.days) {
    ++daysPerMonth[day.month];
    leapDay |= day.month == 2 && day.day == 29;
    longestDay = std::max(longestDay, day.verses.size());
    for (const PlanVerse& verse : day.verses) {
      ampersand |= verse.text.find('&') != std::string::npos;
      longVerses += EstimatedColumns(verse.text) > 3 * 74;
    }
  }
  for (int month = 1; month <= 12; ++month)
    EXPECT_EQ(daysPerMonth[month], DaysInMonth(month, 2000) - 1) << "month " << month;
  EXPECT_TRUE(leapDay);
  EXPECT_TRUE(ampersand);
  EXPECT_GE(longestDay, 30u);
  EXPECT_GT(longVerses, 0u);
  EXPECT_LT(ReadAll(kSample).size(), 1500u * 1024);
}

TEST(SamplePlan, IsTheGeneratorsOutput) {
  const std::string fresh = ::testing::TempDir() + "sample-plan-fresh.txt";
  const std::string command =
      "python3 " + std::string(VESPERAL_SOURCE_DIR) + "/tools/plancompile/make_sample.py " + fresh + " >/dev/null";
  ASSERT_EQ(std::system(command.c_str()), 0);
  EXPECT_TRUE(ReadAll(fresh) == ReadAll(kSample)) << "run tools/plancompile/make_sample.py and commit the result";
  std::remove(fresh.c_str());
}

}  // namespace
