// Program entry: the reading window, run modally until the user closes it.
#include <windows.h>

#include <commctrl.h>

#include "reading/ReadingDlg.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_DATE_CLASSES};
  ::InitCommonControlsEx(&controls);
  CReadingDlg reading;
  reading.DoModal();
  return 0;
}
