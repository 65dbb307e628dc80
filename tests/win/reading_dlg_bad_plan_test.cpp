// The reading window when a year has no usable plan file (missing at start, missing when stepped into, or
// made for another year): the page says there is no passage, the date column follows the picker, each file's
// message comes once, a year whose file is there is shown, and no plan file is changed.
#include <cstdio>
#include <filesystem>
#include <functional>
#include <map>
#include <ostream>
#include <memory>

#include "ReadingDlgFixture.h"
#include "ui/WideText.h"
#include "Screenshot.h"

namespace {

constexpr COLORREF kGrey = RGB(128, 128, 128);
constexpr COLORREF kWhite = RGB(255, 255, 255);
const char kCannotOpen[] = "베스페랄본문 파일을 열 수 없습니다.";

std::string NumberWithWord(int number, const char* format) {
  char text[32];
  std::snprintf(text, sizeof text, format, number);
  return text;
}

// The pixels of `area` that differ between two pictures.
int Differences(const CPixelSurface& a, const CPixelSurface& b, const RECT& area) {
  int n = 0;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x) n += a.Pixel(x, y) != b.Pixel(x, y) ? 1 : 0;
  return n;
}

enum class Move { kPick, kNext, kPrev };

struct Step {
  Move move;
  int year, month, day;   // the date picked, or the date the step must reach
  const char* firstBody;  // UTF-8; null for the no-passage page
  size_t boxesSoFar;
};

struct BadPlanRow {
  const char* name;
  // Writes the plan files before the window opens (offset: years from this year).
  std::vector<std::pair<int, bool>> files;  // (offset, holds its own year's plan)
  int removedAfterOpen;                     // offset of a file removed once the window runs, or 0 for none
  size_t boxesAtOpen;
  std::vector<Step> steps;
  // The message boxes in order, as (offset of the file, wrong year) pairs.
  std::vector<std::pair<int, bool>> told;
};

