// The dialogs ask for their fonts by Korean face name and the Korean character set. Whatever the system's
// code page, the font that comes back has a glyph for every Hangul syllable the windows show, also when no
// font of that name is installed: the character set alone then picks a Korean font, so no text is boxes.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "controls/GdiHandles.h"
#include "ui/WideText.h"

namespace {

// Characters of the window texts that have no glyph in the font selected into `dc`.
std::wstring MissingGlyphs(HDC dc, const std::wstring& text) {
  std::vector<WORD> glyphs(text.size());
  ::GetGlyphIndicesW(dc, text.c_str(), static_cast<int>(text.size()), glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS);
  std::wstring missing;
  for (size_t i = 0; i < text.size(); ++i)
    if (glyphs[i] == 0xFFFF) missing += text[i];
  return missing;
}

TEST(KoreanFont, EveryFaceTheDialogsNameDrawsHangul) {
  const std::wstring hangul = Widen(u8"베스페랄읽기 경건 일기장 날짜 제목 묵상 기도 찾기 파일로저장 닫기 가각힣");
  const char* faces[] = {u8"굴림체", u8"굴림", "NoSuchFaceVesperal"};
  HDC screen = ::GetDC(nullptr);
  const int height = -::MulDiv(9, ::GetDeviceCaps(screen, LOGPIXELSY), 72);
  for (const char* face : faces) {
    SCOPED_TRACE(face);
    CFontHandle font(::CreateFontW(height, 0, 0, 0, FW_NORMAL, 0, 0, 0, HANGUL_CHARSET, 0, 0, 0, DEFAULT_PITCH,
                                   Widen(face).c_str()));
    ASSERT_NE(font.Get(), nullptr);
    CSelectGuard select(screen, font.Get());
    wchar_t chosen[LF_FACESIZE] = L"";
    ::GetTextFaceW(screen, LF_FACESIZE, chosen);
    EXPECT_EQ(Narrow(MissingGlyphs(screen, hangul)), "") << "font chosen: " << Narrow(chosen);
    EXPECT_EQ(static_cast<int>(::GetTextCharset(screen)), HANGUL_CHARSET) << "font chosen: " << Narrow(chosen);
  }
  ::ReleaseDC(nullptr, screen);
}

}  // namespace
