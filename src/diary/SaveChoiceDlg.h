#pragma once
// The export's first question, asked modally: the shown date only (scope 0) or every date (scope 1).
#include <windows.h>

#include "ui/DialogBase.h"

class CSaveChoiceDlg : public CDialogBase {
 public:
  CSaveChoiceDlg(HWND parent, HWND helpWindow);

  // The index of the chosen button of the group: 0 the shown date, 1 every date, -1 none.
  int Scope() const { return m_nScope; }

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;
  bool PreTranslateMessage(MSG& msg) override;

 private:
  int m_nScope = 0;
  HWND m_hHelpWnd;
};
