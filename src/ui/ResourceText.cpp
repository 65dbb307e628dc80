#include "ui/ResourceText.h"

std::string LoadText(UINT id, const std::vector<std::string>& values) {
  // With no buffer, LoadStringW hands out the resource's own text, however long it is.
  const wchar_t* wide = nullptr;
  const int length = ::LoadStringW(::GetModuleHandleA(nullptr), id, reinterpret_cast<LPWSTR>(&wide), 0);
  if (length <= 0 || !wide) return std::string();
  const int size = ::WideCharToMultiByte(CP_ACP, 0, wide, length, nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<size_t>(size), '\0');
  ::WideCharToMultiByte(CP_ACP, 0, wide, length, &text[0], size, nullptr, nullptr);
  return FillText(text, values);
}

std::string LoadText(const MessageText& message) {
  return message.Render([](int id) { return LoadText(static_cast<UINT>(id)); });
}
