#include "ModulePlan.h"

#include "RangeText.h"

namespace {

std::string Replace(std::string text, const std::string& placeholder, const std::string& value) {
  for (size_t at = text.find(placeholder); at != std::string::npos; at = text.find(placeholder, at + value.size()))
    text.replace(at, placeholder.size(), value);
  return text;
}

// Length of the UTF-8 character that starts with `lead` (1 for a stray byte, which FindUtf8Fault reports).
size_t CharLength(unsigned char lead) {
  if (lead >= 0xF0) return 4;
  if (lead >= 0xE0) return 3;
  if (lead >= 0xC0) return 2;
  return 1;
}

constexpr std::string_view kEmDash = "\xE2\x80\x94";

// Blanks folded, control characters dropped; U+00A0 counts as a blank.
std::string Folded(std::string_view utf8) {
  std::string out;
  bool blank = false;
  for (size_t i = 0; i < utf8.size();) {
    const unsigned char c = static_cast<unsigned char>(utf8[i]);
    const bool nbsp = c == 0xC2 && i + 1 < utf8.size() && static_cast<unsigned char>(utf8[i + 1]) == 0xA0;
    if (c <= ' ' || c == 0x7F || nbsp) {
      blank = blank || c == ' ' || c == '\t' || c == '\n' || c == '\r' || nbsp;
      i += nbsp ? 2 : 1;
      continue;
    }
    if (blank && !out.empty()) out += ' ';
    blank = false;
    const size_t len = CharLength(c);
    out.append(utf8.substr(i, len));
    i += len;
  }
  return out;
}

}  // namespace

std::string ShowableText(std::string_view utf8) {
  const std::string folded = Folded(utf8);
  if (!FindUtf8Fault(folded) && folded.find(kEmDash) == std::string::npos) return folded;
  std::string out;
  for (size_t i = 0; i < folded.size();) {
    const size_t len = CharLength(static_cast<unsigned char>(folded[i]));
    const std::string_view ch = std::string_view(folded).substr(i, len);
    if (FindUtf8Fault(ch)) {
      out += '?';  // one for each bad byte: the next may start a good character
      ++i;
      continue;
    }
    i += len;
    if (ch == kEmDash)
      out += "\xE2\x80\x95";  // the horizontal bar, the dash Korean fonts have always drawn
    else
      out.append(ch);
  }
  return out;
}

PlanSource MakeModulePlan(const Schedule& schedule, const BibleOutline& outline, VerseReader& reader,
                          const PlanTitles& titles) {
  PlanSource plan;
  plan.yearTitle = titles.year;
  for (int month = 1; month <= 12; ++month)
    plan.months.push_back({month, Replace(titles.month, "{month}", std::to_string(month)), 0});
  for (const ScheduleDay& day : schedule) {
    PlanDay planDay{day.month, day.day, RangeText(outline, day.passages), {}, day.line};
    for (const Passage& passage : day.passages)
      for (const VerseAt& verse : VersesOf(outline, passage)) {
        std::string text = reader.PlainText(verse);
        if (!text.empty()) planDay.verses.push_back({std::to_string(verse.verse), std::move(text), day.line});
      }
    if (!planDay.verses.empty()) plan.days.push_back(std::move(planDay));
  }
  return plan;
}
