#pragma once
// What a Bible text holds, as the schedules and the range texts need it: its books in canonical order,
// each with the last verse number of every chapter and the verses that actually have text.
#include <string>
#include <vector>

struct BibleChapter {
  int lastVerse = 0;        // highest verse number the versification gives the chapter
  std::vector<int> verses;  // the verse numbers that have text, ascending
};

struct BibleBook {
  std::string name;                    // as the range texts show it (Korean where the locale has it), UTF-8
  int testament = 1;                   // 1 Old, 2 New
  int indexInTestament = 0;            // 1-based, as the library numbers books
  std::vector<BibleChapter> chapters;  // chapters[0] is chapter 1
};

struct BibleOutline {
  std::vector<BibleBook> books;  // canonical order
};

// A stretch of one book, from firstChapter:firstVerse to lastChapter:lastVerse, both included.
struct Passage {
  int book = 0;  // index into BibleOutline::books
  int firstChapter = 1, firstVerse = 1;
  int lastChapter = 1, lastVerse = 1;

  bool operator==(const Passage& o) const {
    return book == o.book && firstChapter == o.firstChapter && firstVerse == o.firstVerse &&
           lastChapter == o.lastChapter && lastVerse == o.lastVerse;
  }
};

struct VerseAt {
  int book = 0, chapter = 0, verse = 0;
  bool operator==(const VerseAt& o) const { return book == o.book && chapter == o.chapter && verse == o.verse; }
};

// The verses of a passage that have text, in order.
std::vector<VerseAt> VersesOf(const BibleOutline& outline, const Passage& passage);
// Number of verses with text in a chapter range of one book.
int CountVerses(const BibleOutline& outline, int book, int firstChapter, int lastChapter);
