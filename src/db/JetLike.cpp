#include "db/JetLike.h"

#include <memory>
#include <new>

#include "db/JetErrors.h"
#include "base/Utf8.h"

namespace {

char32_t FoldCase(char32_t c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; }

[[noreturn]] void RefusePattern(std::string_view pattern, const char* reason) {
  jet::Throw(jet::kSyntaxError,
             "Invalid pattern string in LIKE '" + std::string(pattern) + "': " + reason + ".");
}

}  // namespace

JetLikePattern::JetLikePattern(std::string_view pattern) {
  size_t pos = 0;
  while (pos < pattern.size()) {
    const char32_t c = utf8::Next(pattern, pos);
    Element element;
    if (c == '*') {
      if (!m_elements.empty() && m_elements.back().kind == Element::kAnyRun) continue;
      element.kind = Element::kAnyRun;
    } else if (c == '?') {
      element.kind = Element::kAnyChar;
    } else if (c == '#') {
      element.kind = Element::kDigit;
    } else if (c == '[') {
      std::vector<char32_t> items;
      bool closed = false;
      while (pos < pattern.size()) {
        const char32_t item = utf8::Next(pattern, pos);
        if (item == ']') {
          closed = true;
          break;
        }
        items.push_back(item);
      }
      if (!closed) RefusePattern(pattern, "a '[' is not closed");
      size_t first = 0;
      if (!items.empty() && items[0] == '!') element.negated = true, first = 1;
      if (first == items.size()) RefusePattern(pattern, "a bracket holds no character");
      for (size_t i = first; i < items.size(); ++i) {
        // A '-' between two characters makes a range; at either end it stands for itself.
        if (i + 2 < items.size() && items[i + 1] == '-') {
          if (items[i] > items[i + 2]) RefusePattern(pattern, "a range runs backwards");
          element.ranges.push_back({items[i], items[i + 2]});
          i += 2;
        } else {
          element.ranges.push_back({items[i], items[i]});
        }
      }
      if (!element.negated && element.ranges.size() == 1 && element.ranges[0].first == element.ranges[0].last) {
        element.literal = element.ranges[0].first;  // "[*]" and the like: one character taken literally
        element.ranges.clear();
      } else {
        element.kind = Element::kSet;
      }
    } else {
      element.literal = c;
    }
    if (element.kind == Element::kDigit || element.kind == Element::kSet) m_bSimple = false;
    m_elements.push_back(std::move(element));
  }
}

std::string JetLikePattern::ToSqliteLike(char escape) const {
  std::string out;
  for (const Element& element : m_elements) {
    switch (element.kind) {
      case Element::kAnyRun: out += '%'; break;
      case Element::kAnyChar: out += '_'; break;
      case Element::kLiteral:
        if (element.literal == '%' || element.literal == '_' || element.literal == static_cast<char32_t>(escape))
          out += escape;
        utf8::Append(out, element.literal);
        break;
      default: break;  // not simple: never asked
    }
  }
  return out;
}

bool JetLikePattern::MatchesOne(const Element& element, char32_t c) const {
  switch (element.kind) {
    case Element::kAnyChar: return true;
    case Element::kDigit: return c >= '0' && c <= '9';
    case Element::kLiteral: return FoldCase(element.literal) == FoldCase(c);
    case Element::kSet: {
      const char32_t lower = FoldCase(c);
      const char32_t upper = lower >= 'a' && lower <= 'z' ? lower - ('a' - 'A') : lower;
      bool inSet = false;
      for (const Range& range : element.ranges) {
        if ((lower >= range.first && lower <= range.last) || (upper >= range.first && upper <= range.last)) {
          inSet = true;
          break;
        }
      }
      return inSet != element.negated;
    }
    default: return false;
  }
}

bool JetLikePattern::Matches(std::string_view text) const {
  // Greedy matching that goes back only to the last '*': linear in practice, never exponential.
  const size_t count = m_elements.size();
  size_t element = 0, pos = 0;
  size_t starElement = count + 1, starPos = 0;  // count + 1: no '*' seen yet
  while (pos < text.size()) {
    if (element < count && m_elements[element].kind == Element::kAnyRun) {
      starElement = ++element;
      starPos = pos;
      continue;
    }
    size_t next = pos;
    const char32_t c = utf8::Next(text, next);
    if (element < count && MatchesOne(m_elements[element], c)) {
      ++element;
      pos = next;
      continue;
    }
    if (starElement > count) return false;
    element = starElement;
    utf8::Next(text, starPos);
    pos = starPos;
  }
  while (element < count && m_elements[element].kind == Element::kAnyRun) ++element;
  return element == count;
}

namespace {

void DeletePattern(void* pattern) { delete static_cast<JetLikePattern*>(pattern); }

// jet_like(pattern, text): 1 or 0, Null when either is Null. The compiled pattern is kept by SQLite
// while the pattern argument stays the same (a bound parameter does for a whole statement).
void JetLikeFunction(sqlite3_context* context, int, sqlite3_value** args) {
  if (sqlite3_value_type(args[0]) == SQLITE_NULL || sqlite3_value_type(args[1]) == SQLITE_NULL) {
    sqlite3_result_null(context);
    return;
  }
  try {
    std::unique_ptr<JetLikePattern> fresh;
    auto* pattern = static_cast<JetLikePattern*>(sqlite3_get_auxdata(context, 0));
    if (pattern == nullptr) {
      const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(args[0]));
      fresh = std::make_unique<JetLikePattern>(std::string_view(text ? text : "", sqlite3_value_bytes(args[0])));
      pattern = fresh.get();
    }
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(args[1]));
    const bool matches = pattern->Matches(std::string_view(text ? text : "", sqlite3_value_bytes(args[1])));
    sqlite3_result_int(context, matches ? 1 : 0);
    if (fresh) sqlite3_set_auxdata(context, 0, fresh.release(), DeletePattern);  // may free it at once
  } catch (const CDaoException& e) {
    sqlite3_result_error(context, e.Description().c_str(), -1);
  } catch (const std::bad_alloc&) {
    sqlite3_result_error_nomem(context);
  }
}

}  // namespace

int RegisterJetLike(sqlite3* db) {
  return sqlite3_create_function_v2(db, "jet_like", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, JetLikeFunction,
                                    nullptr, nullptr, nullptr);
}
