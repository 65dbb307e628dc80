#include "ui/AppMessageBox.h"

#include "res/AppTitle.h"
#include "res/Resource.h"
#include "ui/ResourceText.h"
#include "ui/WideText.h"

namespace {

MessageBoxResponder& Responder() {
  static MessageBoxResponder responder;
  return responder;
}

std::string AppTitle() {
  std::string title = LoadText(IDS_APP_TITLE);
  return title.empty() ? VESPERAL_APP_TITLE : title;
}

bool WantsDefaultIcon(UINT type) {
  if ((type & MB_ICONMASK) != 0) return false;
  switch (type & MB_TYPEMASK) {
    case MB_OK:
    case MB_OKCANCEL:
    case MB_YESNO:
    case MB_YESNOCANCEL:
      return true;
    default:
      return false;
  }
}

}  // namespace

int AppMessageBox(HWND owner, const std::string& text, UINT type) {
  if (WantsDefaultIcon(type)) type |= MB_ICONEXCLAMATION;
  const std::string caption = AppTitle();
  if (Responder()) return Responder()(text, type, caption);
  return ::MessageBoxW(owner, Widen(text).c_str(), Widen(caption).c_str(), type);
}

int AppMessageBox(HWND owner, const MessageText& message, UINT type) {
  return AppMessageBox(owner, LoadText(message), type);
}

void SetMessageBoxResponder(MessageBoxResponder responder) { Responder() = std::move(responder); }
