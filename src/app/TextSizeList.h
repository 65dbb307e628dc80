#pragma once
// The settings window's list "본문 글자 크기": the reading page's text sizes, showing the one Vesperal.ini
// keeps. A confirmed window stores the size chosen; the next reading window opens with it.
#include <windows.h>

#include <string>

#include "base/MessageText.h"

class CTextSizeList {
 public:
  explicit CTextSizeList(std::string programDir) : m_strProgramDir(std::move(programDir)) {}

  // Fills the list of `dialog` and selects the stored size.
  void Attach(HWND dialog);
  // Stores the size chosen when it is another than the stored one. The message when it could not; else empty.
  MessageText Store() const;

 private:
  int Chosen() const;

  std::string m_strProgramDir;
  HWND m_hList = nullptr;
  int m_nStored = 0;
};
