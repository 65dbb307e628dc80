#include <gtest/gtest.h>

#include <string>

#include "db/Cp949.h"
#include "base/Utf8.h"

#ifndef _WIN32
#include <iconv.h>
#endif

namespace {

const char kUtf8Thanks[] = "\xEA\xB0\x90\xEC\x82\xAC";  // 감사 in UTF-8

TEST(Cp949, KoreanRoundTripsThroughUtf8) {
  const std::string korean = "\xB0\xA8\xBB\xE7, Vesperal 2026!";  // 감사 in code page 949
  const std::string utf8 = Cp949ToUtf8(korean);
  EXPECT_EQ(utf8, "감사, Vesperal 2026!");
  EXPECT_EQ(Utf8ToCp949(utf8), korean);
  EXPECT_EQ(Cp949ToUtf8("plain ASCII\r\n"), "plain ASCII\r\n");
}

TEST(Cp949, ExtendedHangulOfUnifiedHangulCodeIsKnown) {
  // 똠 (U+B620) lies outside KS X 1001; code page 949 holds it at 0x8C 0x63.
  EXPECT_EQ(Cp949ToUtf8("\x8C\x63"), "\xEB\x98\xA0");
  EXPECT_EQ(Utf8ToCp949("\xEB\x98\xA0"), "\x8C\x63");
}

TEST(Cp949, MalformedBytesBecomeReplacementCharacters) {
  const std::string replacement = "\xEF\xBF\xBD";
  EXPECT_EQ(Cp949ToUtf8("\x80"), replacement);
  EXPECT_EQ(Cp949ToUtf8("\xFF"), replacement);
  EXPECT_EQ(Cp949ToUtf8("a\xB0"), "a" + replacement);  // lead byte at the end
  EXPECT_EQ(Cp949ToUtf8("\xB0\x20"
                        "b"),
            replacement + " b");                                         // bad trail stays a character of its own
  EXPECT_EQ(Cp949ToUtf8("\xC9\xA1"), replacement + replacement);         // user-defined area has no character
  EXPECT_EQ(Cp949ToUtf8(std::string("\0x", 2)), std::string("\0x", 2));  // zero bytes pass through
}

TEST(Cp949, CharactersOutsideCodePage949BecomeQuestionMarks) {
  EXPECT_EQ(Utf8ToCp949("\xF0\x9F\x98\x80"), "?");  // emoji
  EXPECT_EQ(Utf8ToCp949("\xE0\xB8\x81"
                        "a"),
            "?a");                                                    // Thai
  EXPECT_EQ(Utf8ToCp949("\xC0\xAF"), "??");                           // overlong '/' is two bad bytes
  EXPECT_EQ(Utf8ToCp949("\xED\xA0\x80"), "???");                      // surrogate
  EXPECT_EQ(Utf8ToCp949(std::string(kUtf8Thanks, 5)), "\xB0\xA8??");  // cut last character
}

TEST(Cp949, BadSequencesAmidTextGiveTheSameQuestionMarksAsAlone) {
  const struct {
    const char* utf8;
    const char* cp949;
  } cases[] = {
      {"ab\xEA\xB0", "ab??"},     // three-byte lead with one byte left
      {"ab\xEA", "ab?"},          // with none left
      {"\xEA\x41\x80z", "?A?z"},  // second byte not a continuation
      {"\xEA\xB0\x41z", "??Az"},  // third byte not a continuation
      {"\xE0\x80\x80", "???"},    // overlong three-byte form
      {"x\xEF\xBF\xBFy", "x?y"},  // well formed but not in code page 949
      {"\xEA\xB0\x90\xEA\xB0\x90", "\xB0\xA8\xB0\xA8"},
  };
  for (const auto& c : cases) EXPECT_EQ(Utf8ToCp949(c.utf8), c.cp949) << c.utf8;
}

TEST(Cp949, EveryCharacterConvertsTheSameAloneAndBetweenAsciiRuns) {
  for (char32_t cp = 0x80; cp < 0x10000; ++cp) {
    if (cp >= 0xD800 && cp <= 0xDFFF) continue;
    std::string utf8;
    utf8::Append(utf8, cp);
    const std::string alone = Utf8ToCp949(utf8);
    ASSERT_TRUE(alone == "?" || alone.size() == 2) << std::hex << cp;
    ASSERT_EQ(Utf8ToCp949("plain text " + utf8 + " and more"), "plain text " + alone + " and more") << std::hex << cp;
    if (alone != "?") {
      ASSERT_EQ(Cp949ToUtf8(alone), utf8) << std::hex << cp;
    }
  }
}

// The export's test of a text: whole when code page 949 holds every character, and then lossless.
TEST(Cp949, AWholeConversionIsAllOrNothing) {
  const struct {
    const char* utf8;
    bool whole;
    const char* cp949;
  } cases[] = {
      {"", true, ""},
      {"plain\r\n", true, "plain\r\n"},
      {"감사 ?", true, "\xB0\xA8\xBB\xE7 ?"},
      {"\xE2\x80\x95", true, "\xA1\xAA"},  // horizontal bar
      {"감사 \U0001F64F", false, ""},
      {"\u1112\u119E\u11AB", false, ""},  // old Hangul
      {"\u3400", false, ""},
      {"Ærø Мос", true, "\xA8\xA1r\xA9\xAA \xAC\xAE\xAC\xE0\xAC\xE3"},  // Latin and Cyrillic are in it
      {"감\xB0", false, ""},                                            // a byte that is not UTF-8
      {"\xEF\xBF\xBD", false, ""},                                      // the replacement character itself
  };
  for (const auto& c : cases) {
    std::string out = "before ";
    EXPECT_EQ(AppendWholeCp949(c.utf8, out), c.whole) << c.utf8;
    EXPECT_EQ(out, "before " + std::string(c.cp949)) << c.utf8;
    if (c.whole) {
      EXPECT_EQ(Cp949ToUtf8(out), "before " + std::string(c.utf8));
    }
  }
}

#ifndef _WIN32
// Every double-byte code against glibc's CP949 converter, and back.
TEST(Cp949, EveryDoubleByteCodeAgreesWithIconv) {
  iconv_t toUtf8 = iconv_open("UTF-8", "CP949");
  ASSERT_NE(toUtf8, reinterpret_cast<iconv_t>(-1));
  int characters = 0;
  for (int lead = 0x81; lead <= 0xFE; ++lead) {
    for (int trail = 0x41; trail <= 0xFE; ++trail) {
      char in[2] = {static_cast<char>(lead), static_cast<char>(trail)};
      char out[8];
      char* inPtr = in;
      char* outPtr = out;
      size_t inLeft = 2, outLeft = sizeof out;
      iconv(toUtf8, nullptr, nullptr, nullptr, nullptr);
      const bool known = iconv(toUtf8, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<size_t>(-1) && inLeft == 0;
      const std::string pair(in, 2);
      const std::string ours = Cp949ToUtf8(pair);
      if (known) {
        ++characters;
        ASSERT_EQ(ours, std::string(out, outPtr)) << std::hex << lead << " " << trail;
        ASSERT_EQ(Utf8ToCp949(ours), pair) << std::hex << lead << " " << trail;
      } else {
        ASSERT_EQ(ours.compare(0, 3, "\xEF\xBF\xBD"), 0) << std::hex << lead << " " << trail;
      }
    }
  }
  iconv_close(toUtf8);
  EXPECT_EQ(characters, 17048);
}
#endif

}  // namespace
