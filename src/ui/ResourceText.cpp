#include "ui/ResourceText.h"

#include "ui/WideText.h"

std::string LoadText(UINT id, const std::vector<std::string>& values) {
  // With no buffer, LoadStringW hands out the resource's own text, however long it is.
  const wchar_t* wide = nullptr;
  const int length = ::LoadStringW(::GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&wide), 0);
  if (length <= 0 || !wide) return std::string();
  return FillText(Narrow(std::wstring_view(wide, static_cast<size_t>(length))), values);
}

std::string LoadText(const MessageText& message) {
  return message.Render([](int id) { return LoadText(static_cast<UINT>(id)); });
}
