#include "BibleOutline.h"

std::vector<VerseAt> VersesOf(const BibleOutline& outline, const Passage& passage) {
  std::vector<VerseAt> verses;
  const BibleBook& book = outline.books.at(passage.book);
  for (int chapter = passage.firstChapter; chapter <= passage.lastChapter; ++chapter) {
    for (int verse : book.chapters.at(chapter - 1).verses) {
      if (chapter == passage.firstChapter && verse < passage.firstVerse) continue;
      if (chapter == passage.lastChapter && verse > passage.lastVerse) break;
      verses.push_back({passage.book, chapter, verse});
    }
  }
  return verses;
}

int CountVerses(const BibleOutline& outline, int book, int firstChapter, int lastChapter) {
  int count = 0;
  for (int chapter = firstChapter; chapter <= lastChapter; ++chapter)
    count += static_cast<int>(outline.books.at(book).chapters.at(chapter - 1).verses.size());
  return count;
}
