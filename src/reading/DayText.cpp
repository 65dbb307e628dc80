#include "reading/DayText.h"

namespace {

constexpr char kLineEnd[] = "\r\n";

// A verse may hold line breaks of any kind; on the clipboard each is CR LF.
void AppendWithLineEnds(std::string& text, const std::string& lines) {
  for (size_t i = 0; i < lines.size(); ++i) {
    if (lines[i] == '\r' || lines[i] == '\n') {
      if (lines[i] == '\r' && i + 1 < lines.size() && lines[i + 1] == '\n') ++i;
      text += kLineEnd;
    } else {
      text += lines[i];
    }
  }
}

}  // namespace

std::string DayVersesText(const ReadingDay& day, const std::string& noPassage) {
  if (!day.bHasPassage) return noPassage;
  std::string text;
  for (const VerseEntry& verse : day.verses) {
    if (!text.empty()) text += kLineEnd;
    if (verse.szVerse[0]) text += std::string(verse.szVerse) + " ";
    AppendWithLineEnds(text, verse.strBody);
  }
  return text;
}

std::string DayPlainText(const ReadingDay& day, const std::string& noPassage) {
  const std::string verses = DayVersesText(day, noPassage);
  if (!day.bHasPassage || day.strRange.empty()) return verses;
  return day.strRange + kLineEnd + verses;
}
