// The baseline of the start benchmark: a bare Win32 program that shows one empty white window.
#include <windows.h>

namespace {

LRESULT CALLBACK BareProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_DESTROY) {
    ::PostQuitMessage(0);
    return 0;
  }
  return ::DefWindowProcW(hwnd, msg, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  WNDCLASSW bareClass{};
  bareClass.lpfnWndProc = &BareProc;
  bareClass.hInstance = instance;
  bareClass.hbrBackground = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
  bareClass.lpszClassName = L"BareWindow";
  ::RegisterClassW(&bareClass);
  HWND window = ::CreateWindowExW(0, L"BareWindow", L"bare", WS_OVERLAPPEDWINDOW, 0, 0, 640, 400, nullptr, nullptr,
                                  instance, nullptr);
  ::ShowWindow(window, SW_SHOWNORMAL);
  ::UpdateWindow(window);
  MSG msg;
  while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
  return 0;
}
