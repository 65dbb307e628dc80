#pragma once
// A window's text as the program holds it, in UTF-8, over the wide calls.
#include <windows.h>

#include <string>

std::string WindowTextUtf8(HWND window);
void SetWindowTextUtf8(HWND window, const std::string& text);
