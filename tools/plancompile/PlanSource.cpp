#include "PlanSource.h"

#include <cctype>
#include <map>
#include <optional>
#include <utility>

#include "SourceError.h"
#include "TextCheck.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

// Splits "word rest" at the first run of blanks; rest is trimmed.
std::pair<std::string_view, std::string_view> SplitWord(std::string_view s) {
  size_t end = 0;
  while (end < s.size() && !IsBlank(s[end])) ++end;
  return {s.substr(0, end), Trim(s.substr(end))};
}

// A whole number of at most four digits, or nothing.
std::optional<int> SmallNumber(std::string_view s) {
  if (s.empty() || s.size() > 4) return std::nullopt;
  int value = 0;
  for (char c : s) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

bool IsVerseNumber(std::string_view s) {
  size_t i = 0;
  while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i;
  if (i == 0) return false;
  while (i < s.size() && std::isalpha(static_cast<unsigned char>(s[i]))) ++i;
  return i == s.size();
}

class Parser {
 public:
  explicit Parser(const std::string& fileName) : m_file(fileName) {}

  PlanSource Run(std::istream& in) {
    std::string raw;
    while (std::getline(in, raw)) {
      ++m_line;
      std::string_view line(raw);
      if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
      if (m_line == 1 && line.substr(0, 3) == "\xEF\xBB\xBF") line.remove_prefix(3);
      if (auto fault = FindUtf8Fault(line)) Fail(*fault);
      Dispatch(line);
    }
    Finish();
    return std::move(m_plan);
  }

 private:
  [[noreturn]] void Fail(const std::string& what) const { Fail(m_line, what); }
  [[noreturn]] void Fail(int line, const std::string& what) const { throw SourceError(m_file, line, what); }

  void Dispatch(std::string_view line) {
    const std::string_view content = Trim(line);
    if (content.empty() || content.front() == '#') return;
    if (IsBlank(line.front())) return Continue(content);
    m_lastWasVerse = false;
    if (line.front() == '@') return Directive(line);
    if (std::isdigit(static_cast<unsigned char>(line.front()))) return Verse(line);
    Fail("expected @year, @month, @day, a verse number, an indented continuation or a # comment");
  }

  void Directive(std::string_view line) {
    const auto [word, rest] = SplitWord(line);
    if (word == "@year") return Year(rest);
    if (word == "@month") return Month(rest);
    if (word == "@day") return Day(rest);
    Fail("unknown directive " + std::string(word));
  }

  void Year(std::string_view title) {
    if (m_yearLine) Fail("second @year line (the first is at line " + std::to_string(m_yearLine) + ")");
    if (title.empty()) Fail("@year has no title");
    m_yearLine = m_line;
    m_plan.yearTitle = title;
  }

  void Month(std::string_view rest) {
    const auto [word, title] = SplitWord(rest);
    const auto month = SmallNumber(word);
    if (!month) Fail("@month needs a month number 1 to 12");
    if (*month < 1 || *month > 12) Fail("unknown month " + std::to_string(*month));
    if (const auto seen = m_monthLines.find(*month); seen != m_monthLines.end())
      Fail("month " + std::to_string(*month) + " appears twice (first at line " + std::to_string(seen->second) + ")");
    if (title.empty()) Fail("month " + std::to_string(*month) + " has no title");
    m_monthLines[*month] = m_line;
    m_plan.months.push_back({*month, std::string(title), m_line});
    m_currentMonth = *month;
    m_currentDay = nullptr;
  }

  void Day(std::string_view rest) {
    if (m_currentMonth == 0) Fail("@day before any @month");
    const auto [word, range] = SplitWord(rest);
    const auto day = SmallNumber(word);
    if (!day) Fail("@day needs a day number 1 to 31");
    if (*day < 1 || *day > 31) Fail("day " + std::to_string(*day) + " does not exist");
    // Any year may be compiled from one source, so 29 February is always accepted here.
    if (*day > DaysInMonth(m_currentMonth, 2000))
      Fail("day " + std::to_string(*day) + " is not in month " + std::to_string(m_currentMonth));
    const auto key = std::make_pair(m_currentMonth, *day);
    if (const auto seen = m_dayLines.find(key); seen != m_dayLines.end())
      Fail("day " + std::to_string(m_currentMonth) + "/" + std::to_string(*day) + " appears twice (first at line " +
           std::to_string(seen->second) + ")");
    if (range.empty()) Fail("day " + std::to_string(*day) + " has no range text");
    m_dayLines[key] = m_line;
    m_plan.days.push_back({m_currentMonth, *day, std::string(range), {}, m_line});
    m_currentDay = &m_plan.days.back();
  }

  void Verse(std::string_view line) {
    if (!m_currentDay) Fail("verse line before any @day of its month");
    const auto [number, text] = SplitWord(line);
    if (!IsVerseNumber(number)) Fail("bad verse number " + std::string(number) + " (digits, then optionally letters)");
    if (number.size() > MAX_VERSE_NUMBER_CHARS)
      Fail("verse number " + std::string(number) + " is longer than " + std::to_string(MAX_VERSE_NUMBER_CHARS) +
           " characters");
    if (text.empty()) Fail("verse " + std::string(number) + " has no text");
    m_currentDay->verses.push_back({std::string(number), std::string(text), m_line});
    m_lastWasVerse = true;
  }

  void Continue(std::string_view text) {
    if (!m_lastWasVerse) Fail("indented continuation line without a verse before it");
    std::string& body = m_currentDay->verses.back().text;
    body += ' ';
    body += text;
  }

  void Finish() {
    if (!m_yearLine) Fail(m_line, "no @year line");
    if (m_plan.days.empty()) Fail(m_line, "no @day in the whole source");
    for (const PlanDay& day : m_plan.days)
      if (day.verses.empty())
        Fail(day.line, "day " + std::to_string(day.month) + "/" + std::to_string(day.day) + " has no verses");
  }

  std::string m_file;
  int m_line = 0;
  PlanSource m_plan;
  int m_yearLine = 0;
  int m_currentMonth = 0;
  PlanDay* m_currentDay = nullptr;  // days are kept in a vector: pointer refreshed at every @day
  bool m_lastWasVerse = false;
  std::map<int, int> m_monthLines;
  std::map<std::pair<int, int>, int> m_dayLines;
};

}  // namespace

PlanSource ParsePlanSource(std::istream& in, const std::string& fileName) { return Parser(fileName).Run(in); }

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int month, int year) {
  static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

std::string YearTitleFor(const PlanSource& plan, int year) {
  static const std::string placeholder = "{year}";
  std::string title = plan.yearTitle;
  const std::string digits = std::to_string(year);
  for (size_t at = title.find(placeholder); at != std::string::npos; at = title.find(placeholder, at + digits.size()))
    title.replace(at, placeholder.size(), digits);
  return title;
}

std::vector<const PlanDay*> DaysOfYear(const PlanSource& plan, int year) {
  std::vector<const PlanDay*> days;
  for (const PlanDay& day : plan.days)
    if (day.day <= DaysInMonth(day.month, year)) days.push_back(&day);
  return days;
}
