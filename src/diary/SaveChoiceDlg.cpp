#include "diary/SaveChoiceDlg.h"

#include "ui/HelpKey.h"
#include "res/Resource.h"

CSaveChoiceDlg::CSaveChoiceDlg(HWND parent, HWND helpWindow)
    : CDialogBase(IDD_SAVE_CHOICE, parent), m_hHelpWnd(helpWindow) {}

BOOL CSaveChoiceDlg::OnInitDialog() {
  if (m_nScope == 0 || m_nScope == 1)
    ::CheckRadioButton(m_hWnd, IDC_SAVE_CURRENT, IDC_SAVE_ALL, IDC_SAVE_CURRENT + m_nScope);
  return TRUE;
}

void CSaveChoiceDlg::OnOK() {
  if (::IsDlgButtonChecked(m_hWnd, IDC_SAVE_CURRENT) == BST_CHECKED)
    m_nScope = 0;
  else if (::IsDlgButtonChecked(m_hWnd, IDC_SAVE_ALL) == BST_CHECKED)
    m_nScope = 1;
  else
    m_nScope = -1;
  EndDialog(IDOK);
}

bool CSaveChoiceDlg::PreTranslateMessage(MSG& msg) {
  SendHelpOnF1(msg, m_hHelpWnd);
  return false;
}
