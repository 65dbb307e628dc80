#pragma once
// A small base for dialogs made from templates, modal or modeless. It stores `this` at WM_INITDIALOG in
// DWLP_USER, dispatches to a few virtual hooks, reflects WM_DRAWITEM to the owner-drawn control it concerns,
// and catches exceptions at the dialog procedure so that none unwinds through Win32 (the error is shown in
// a message box and the window goes on).
#include <windows.h>

class CDialogBase {
 public:
  // A template from the program's resources, or one built in memory (which must outlive the window).
  explicit CDialogBase(UINT templateId, HWND parent = nullptr);
  explicit CDialogBase(const DLGTEMPLATE* memoryTemplate, HWND parent = nullptr);
  // A window still open is destroyed here, but then only the base's hooks run: derived classes that need
  // OnDestroy destroy the window in their own destructor.
  virtual ~CDialogBase();
  CDialogBase(const CDialogBase&) = delete;
  CDialogBase& operator=(const CDialogBase&) = delete;

  // Modal run in a message loop of our own, so PreTranslateMessage sees keys before the dialog does.
  // The owner is `owner` when given, else the parent; it is disabled while the dialog runs. Returns the
  // value given to EndDialog, or -1 when the window could not be made or the loop met WM_QUIT.
  INT_PTR DoModal(HWND owner = nullptr);
  // Modeless creation, owned by `owner` or else the parent; the window stays until DestroyWindow.
  bool Create(HWND owner = nullptr);
  // Ends a modal run with `result`; a modeless dialog is destroyed.
  void EndDialog(INT_PTR result);
  void DestroyWindow();

  HWND GetSafeHwnd() const { return m_hWnd; }
  HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }

  // For message loops: gives the message to the dialogs of ours that it concerns (PreTranslateMessage,
  // then dialog keyboard navigation). True when it was consumed; otherwise translate and dispatch it.
  static bool RouteMessage(MSG& msg);
  // The dialog object of a window made by this class, or null.
  static CDialogBase* FromHandle(HWND hwnd);

 protected:
  virtual BOOL OnInitDialog() { return TRUE; }
  // True when handled. The default ends the dialog on IDOK and IDCANCEL through OnOK and OnCancel.
  virtual bool OnCommand(WORD id, WORD code, HWND control);
  // True when handled, with the notification's result in `result`.
  virtual bool OnNotify(NMHDR* header, LRESULT& result) {
    (void)header;
    (void)result;
    return false;
  }
  virtual void OnOK() { EndDialog(IDOK); }
  virtual void OnCancel() { EndDialog(IDCANCEL); }
  // Every other message; return true and set `result` when handled.
  virtual bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    (void)msg;
    (void)wParam;
    (void)lParam;
    (void)result;
    return false;
  }
  // Sees each queued message for this dialog or its controls before dialog navigation; true consumes it.
  virtual bool PreTranslateMessage(MSG& msg) {
    (void)msg;
    return false;
  }
  virtual void OnDestroy() {}

  HWND m_hWnd = nullptr;
  HWND m_hParent;

 private:
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  INT_PTR Dispatch(UINT msg, WPARAM wParam, LPARAM lParam);
  HWND CreateWindowFromTemplate(HWND owner);

  UINT m_nTemplateId = 0;
  const DLGTEMPLATE* m_pMemoryTemplate = nullptr;
  bool m_bModal = false;
  bool m_bEndModal = false;
  INT_PTR m_nModalResult = -1;
};
