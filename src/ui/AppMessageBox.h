#pragma once
// The application's one message box: the application title as caption, and the exclamation icon added to
// OK, OK/Cancel, Yes/No and Yes/No/Cancel boxes when the caller names no icon.
#include <windows.h>

#include <functional>
#include <string>

#include "base/MessageText.h"

int AppMessageBox(HWND owner, const std::string& text, UINT type = MB_OK);
// A message of the portable code, its texts loaded from the string table.
int AppMessageBox(HWND owner, const MessageText& message, UINT type = MB_OK);

// Tests answer message boxes without a person: while a responder is set, it receives what would be shown
// (text, final type with icon, caption) and its return value is the box's result.
using MessageBoxResponder = std::function<int(const std::string& text, UINT type, const std::string& caption)>;
void SetMessageBoxResponder(MessageBoxResponder responder);
