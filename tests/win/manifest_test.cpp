// The program's manifest, linked into this test program as into the program itself: Windows (and Wine) give
// it the themed common controls of version 6. Wine's one comctl32 says 5.81 to DllGetVersion in either role,
// so the controls are known by what only version 6 does. (Its scaling cannot be seen here: Wine runs every
// program as aware of each monitor's scale; tests/res checks what the manifest asks for.)
#include <gtest/gtest.h>
#include <windows.h>

namespace {

TEST(Manifest, ButtonsAreTheCommonControls6Ones) {
  HWND button = ::CreateWindowExW(0, L"BUTTON", L"확 인", WS_POPUP | BS_PUSHBUTTON, 0, 0, 10, 10, nullptr, nullptr,
                                  nullptr, nullptr);
  ASSERT_NE(button, nullptr);
  // Version 6 draws buttons itself, from comctl32; the old ones are user32's.
  HMODULE owner = nullptr;
  ASSERT_TRUE(
      ::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                           reinterpret_cast<LPCWSTR>(::GetWindowLongPtrW(button, GWLP_WNDPROC)), &owner));
  EXPECT_EQ(owner, ::GetModuleHandleW(L"comctl32.dll"));
  // And answer their ideal size, which the old ones do not know.
  SIZE ideal{};
  constexpr UINT kGetIdealSize = 0x1600 + 1;  // BCM_GETIDEALSIZE
  EXPECT_TRUE(::SendMessageW(button, kGetIdealSize, 0, reinterpret_cast<LPARAM>(&ideal)));
  EXPECT_GT(ideal.cx, 0);
  ::DestroyWindow(button);
}

}  // namespace
