#pragma once
// A small base for dialogs made from templates, modal or modeless. It stores `this` at WM_INITDIALOG,
// dispatches to a few virtual hooks, and catches exceptions at the window procedure so that none
// unwinds through Win32 (an engine error is shown in a message box and the window goes on).
#include <windows.h>

class CDialogBase {
 public:
  CDialogBase(UINT templateId, HWND parent);
  virtual ~CDialogBase();
  CDialogBase(const CDialogBase&) = delete;
  CDialogBase& operator=(const CDialogBase&) = delete;

  // Modal run in a message loop of our own, so PreTranslateMessage sees keys before the dialog does.
  // The owner (the parent, else the application's main window) is disabled while it runs.
  INT_PTR DoModal();
  // Modeless creation; the window stays until DestroyWindow.
  bool Create(HWND owner = nullptr);
  void EndDialog(INT_PTR result);
  void DestroyWindow();

  HWND GetSafeHwnd() const { return m_hWnd; }
  HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
  // The active modeless dialogs and the running modal one get their keys through here first.
  static bool RouteMessage(MSG& msg);

 protected:
  virtual BOOL OnInitDialog() { return TRUE; }
  virtual bool OnCommand(WORD id, WORD code, HWND control);  // true when handled; default: IDOK/IDCANCEL
  virtual bool OnNotify(NMHDR* header, LRESULT& result) { (void)header; (void)result; return false; }
  virtual void OnOK() { EndDialog(IDOK); }
  virtual void OnCancel() { EndDialog(IDCANCEL); }
  // Every other message; return true and set result when handled.
  virtual bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    (void)msg; (void)wParam; (void)lParam; (void)result; return false;
  }
  // Called for each queued message of this dialog's thread before dialog navigation; true consumes it.
  virtual bool PreTranslateMessage(MSG& msg) { (void)msg; return false; }
  virtual void OnDestroy() {}

  HWND m_hWnd = nullptr;
  HWND m_hParent;

 private:
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  INT_PTR Dispatch(UINT msg, WPARAM wParam, LPARAM lParam);
  UINT m_nTemplateId;
  bool m_bModal = false;
  bool m_bEndModal = false;
  INT_PTR m_nModalResult = 0;
};
