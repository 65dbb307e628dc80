// Program entry: for now a stub window that proves the exe, its resources and its build.
#include <windows.h>

#include "app/Resource.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  char title[64] = "";
  LoadStringA(instance, IDS_APP_TITLE, title, sizeof title);
  MessageBoxA(nullptr, title, title, MB_OK | MB_ICONINFORMATION);
  return 0;
}
