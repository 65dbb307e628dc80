// The reading window over a diary of the older program (a Jet memo.mdb): the diary store brings it over
// (its rules are pinned by the core tests); the window tells it once, after opening, as information.
#include "ReadingDlgFixture.h"
#include "core/JetTestTables.h"

TEST_F(ReadingDlgTest, AnOlderDiaryBroughtOverIsToldOnce) {
  WriteDatedPlan(m_year, {{1, 1}});
  jet_writer::FileSpec spec;
  spec.version = 3;
  spec.tables = {jet_test::Diary(3)};
  TestFiles::Write(m_dir.ProgramDir() + "memo.mdb", jet_writer::Write(spec).bytes);

  Open();
  ASSERT_EQ(m_boxes.Boxes().size(), 1u) << BoxTexts();
  const auto& box = m_boxes.Boxes()[0];
  EXPECT_NE(box.text.find(u8"기도노트 3개를 모두 옮겼습니다."), std::string::npos) << box.text;
  EXPECT_NE(box.text.find(m_dir.ProgramDir() + "memo-jet.mdb"), std::string::npos) << box.text;
  EXPECT_EQ(box.type & MB_ICONMASK, static_cast<UINT>(MB_ICONINFORMATION));

  m_dlg.reset();
  m_boxes.Clear();
  Open();
  EXPECT_TRUE(m_boxes.Boxes().empty()) << BoxTexts();
}
