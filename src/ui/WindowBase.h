#pragma once
// A small base for plain windows of a class of our own (the hidden main frame, the reading page): it
// registers the class once, keeps `this` in the window's extra bytes from WM_NCCREATE to WM_NCDESTROY,
// dispatches every message to OnMessage, and catches exceptions there as the dialogs do, so none unwinds
// through Win32 (the error is shown and the window goes on).
#include <windows.h>

class CWindowBase {
 public:
  CWindowBase() = default;
  // A window still open is destroyed here, but then only the base's handling runs: derived classes that need
  // their own handling of WM_DESTROY destroy the window in their own destructor.
  virtual ~CWindowBase();
  CWindowBase(const CWindowBase&) = delete;
  CWindowBase& operator=(const CWindowBase&) = delete;

  HWND GetSafeHwnd() const { return m_hWnd; }

 protected:
  struct WindowClass {
    const wchar_t* name;
    HBRUSH background;  // null: the window paints every pixel itself
  };
  // Registers the class the first time and makes the window; false when it could not be made.
  bool CreateOfClass(const WindowClass& windowClass, DWORD exStyle, DWORD style, const wchar_t* title,
                     const RECT& place, HWND parent, HMENU idOrMenu);
  // Every message; the default gives it to DefWindowProc.
  virtual LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam);

  HWND m_hWnd = nullptr;

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
};
