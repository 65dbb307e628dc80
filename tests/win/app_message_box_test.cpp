// The application's message box: caption, default icon and the answer.
#include <gtest/gtest.h>
#include <windows.h>

#include "WinTestSupport.h"
#include "ui/AppMessageBox.h"

namespace {

UINT ShownType(UINT requested) {
  CMessageBoxRecorder recorder;
  AppMessageBox(nullptr, "x", requested);
  return recorder.Boxes().at(0).type;
}

TEST(AppMessageBoxTest, ExclamationIsAddedOnlyToTheFourKindsWithoutIcon) {
  EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION), ShownType(MB_OK));
  EXPECT_EQ(static_cast<UINT>(MB_OKCANCEL | MB_ICONEXCLAMATION), ShownType(MB_OKCANCEL));
  EXPECT_EQ(static_cast<UINT>(MB_YESNO | MB_ICONEXCLAMATION), ShownType(MB_YESNO));
  EXPECT_EQ(static_cast<UINT>(MB_YESNOCANCEL | MB_ICONEXCLAMATION | MB_DEFBUTTON2),
            ShownType(MB_YESNOCANCEL | MB_DEFBUTTON2));
  EXPECT_EQ(static_cast<UINT>(MB_RETRYCANCEL), ShownType(MB_RETRYCANCEL));
  EXPECT_EQ(static_cast<UINT>(MB_ABORTRETRYIGNORE), ShownType(MB_ABORTRETRYIGNORE));
  EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONSTOP), ShownType(MB_OK | MB_ICONSTOP));
  EXPECT_EQ(static_cast<UINT>(MB_YESNO | MB_ICONQUESTION), ShownType(MB_YESNO | MB_ICONQUESTION));
}

TEST(AppMessageBoxTest, CaptionIsTheApplicationTitleAndTheAnswerIsReturned) {
  CMessageBoxRecorder recorder(IDNO);
  EXPECT_EQ(IDNO, AppMessageBox(nullptr, "일기를 지울까요?", MB_YESNO));
  ASSERT_EQ(1u, recorder.Boxes().size());
  EXPECT_EQ("일기를 지울까요?", recorder.Boxes()[0].text);
  EXPECT_EQ("베스페랄읽기", recorder.Boxes()[0].caption);
}

}  // namespace
