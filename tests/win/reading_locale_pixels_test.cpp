// The reading window draws a Korean day alike whatever the system's ANSI code page. The Korean run saves
// the window as reading-locale-ko.bmp in the build folder; the run under another code page draws the same day,
// saves it as reading-locale-other.bmp, and compares the page of the two pixel for pixel. ctest orders the
// two runs.
#include "ReadingDlgFixture.h"
#include "Screenshot.h"

#include <cstring>
#include <fstream>
#include <iterator>

namespace {

const char kKoreanPage[] = "reading-locale-ko.bmp";
const char kOtherPage[] = "reading-locale-other.bmp";

std::string FileBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

class ReadingLocalePixels : public ReadingDlgTest {
 protected:
  // A day with Korean in every text the page draws: year and month titles, range and verses.
  std::string DrawKoreanDay(const char* fileName) {
    WritePlan(m_year, {{3,
                        7,
                        u8"창세기 1:1-5",
                        {u8"태초에 하나님이 천지를 창조하시니라.",
                         u8"땅이 혼돈하고 공허하며 흑암이 깊음 위에 있고 하나님의 영은 수면 위에 운행하시니라.",
                         u8"하나님이 이르시되 빛이 있으라 하시니 빛이 있었고"}}});
    Open();
    PickDate(m_year, 3, 7);
    CScreenshot shot(Hwnd());
    const std::string path = ProgramFolder() + fileName;
    EXPECT_TRUE(shot.SaveBmp(path));
    return path;
  }
};

}  // namespace

TEST_F(ReadingLocalePixels, KoreanRunSavesThePage) {
  ASSERT_EQ(949u, ::GetACP()) << "the page to compare with is drawn under code page 949";
  const std::string bytes = FileBytes(DrawKoreanDay(kKoreanPage));
  EXPECT_GT(bytes.size(), 54u);
}

TEST_F(ReadingLocalePixels, OtherCodePageDrawsThePageAsTheKoreanRun) {
  ASSERT_NE(949u, ::GetACP()) << "run this under another system locale";
  const std::string korean = FileBytes(ProgramFolder() + kKoreanPage);
  ASSERT_GT(korean.size(), 54u) << "no " << kKoreanPage << ": the Korean run saves it first";
  const std::string other = FileBytes(DrawKoreanDay(kOtherPage));
  ASSERT_EQ(korean.size(), other.size());
  ASSERT_EQ(0, std::memcmp(korean.data(), other.data(), 54)) << "the pictures differ in size";
  // The page is everything above the date picker, which writes the date in the user's own format.
  int width = 0, height = 0;
  std::memcpy(&width, &korean[18], 4);
  std::memcpy(&height, &korean[22], 4);
  const int pageBottom = ItemRect(IDC_READING_DATE).top;
  int differing = 0, all = 0;
  for (int y = 0; y < pageBottom && y < height; ++y)
    for (int x = 0; x < width; ++x, ++all) {
      // Rows are stored from the bottom up, 32 bits a pixel; the fourth byte is unused.
      const size_t at = 54 + (static_cast<size_t>(height - 1 - y) * width + x) * 4;
      differing += std::memcmp(&korean[at], &other[at], 3) != 0 ? 1 : 0;
    }
  EXPECT_EQ(0, differing) << "of the page's " << all << " pixels; compare " << kKoreanPage << " with " << kOtherPage;
}