class ReadingBadPlanTest : public ReadingDlgTest {
 protected:
  // All plan files of the folder with their bytes.
  std::map<std::string, std::string> PlanBytes() const {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(TestFiles::FsPath(m_dir.ProgramDir())))
      if (entry.path().extension() == ".dat")
        files[entry.path().filename().u8string()] =
            TestFiles::Read(m_dir.ProgramDir() + entry.path().filename().string());
    return files;
  }

  int LineHeight() const {
    CWindowDC dc(Hwnd());
    CSelectGuard font(dc.Get(), reinterpret_cast<HFONT>(::SendMessageW(Hwnd(), WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(dc.Get(), &metrics);
    return metrics.tmHeight + metrics.tmExternalLeading;
  }

  // Pixels of the date column on screen that differ from the column drawn for the date.
  int DateColumnDifferences(int year, int month, int day) {
    CScreenshot shot(Hwnd());
    CPixelSurface expected(shot.Width(), shot.Height(), kGrey);
    CSelectGuard font(expected.Dc(), reinterpret_cast<HFONT>(::SendMessageW(Hwnd(), WM_GETFONT, 0, 0)));
    ::SetTextColor(expected.Dc(), kWhite);
    ::SetBkColor(expected.Dc(), kGrey);
    ::SetTextAlign(expected.Dc(), TA_RIGHT | TA_TOP);
    const std::wstring lines[] = {Widen(NumberWithWord(year, "%d년")), Widen(NumberWithWord(month, "%d월")),
                                  Widen(NumberWithWord(day, "%d일"))};
    for (int i = 0; i < 3; ++i)
      ::TextOutW(expected.Dc(), 65, 20 + 20 * i, lines[i].c_str(), static_cast<int>(lines[i].size()));
    return Differences(shot, expected, RECT{15, 15, 75, 60 + LineHeight()});
  }
};

// Offsets in years from this year; today's date is never used, so that the rows do not depend on it.
const BadPlanRow kRows[] = {
    {"MissingAtStart",
     {},
     0,
     2,
     {{Move::kPick, 0, 3, 7, nullptr, 2}, {Move::kNext, 0, 3, 8, nullptr, 2}, {Move::kPrev, 0, 3, 7, nullptr, 2}},
     {{0, false}}},
    {"MissingAtStartBesideYearsThatAreThere",
     {{-1, true}, {1, true}},
     0,
     2,
     {{Move::kPick, 1, 1, 1, "verse of +1-1-1", 2},
      {Move::kPrev, 0, 12, 31, nullptr, 2},
      {Move::kNext, 1, 1, 1, "verse of +1-1-1", 2},
      {Move::kPick, -1, 12, 31, "verse of -1-12-31", 2}},
     {{0, false}}},
    {"MissingWhenSteppedIntoAndBack",
     {{0, true}, {1, true}},
     1,
     0,
     {{Move::kPick, 0, 12, 31, "verse of +0-12-31", 0},
      {Move::kNext, 1, 1, 1, nullptr, 2},
      {Move::kNext, 1, 1, 2, nullptr, 2},
      {Move::kPrev, 1, 1, 1, nullptr, 2},
      {Move::kPrev, 0, 12, 31, "verse of +0-12-31", 2},
      {Move::kNext, 1, 1, 1, nullptr, 2}},
     {{1, false}}},
    {"MadeForAnotherYear",
     {{0, false}},
     0,
     1,
     {{Move::kPick, 0, 3, 7, nullptr, 1}, {Move::kNext, 0, 3, 8, nullptr, 1}, {Move::kNext, 0, 3, 9, nullptr, 1}},
     {{0, true}}},
    {"MadeForAnotherYearSteppedIntoAndBack",
     {{0, true}, {1, false}},
     0,
     0,
     {{Move::kPick, 0, 12, 31, "verse of +0-12-31", 0},
      {Move::kNext, 1, 1, 1, nullptr, 1},
      {Move::kNext, 1, 1, 2, nullptr, 1},
      {Move::kPrev, 1, 1, 1, nullptr, 1},
      {Move::kPrev, 0, 12, 31, "verse of +0-12-31", 1}},
     {{1, true}}},
};

// Rows are named by their name in failure messages.
void PrintTo(const BadPlanRow& row, std::ostream* out) { *out << row.name; }

class BadPlanRows : public ReadingBadPlanTest, public ::testing::WithParamInterface<BadPlanRow> {};

// "verse of +N-M-D" names a date by its year offset; the plan's own text has the date key.
std::string ExpectedBody(const char* pattern, int year) {
  int offset = 0, month = 0, day = 0;
  std::sscanf(pattern, "verse of %d-%d-%d", &offset, &month, &day);
  char key[16];
  std::snprintf(key, sizeof key, "%04d%02d%02d", year + offset, month, day);
  return std::string("verse of ") + key;
}

TEST_P(BadPlanRows, PageSaysNoPassageDateColumnFollowsThePickerAndEachFileIsToldOnce) {
  const BadPlanRow& row = GetParam();
  // Every day of the plans that the steps visit has a verse naming its date.
  const std::vector<std::pair<int, int>> days = {{1, 1}, {1, 2}, {3, 7}, {3, 8}, {3, 9}, {12, 31}};
  for (auto [offset, ownYear] : row.files) {
    const int year = m_year + offset;
    if (ownYear) {
      WriteDatedPlan(year, days);
    } else {
      std::vector<PlanDay> plan;
      for (auto [month, day] : days) plan.push_back({month, day, "r", {"another year's verse"}});
      m_dir.WritePlan(year, PlanSql(year - 1, plan));  // YEAR says the year before
    }
  }
  const auto before = PlanBytes();

  Open();
  ASSERT_TRUE(::IsWindowVisible(Hwnd()));
  if (row.removedAfterOpen) {
    m_dir.Remove(std::to_string(m_year + row.removedAfterOpen) + ".dat");
  }
  EXPECT_EQ(row.boxesAtOpen, m_boxes.Boxes().size()) << BoxTexts();

  for (const Step& step : row.steps) {
    const int year = m_year + step.year;
    SCOPED_TRACE(DateKey(year, step.month, step.day));
    if (step.move == Move::kPick) PickDate(year, step.month, step.day);
    if (step.move != Move::kPick) {
      ::SendMessageW(Item(step.move == Move::kNext ? IDC_NEXT_DAY : IDC_PREV_DAY), BM_CLICK, 0, 0);
      Settle();
    }
    const SYSTEMTIME picker = GetPickerTime(Item(IDC_READING_DATE));
    ASSERT_TRUE(IsSameDate(picker, year, step.month, step.day));
    EXPECT_EQ(year, Shown().date.year);
    EXPECT_EQ(step.month, Shown().date.month);
    EXPECT_EQ(step.day, Shown().date.day);
    EXPECT_EQ(0, DateColumnDifferences(year, step.month, step.day)) << "the date column shows another date";
    EXPECT_EQ("베스페랄읽기 - " + std::to_string(year), Title());
    ASSERT_GE(Shown().VerseCount(), 1);
    if (step.firstBody) {
      EXPECT_EQ(ExpectedBody(step.firstBody, m_year), ShownBody(0));
    } else {
      EXPECT_EQ(1, Shown().VerseCount());
      EXPECT_FALSE(Shown().bHasPassage);
      EXPECT_EQ("", Shown().strRange);
      EXPECT_EQ("", Shown().strYearTitle);
      CScreenshot shot(Hwnd());
      EXPECT_GT(shot.CountInk(RECT{80, 80, shot.Width() - 31, 100}), 20) << "the no-passage text is drawn";
      EXPECT_EQ(0, shot.CountInk(RECT{80, 20, shot.Width() - 31, 74})) << "no titles or range of another year";
    }
    EXPECT_EQ(step.boxesSoFar, m_boxes.Boxes().size()) << BoxTexts();
  }

  std::vector<std::string> expected;
  for (auto [offset, wrongYear] : row.told) {
    const int year = m_year + offset;
    if (wrongYear) {
      expected.push_back("현재 베스페랄읽기 본문 파일은 " + std::to_string(year) + "년도 용이 아닙니다.");
    } else {
      expected.push_back(kCannotOpen);
      expected.push_back(m_dir.ProgramDir() + std::to_string(year) + ".dat");
    }
  }
  std::vector<std::string> shown;
  for (const auto& box : m_boxes.Boxes()) {
    shown.push_back(box.text);
    EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION), box.type);
  }
  EXPECT_EQ(expected, shown);

  auto after = PlanBytes();
  if (row.removedAfterOpen)
    after[std::to_string(m_year + row.removedAfterOpen) + ".dat"] =
        before.at(std::to_string(m_year + row.removedAfterOpen) + ".dat");
  EXPECT_TRUE(before == after) << "a plan file was changed";
}

INSTANTIATE_TEST_SUITE_P(Rows, BadPlanRows, ::testing::ValuesIn(kRows),
                         [](const ::testing::TestParamInfo<BadPlanRow>& info) { return std::string(info.param.name); });

TEST_F(ReadingBadPlanTest, AMissingPlanDayLooksSo) {
  Open();
  PickDate(m_year, 3, 8);
  CScreenshot shot(Hwnd());
  shot.SaveBmp(ProgramFolder() + "reading-missing-plan.bmp");
  EXPECT_GT(shot.CountInk(RECT{80, 80, shot.Width() - 31, 100}), 20);
  EXPECT_EQ(0, DateColumnDifferences(m_year, 3, 8));
  // Without a range found at start, both day buttons stay usable.
  EXPECT_TRUE(::IsWindowEnabled(Item(IDC_PREV_DAY)));
  EXPECT_TRUE(::IsWindowEnabled(Item(IDC_NEXT_DAY)));
}

}  // namespace
