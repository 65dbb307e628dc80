#include "ui/MnemonicText.h"

std::wstring WithoutMnemonicMark(std::wstring_view text) {
  std::wstring plain;
  for (size_t i = 0; i < text.size(); ++i) {
    // The character after a mark stays, so "&&" leaves one '&'.
    if (text[i] == L'&' && ++i == text.size()) break;
    plain += text[i];
  }
  return plain;
}
