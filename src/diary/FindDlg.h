#pragma once
// The diary search window: the text, the fields to search, and the list of the dates whose entry holds
// the text. A double click on a date asks the session to show it, which moves the diary and the reading
// window there; the diary then selects the text. The diary window owns the object.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/DialogBase.h"

class CReadingSession;

class CFindDlg : public CDialogBase {
 public:
  // `diary` is the diary window, told of closing (WM_FIND_CLOSE); `onResultShown` runs once a chosen
  // result's day is shown; `mainWindow` gets the help command on F1.
  CFindDlg(HWND diary, CReadingSession& session, HWND mainWindow, std::function<void()> onResultShown);
  ~CFindDlg() override;

  void RunSearch();
  void ShowResult();
  // The text last searched for (or shown when the window opened).
  const std::string& SearchText() const { return m_strFind; }

 protected:
  BOOL OnInitDialog() override;
  bool OnCommand(WORD id, WORD code, HWND control) override;
  bool PreTranslateMessage(MSG& msg) override;

 private:
  void UpdateData(bool fromWindow);
  void ShowKeys(const std::vector<std::string>& keys);

  HWND m_hDiary;
  CReadingSession& m_session;
  HWND m_hMainWnd;
  std::function<void()> m_onResultShown;
  int m_bTitle = 0, m_bMeditation = 0, m_bPrayer = 0;
  std::string m_strFind;
  std::vector<std::string> m_listedKeys;  // the date key of each row of the result list
};
