// The UTF-8/UTF-16 conversion at the Windows edge: every character survives the round trip, bad input
// becomes U+FFFD instead of being dropped or running into its neighbours, and selection offsets count UTF-16
// units of whole characters.
#include <gtest/gtest.h>

#include "ui/WideText.h"

namespace {

std::wstring Units(std::initializer_list<unsigned> units) {
  std::wstring out;
  for (unsigned unit : units) out += static_cast<wchar_t>(unit);
  return out;
}

TEST(WideText, WellFormedTextRoundTrips) {
  struct Row {
    const char* utf8;
    std::wstring utf16;
  } rows[] = {
      {"", Units({})},
      {"Ærøskøbing", Units({0xC6, 'r', 0xF8, 's', 'k', 0xF8, 'b', 'i', 'n', 'g'})},
      {"Москва", Units({0x41C, 0x43E, 0x441, 0x43A, 0x432, 0x430})},
      {"기도", Units({0xAE30, 0xB3C4})},
      {"\xE1\x84\x92\xE1\x86\x9E\xE1\x86\xAB", Units({0x1112, 0x119E, 0x11AB})},  // old Hangul, three jamo
      {"\xE3\x90\x80", Units({0x3400})},                                          // CJK Extension A
      {"a\xF0\x9F\x99\x8F"
       "b",
       Units({'a', 0xD83D, 0xDE4F, 'b'})},            // U+1F64F, a surrogate pair
      {"\xF4\x8F\xBF\xBF", Units({0xDBFF, 0xDFFF})},  // the last code point
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.utf8);
    EXPECT_EQ(Widen(row.utf8), row.utf16);
    EXPECT_EQ(Narrow(row.utf16), row.utf8);
  }
}

TEST(WideText, BadInputBecomesReplacementCharacters) {
  const std::string replacement = "\xEF\xBF\xBD";
  struct Row {
    const char* name;
    std::string utf8;
    std::wstring utf16;
    std::string narrowed;
  } rows[] = {
      {"stray continuation byte",
       "a\x80"
       "b",
       Units({'a', 0xFFFD, 'b'}), "a" + replacement + "b"},
      {"cut-off sequence at the end", "a\xE3\x90", Units({'a', 0xFFFD, 0xFFFD}), "a" + replacement + replacement},
      {"overlong slash", "\xC0\xAF", Units({0xFFFD, 0xFFFD}), replacement + replacement},
      {"encoded surrogate", "\xED\xA0\x80", Units({0xFFFD, 0xFFFD, 0xFFFD}), replacement + replacement + replacement},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(Widen(row.utf8), row.utf16);
    EXPECT_EQ(Narrow(Widen(row.utf8)), row.narrowed);
  }
  struct Lone {
    const char* name;
    std::wstring utf16;
    std::string utf8;
  } lones[] = {
      {"high surrogate at the end", Units({'a', 0xD83D}), "a" + replacement},
      {"high surrogate before a letter", Units({0xD83D, 'b'}), replacement + "b"},
      {"low surrogate alone", Units({0xDE4F, 'b'}), replacement + "b"},
      {"two highs then a low", Units({0xD83D, 0xD83D, 0xDE4F}), replacement + "\xF0\x9F\x99\x8F"},
  };
  for (const Lone& row : lones) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(Narrow(row.utf16), row.utf8);
  }
}

TEST(WideText, Utf16OffsetCountsUnitsOfWholeCharacters) {
  const std::string text =
      "a기\xF0\x9F\x99\x8F"
      "b";  // bytes: a=0, 기=1..3, emoji=4..7, b=8
  struct Row {
    size_t bytes;
    size_t units;
  } rows[] = {{0, 0}, {1, 1}, {4, 2}, {8, 4}, {9, 5}, {100, 5}, {2, 2},  // inside 기: the character counts whole
              {5, 4}};  // inside the emoji: both halves of the pair, never one
  for (const Row& row : rows) {
    SCOPED_TRACE(row.bytes);
    EXPECT_EQ(Utf16Offset(text, row.bytes), row.units);
  }
}

}  // namespace
