#include "reading/ReadingTexts.h"

#include <cstdio>

#include "res/AppTitle.h"

const char kReadingAppTitle[] = VESPERAL_APP_TITLE;
const char kNoPassageText[] = "해당하는 본문내용이 없습니다.";

std::vector<std::string> PlanNoticeBoxes(const PlanNotice& notice) {
  switch (notice.problem) {
    case PlanProblem::kCannotOpen:
      return {"베스페랄본문 파일을 열 수 없습니다.", notice.file};
    case PlanProblem::kWrongYear: {
      char text[128];
      std::snprintf(text, sizeof text, "현재 베스페랄읽기 본문 파일은 %d년도 용이 아닙니다.", notice.year);
      return {text};
    }
  }
  return {};
}
