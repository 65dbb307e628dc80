#include "ScheduleFile.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <optional>
#include <utility>

#include "PlanSource.h"
#include "SourceError.h"
#include "TextCheck.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Takes the leading number of at most two digits off `rest`, with the blanks after it.
std::optional<int> TakeNumber(std::string_view& rest) {
  size_t end = 0;
  while (end < rest.size() && std::isdigit(static_cast<unsigned char>(rest[end]))) ++end;
  if (end == 0 || end > 2 || (end < rest.size() && !IsBlank(rest[end]))) return std::nullopt;
  const int value = std::stoi(std::string(rest.substr(0, end)));
  rest.remove_prefix(end);
  while (!rest.empty() && IsBlank(rest.front())) rest.remove_prefix(1);
  return value;
}

}  // namespace

Schedule ParseScheduleFile(std::istream& in, const std::string& fileName, ReferenceResolver& resolver) {
  Schedule days;
  std::map<std::pair<int, int>, int> seen;
  std::string raw;
  int line = 0;
  const auto fail = [&](const std::string& what) { throw SourceError(fileName, line, what); };
  while (std::getline(in, raw)) {
    ++line;
    std::string_view text(raw);
    if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
    if (line == 1 && text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    if (auto fault = FindUtf8Fault(text)) fail(*fault);
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    if (text.empty() || text.front() == '#') continue;

    const auto month = TakeNumber(text);
    if (!month || *month < 1 || *month > 12) fail("expected a month 1 to 12 at the start of the line");
    const auto day = TakeNumber(text);
    // Any year may be built from one schedule, so 29 February is always accepted here.
    if (!day || *day < 1 || *day > DaysInMonth(*month, 2000))
      fail("expected a day of month " + std::to_string(*month) + " after the month");
    if (const auto first = seen.find({*month, *day}); first != seen.end())
      fail("day " + std::to_string(*month) + "/" + std::to_string(*day) + " appears twice (first at line " +
           std::to_string(first->second) + ")");
    if (text.empty()) fail("day " + std::to_string(*month) + "/" + std::to_string(*day) + " has no reference");
    seen[{*month, *day}] = line;
    try {
      days.push_back({*month, *day, resolver.Resolve(std::string(text)), line});
    } catch (const ReferenceError& e) {
      fail(e.what());
    }
  }
  std::stable_sort(days.begin(), days.end(), [](const ScheduleDay& a, const ScheduleDay& b) {
    return std::make_pair(a.month, a.day) < std::make_pair(b.month, b.day);
  });
  return days;
}
