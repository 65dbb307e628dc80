#include "SwordBible.h"

#include <listkey.h>
#include <localemgr.h>
#include <markupfiltmgr.h>
#include <swmgr.h>
#include <swmodule.h>
#include <versekey.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <map>
#include <tuple>
#include <utility>

#include "RangeText.h"

namespace {

constexpr const char* kKoreanLocale = "ko";

bool SameName(const std::string& a, const char* b) {
  return b && a.size() == std::strlen(b) && std::equal(a.begin(), a.end(), b, [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

std::string Trim(const std::string& s) {
  const size_t first = s.find_first_not_of(" \t");
  if (first == std::string::npos) return "";
  return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

std::vector<std::string> Split(const std::string& s, char separator) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (size_t at; (at = s.find(separator, start)) != std::string::npos; start = at + 1)
    parts.push_back(s.substr(start, at - start));
  parts.push_back(s.substr(start));
  return parts;
}

ReferenceError Unreadable(const std::string& reference) {
  return ReferenceError("cannot read the reference \"" + reference +
                        "\" (write it like Gen 1-3, 창세기 1:1-5 or 요 3:16, 18)");
}

// Plain text: notes, Strong's numbers, morphology, headings and cross references switched off.
void PlainTextOptions(sword::SWMgr& mgr) {
  for (const char* option : {"Footnotes", "Strong's Numbers", "Morphological Tags", "Headings", "Cross-references",
                             "Words of Christ in Red", "Lemmas"})
    mgr.setGlobalOption(option, "Off");
}

}  // namespace

struct SwordBible::Library {
  sword::SWMgr mgr{new sword::MarkupFilterMgr(sword::FMT_PLAIN)};
  sword::SWModule* module = nullptr;
  std::string name;
  std::unique_ptr<sword::VerseKey> key;    // positions verses to read
  std::unique_ptr<sword::VerseKey> parse;  // reads references: no normalising, so Gen 51 stays wrong
  BibleOutline outline;
  std::map<std::pair<int, int>, int> bookIndex;  // (testament, book) -> outline index

  sword::SWModule* Find(const std::string& wanted) {
    if (sword::SWModule* exact = mgr.getModule(wanted.c_str())) return exact;
    for (const auto& entry : mgr.getModules()) {
      sword::SWModule* candidate = entry.second;
      if (SameName(wanted, candidate->getName()) || SameName(wanted, candidate->getConfigEntry("Abbreviation")))
        return candidate;
    }
    return nullptr;
  }

  void ReadOutline() {
    sword::VerseKey& k = *key;
    for (int testament = 1; testament <= 2; ++testament) {
      k.setTestament(static_cast<char>(testament));
      const int books = k.getBookMax();
      for (int b = 1; b <= books; ++b) {
        k.setTestament(static_cast<char>(testament));
        k.setBook(static_cast<char>(b));
        BibleBook book;
        book.name = k.getBookName();
        book.testament = testament;
        book.indexInTestament = b;
        const int chapters = k.getChapterMax();
        for (int c = 1; c <= chapters; ++c) {
          k.setChapter(c);
          BibleChapter chapter;
          chapter.lastVerse = k.getVerseMax();
          // A verse linked to the one before shares its text (verses joined in translation): it is read once,
          // under the first number.
          sword::VerseKey previous(k);
          for (int v = 1; v <= chapter.lastVerse; ++v) {
            k.setVerse(v);
            const bool linked =
                !chapter.verses.empty() && chapter.verses.back() == v - 1 && module->isLinked(&previous, &k);
            if (module->hasEntry(&k) && !linked) chapter.verses.push_back(v);
            previous = k;
          }
          book.chapters.push_back(std::move(chapter));
        }
        bookIndex[{testament, b}] = static_cast<int>(outline.books.size());
        outline.books.push_back(std::move(book));
      }
    }
  }

  void Position(const VerseAt& at) {
    const BibleBook& book = outline.books.at(at.book);
    key->setTestament(static_cast<char>(book.testament));
    key->setBook(static_cast<char>(book.indexInTestament));
    key->setChapter(at.chapter);
    key->setVerse(at.verse);
  }

  // A bound of a parsed reference as a verse of the outline, checked against the versification.
  VerseAt Locate(const sword::VerseKey& bound, const std::string& reference) {
    const auto found = bookIndex.find({bound.getTestament(), bound.getBook()});
    if (found == bookIndex.end()) throw Unreadable(reference);
    const BibleBook& book = outline.books[found->second];
    const int chapter = bound.getChapter(), verse = bound.getVerse();
    if (chapter < 1 || chapter > static_cast<int>(book.chapters.size()))
      throw ReferenceError("\"" + reference + "\": " + book.name + " has chapters 1 to " +
                           std::to_string(book.chapters.size()) + ", not " + std::to_string(chapter));
    const int lastVerse = book.chapters[chapter - 1].lastVerse;
    if (verse < 1 || verse > lastVerse)
      throw ReferenceError("\"" + reference + "\": " + book.name + " " + std::to_string(chapter) + " has verses 1 to " +
                           std::to_string(lastVerse) + ", not " + std::to_string(verse));
    return {found->second, chapter, verse};
  }
};

SwordBible::SwordBible(const std::string& moduleName) : m_lib(std::make_unique<Library>()) {
  Library& lib = *m_lib;
  PlainTextOptions(lib.mgr);
  lib.module = lib.Find(moduleName);
  if (!lib.module) throw ModuleError("no SWORD module named " + moduleName + " is installed");
  lib.name = lib.module->getName();
  if (std::strcmp(lib.module->getType(), sword::SWMgr::MODTYPE_BIBLES) != 0)
    throw ModuleError("module " + lib.name + " is not a Bible text (its kind is \"" + lib.module->getType() + "\")");
  sword::SWKey* key = lib.module->createKey();
  auto* verseKey = dynamic_cast<sword::VerseKey*>(key);
  if (!verseKey) {
    delete key;
    throw ModuleError("module " + lib.name + " is not a Bible text (it is not kept by verses)");
  }
  lib.key.reset(verseKey);
  if (!sword::LocaleMgr::getSystemLocaleMgr()->getLocale(kKoreanLocale))
    throw ModuleError("the SWORD library has no Korean locale (\"ko\"); its locale files are missing");
  lib.key->setLocale(kKoreanLocale);
  lib.key->setIntros(false);
  lib.parse.reset(static_cast<sword::VerseKey*>(lib.key->clone()));
  lib.parse->setAutoNormalize(false);
  lib.ReadOutline();
}

SwordBible::~SwordBible() = default;

const std::string& SwordBible::Name() const { return m_lib->name; }

const BibleOutline& SwordBible::Outline() const { return m_lib->outline; }

std::vector<Passage> SwordBible::Resolve(const std::string& references) {
  Library& lib = *m_lib;
  std::vector<Passage> passages;
  for (const std::string& raw : Split(references, ';')) {
    const std::string reference = Trim(raw);
    if (reference.empty()) throw ReferenceError("empty reference in \"" + references + "\"");
    // The library reads what it can and drops the rest ("1-3장" would run to the end of the Bible), so a
    // reference with numbers must end in one, and every part between commas must be read.
    const bool hasDigit = std::any_of(reference.begin(), reference.end(),
                                      [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; });
    const size_t parts = std::count(reference.begin(), reference.end(), ',') + 1;
    sword::ListKey list = lib.parse->parseVerseList(reference.c_str(), *lib.parse, true);
    if ((hasDigit && !std::isdigit(static_cast<unsigned char>(reference.back()))) ||
        static_cast<size_t>(list.getCount()) != parts)
      throw Unreadable(reference);
    for (int i = 0; i < list.getCount(); ++i) {
      const auto* element = dynamic_cast<const sword::VerseKey*>(list.getElement(i));
      if (!element) throw Unreadable(reference);
      const sword::VerseKey lowerKey = element->isBoundSet() ? element->getLowerBound() : *element;
      const sword::VerseKey upperKey = element->isBoundSet() ? element->getUpperBound() : *element;
      const VerseAt lower = lib.Locate(lowerKey, reference), upper = lib.Locate(upperKey, reference);
      if (std::make_tuple(upper.book, upper.chapter, upper.verse) <
          std::make_tuple(lower.book, lower.chapter, lower.verse))
        throw ReferenceError("\"" + reference + "\" runs backwards");
      for (int book = lower.book; book <= upper.book; ++book) {
        const BibleBook& b = lib.outline.books[book];
        Passage passage{book, 1, 1, static_cast<int>(b.chapters.size()), b.chapters.back().lastVerse};
        if (book == lower.book) passage.firstChapter = lower.chapter, passage.firstVerse = lower.verse;
        if (book == upper.book) passage.lastChapter = upper.chapter, passage.lastVerse = upper.verse;
        if (VersesOf(lib.outline, passage).empty())
          throw ReferenceError("module " + lib.name + " has no text for " + RangeText(lib.outline, passage) + " (\"" +
                               reference + "\")");
        passages.push_back(passage);
      }
    }
  }
  return passages;
}

std::string SwordBible::PlainText(const VerseAt& verse) {
  Library& lib = *m_lib;
  lib.Position(verse);
  lib.module->setKey(*lib.key);
  return ShowableText(lib.module->stripText());
}
