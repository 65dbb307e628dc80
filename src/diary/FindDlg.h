#pragma once
// The diary search window: the text, the fields to search, and the list of the dates whose entry holds
// the text. A double click on a date makes it the session's date and shows it in the diary (and the
// reading window) with the text selected. The diary window owns the object.
#include <windows.h>

#include <string>
#include <vector>

#include "ui/DialogBase.h"

class IDiaryHost;

class CFindDlg : public CDialogBase {
 public:
  // `diary` is the diary window: the owner of this window, told of a chosen result and of closing.
  CFindDlg(HWND diary, IDiaryHost& host);
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
  IDiaryHost* m_pHost;
  int m_bTitle = 0, m_bMeditation = 0, m_bPrayer = 0;
  std::string m_strFind;
  std::vector<std::string> m_listedKeys;  // the date key of each row of the result list
};
