#include <gtest/gtest.h>

#include "ui/MnemonicText.h"

TEST(MnemonicText, MarksAreDroppedAndDoubledOnesHalved) {
  const struct {
    const wchar_t *text, *plain;
  } rows[] = {
      {L"이전 날(&P)", L"이전 날(P)"},
      {L"닫기", L"닫기"},
      {L"A && B", L"A & B"},
      {L"&&&X", L"&X"},
      {L"end&", L"end"},
      {L"", L""},
  };
  for (const auto& row : rows) EXPECT_EQ(WithoutMnemonicMark(row.text), row.plain) << row.plain;
}
