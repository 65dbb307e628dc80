#include "ui/WindowBase.h"

#include "ui/HandlerError.h"

CWindowBase::~CWindowBase() {
  if (m_hWnd) ::DestroyWindow(m_hWnd);
}

bool CWindowBase::CreateOfClass(const WindowClass& windowClass, DWORD exStyle, DWORD style, const wchar_t* title,
                                const RECT& place, HWND parent, HMENU idOrMenu) {
  if (m_hWnd) return false;
  const HINSTANCE instance = ::GetModuleHandleW(nullptr);
  WNDCLASSW registered{};
  if (!::GetClassInfoW(instance, windowClass.name, &registered)) {
    registered.lpfnWndProc = &CWindowBase::WindowProc;
    registered.hInstance = instance;
    registered.hCursor = ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    registered.hbrBackground = windowClass.background;
    registered.lpszClassName = windowClass.name;
    if (!::RegisterClassW(&registered)) return false;
  }
  return ::CreateWindowExW(exStyle, windowClass.name, title, style, place.left, place.top, place.right - place.left,
                           place.bottom - place.top, parent, idOrMenu, instance, this) != nullptr;
}

LRESULT CWindowBase::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  return ::DefWindowProcW(m_hWnd, msg, wParam, lParam);
}

LRESULT CALLBACK CWindowBase::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    auto* self = static_cast<CWindowBase*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->m_hWnd = hwnd;
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<CWindowBase*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return ::DefWindowProcW(hwnd, msg, wParam, lParam);
  const LRESULT result = CallGuarded(hwnd, IsMenuCommand(msg, wParam, lParam), LRESULT{0},
                                     [&] { return self->OnMessage(msg, wParam, lParam); });
  if (msg == WM_NCDESTROY) {
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    self->m_hWnd = nullptr;
  }
  return result;
}
