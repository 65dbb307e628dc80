#include "base/MessageText.h"

std::string FillText(const std::string& pattern, const std::vector<std::string>& values) {
  std::string text;
  size_t next = 0;
  for (size_t pos = 0; pos < pattern.size(); ++pos) {
    if (pattern[pos] == '%' && pos + 1 < pattern.size() && pattern[pos + 1] == 's' && next < values.size()) {
      text += values[next++];
      ++pos;
    } else {
      text += pattern[pos];
    }
  }
  return text;
}

MessageText& MessageText::Then(int textId, std::vector<std::string> values) {
  m_parts.push_back({textId, std::move(values)});
  return *this;
}

MessageText& MessageText::ThenVerbatim(const std::string& words) { return Then(0, {words}); }

MessageText& MessageText::ThenEngineText(const std::string& engineText) {
  return engineText.empty() ? *this : ThenVerbatim("\n" + engineText);
}

MessageText& MessageText::Then(const MessageText& more) {
  m_parts.insert(m_parts.end(), more.m_parts.begin(), more.m_parts.end());
  return *this;
}

std::string MessageText::Render(const std::function<std::string(int textId)>& lookup) const {
  std::string text;
  for (const Part& part : m_parts)
    text += part.textId == 0 ? part.values.front() : FillText(lookup(part.textId), part.values);
  return text;
}
