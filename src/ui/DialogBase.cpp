#include "ui/DialogBase.h"

#include <windowsx.h>

#include "ui/HandlerError.h"
#include "controls/ReflectedMessages.h"

CDialogBase::CDialogBase(UINT templateId, HWND parent) : m_hParent(parent), m_nTemplateId(templateId) {}

CDialogBase::CDialogBase(const DLGTEMPLATE* memoryTemplate, HWND parent)
    : m_hParent(parent), m_pMemoryTemplate(memoryTemplate) {}

CDialogBase::~CDialogBase() {
  if (m_hWnd) ::DestroyWindow(m_hWnd);
}

CDialogBase* CDialogBase::FromHandle(HWND hwnd) {
  if (!hwnd || ::GetWindowLongPtrW(hwnd, DWLP_DLGPROC) != reinterpret_cast<LONG_PTR>(&CDialogBase::DialogProc))
    return nullptr;
  return reinterpret_cast<CDialogBase*>(::GetWindowLongPtrW(hwnd, DWLP_USER));
}

HWND CDialogBase::CreateWindowFromTemplate(HWND owner) {
  HINSTANCE instance = ::GetModuleHandleW(nullptr);
  const LPARAM self = reinterpret_cast<LPARAM>(this);
  if (m_pMemoryTemplate)
    return ::CreateDialogIndirectParamW(instance, m_pMemoryTemplate, owner, &CDialogBase::DialogProc, self);
  return ::CreateDialogParamW(instance, MAKEINTRESOURCEW(m_nTemplateId), owner, &CDialogBase::DialogProc, self);
}

bool CDialogBase::Create(HWND owner) {
  if (m_hWnd) return false;
  m_bModal = false;
  return CreateWindowFromTemplate(owner ? owner : m_hParent) != nullptr;
}

INT_PTR CDialogBase::DoModal(HWND owner) {
  if (m_hWnd) return -1;
  if (!owner) owner = m_hParent;
  m_bModal = true;
  m_bEndModal = false;
  m_nModalResult = -1;
  if (!CreateWindowFromTemplate(owner) || !m_hWnd) {
    m_bModal = false;
    return -1;
  }
  const bool disabledOwner = owner && ::IsWindowEnabled(owner);
  if (disabledOwner) ::EnableWindow(owner, FALSE);
  if (!m_bEndModal && !::IsWindowVisible(m_hWnd)) ::ShowWindow(m_hWnd, SW_SHOWNORMAL);

  MSG msg;
  while (!m_bEndModal && m_hWnd) {
    const BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) {
      // WM_QUIT belongs to the outer loop: hand it on and stop.
      ::PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (got == -1) break;
    if (!RouteMessage(msg)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageW(&msg);
    }
  }
  // The owner comes back before the dialog goes, so that activation returns to it.
  if (disabledOwner) ::EnableWindow(owner, TRUE);
  if (m_hWnd) ::DestroyWindow(m_hWnd);
  m_bModal = false;
  return m_nModalResult;
}

void CDialogBase::EndDialog(INT_PTR result) {
  if (!m_bModal) {
    DestroyWindow();
    return;
  }
  m_nModalResult = result;
  m_bEndModal = true;
  // Wakes the modal loop so that it sees the end at once.
  if (m_hWnd) ::PostMessageW(m_hWnd, WM_NULL, 0, 0);
}

void CDialogBase::DestroyWindow() {
  if (m_hWnd) ::DestroyWindow(m_hWnd);
}

bool CDialogBase::RouteMessage(MSG& msg) {
  if (!msg.hwnd) return false;
  HWND root = ::GetAncestor(msg.hwnd, GA_ROOT);
  CDialogBase* dialog = FromHandle(root);
  if (!dialog) return false;
  const bool consumed = CallGuarded(root, false, true, [&] { return dialog->PreTranslateMessage(msg); });
  if (consumed) return true;
  // The hook may have closed the dialog.
  return ::IsWindow(root) && ::IsDialogMessageW(root, &msg);
}

bool CDialogBase::OnCommand(WORD id, WORD code, HWND control) {
  (void)control;
  // Clicks and accelerators only; a double click on an owner-drawn button is not a second command.
  if (code > 1) return false;
  if (id == IDOK) {
    OnOK();
    return true;
  }
  if (id == IDCANCEL) {
    OnCancel();
    return true;
  }
  return false;
}

INT_PTR CALLBACK CDialogBase::DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  CDialogBase* self = nullptr;
  if (msg == WM_INITDIALOG) {
    self = reinterpret_cast<CDialogBase*>(lParam);
    self->m_hWnd = hwnd;
    ::SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
  } else {
    self = reinterpret_cast<CDialogBase*>(::GetWindowLongPtrW(hwnd, DWLP_USER));
  }
  if (!self) return FALSE;

  const INT_PTR onError = msg == WM_INITDIALOG ? TRUE : FALSE;
  const INT_PTR result = CallGuarded(hwnd, IsMenuCommand(msg, wParam, lParam), onError,
                                     [&] { return self->Dispatch(msg, wParam, lParam); });
  if (msg == WM_NCDESTROY) {
    ::SetWindowLongPtrW(hwnd, DWLP_USER, 0);
    self->m_hWnd = nullptr;
  }
  return result;
}

INT_PTR CDialogBase::Dispatch(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_INITDIALOG:
      return OnInitDialog();
    case WM_COMMAND:
      return OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)) ? TRUE : FALSE;
    case WM_NOTIFY: {
      LRESULT result = 0;
      if (!OnNotify(reinterpret_cast<NMHDR*>(lParam), result)) return FALSE;
      ::SetWindowLongPtrW(m_hWnd, DWLP_MSGRESULT, result);
      return TRUE;
    }
    case WM_DRAWITEM: {
      // Owner-drawn controls draw themselves; menus and unknown controls fall through to OnMessage.
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (item->CtlType != ODT_MENU && item->hwndItem &&
          ::SendMessageW(item->hwndItem, WM_REFLECTED_DRAWITEM, wParam, lParam))
        return TRUE;
      break;
    }
    case WM_DESTROY:
      OnDestroy();
      return FALSE;
    default:
      break;
  }
  LRESULT result = 0;
  if (!OnMessage(msg, wParam, lParam, result)) return FALSE;
  return SetDlgMsgResult(m_hWnd, msg, result);
}
