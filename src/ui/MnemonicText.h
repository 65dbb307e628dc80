#pragma once
// A control's text without its mnemonic mark, as a tooltip or a screen reader says it: "이전 날(&P)" is
// "이전 날(P)". Portable, so that the rule is tested where the core is.
#include <string>
#include <string_view>

// Drops each lone '&' and halves each "&&", as the window system does when it draws the text.
std::wstring WithoutMnemonicMark(std::wstring_view text);
