#pragma once
// Text put on the clipboard as Unicode text (CF_UNICODETEXT); the system makes the other text formats
// from it when a program asks for them.
#include <windows.h>

#include <string>

// Replaces what the clipboard holds with `utf8`, for `owner`. False when the clipboard stayed held by
// another program for a moment's tries, or no memory could be had.
bool PutClipboardText(HWND owner, const std::string& utf8);
