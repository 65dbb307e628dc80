#pragma once
// The diary search window: the text, the fields to search, and the list of the dates whose entry holds
// the text. A double click on a date shows it in the diary (and the reading window) with the text
// selected. The diary window owns the object.
#include <windows.h>

#include <string>
#include <vector>

#include "ui/DialogBase.h"

class CDiaryDlg;

class CFindDlg : public CDialogBase {
 public:
  explicit CFindDlg(CDiaryDlg& diary);
  ~CFindDlg() override;

  void RunSearch();
  void ShowResult();

  CDiaryDlg* m_pDiary;
  int m_bTitle = 0, m_bMeditation = 0, m_bPrayer = 0;
  std::string m_strFind;

 protected:
  BOOL OnInitDialog() override;
  bool OnCommand(WORD id, WORD code, HWND control) override;
  bool PreTranslateMessage(MSG& msg) override;

 private:
  void UpdateData(bool fromWindow);
  void ShowKeys(const std::vector<std::string>& keys);
};
