#include "diary/DiaryUnavailable.h"

std::string DiaryUnavailable::Message() const {
  const std::string closing = "\n읽기는 일기 없이 그대로 할 수 있습니다.";
  std::string text;
  switch (reason) {
    case Reason::kNone:
      return "";
    case Reason::kCannotCreate:
      text = "일기 파일(memo.mdb)을 만들 수 없어 일기를 열지 않습니다.\n" + folder +
             " 폴더에 쓸 수 없습니다.\n폴더의 읽기 전용을 풀거나, 프로그램을 쓸 수 있는 폴더에 두고 다시 여십시오.";
      break;
    case Reason::kNotADiary:
      text = "일기를 열지 않습니다. " + path +
             " 파일은 이 프로그램의 일기 파일이 아닙니다. 파일은 바꾸지 않았습니다.\n"
             "그 파일을 다른 곳으로 옮기면 다음에 새 일기를 만듭니다.";
      break;
    case Reason::kFileFault:
      text = "일기를 열지 않습니다. " + DescribeEngineFault(fault, path);
      if (fault != EngineFault::kDamaged && fault != EngineFault::kTooMuchWork) text += "\n파일은 바꾸지 않았습니다.";
      break;
  }
  text += closing;
  if (!engineText.empty()) text += "\n" + engineText;
  return text;
}
