#include "RangeText.h"

namespace {

std::string Ref(int chapter, int verse) { return std::to_string(chapter) + ":" + std::to_string(verse); }

}  // namespace

std::string RangeText(const BibleOutline& outline, const Passage& p) {
  const BibleBook& book = outline.books.at(p.book);
  const bool wholeChapters = p.firstVerse == 1 && p.lastVerse >= book.chapters.at(p.lastChapter - 1).lastVerse;
  std::string text = book.name + " ";
  if (wholeChapters) {
    text += std::to_string(p.firstChapter);
    if (p.lastChapter != p.firstChapter) text += "-" + std::to_string(p.lastChapter);
    return text + "장";
  }
  if (p.firstChapter != p.lastChapter)
    return text + Ref(p.firstChapter, p.firstVerse) + "-" + Ref(p.lastChapter, p.lastVerse);
  text += Ref(p.firstChapter, p.firstVerse);
  if (p.lastVerse != p.firstVerse) text += "-" + std::to_string(p.lastVerse);
  return text;
}

std::string RangeText(const BibleOutline& outline, const std::vector<Passage>& passages) {
  std::string text;
  for (const Passage& passage : passages) {
    if (!text.empty()) text += ", ";
    text += RangeText(outline, passage);
  }
  return text;
}
