#pragma once
// A message for the user as portable code decides it: texts of the program's string table by id, each
// with the values its %s marks take, and words that are no text of ours (an engine's own description)
// as they are. The window layer renders it with the loaded texts (ui/ResourceText); tests of the core
// check which texts and values were chosen.
#include <functional>
#include <string>
#include <vector>

// Fills each %s of `pattern` with the next value; a %s without a value stays. Values are not scanned.
std::string FillText(const std::string& pattern, const std::vector<std::string>& values);

class MessageText {
 public:
  struct Part {
    int textId;                       // 0: `values[0]` as it is
    std::vector<std::string> values;  // for the text's %s marks
    bool operator==(const Part& other) const { return textId == other.textId && values == other.values; }
  };

  MessageText() = default;
  explicit MessageText(int textId, std::vector<std::string> values = {}) { Then(textId, std::move(values)); }

  MessageText& Then(int textId, std::vector<std::string> values = {});
  MessageText& ThenVerbatim(const std::string& words);
  // An engine's own description on a line of its own; nothing when it said nothing.
  MessageText& ThenEngineText(const std::string& engineText);
  MessageText& Then(const MessageText& more);

  const std::vector<Part>& Parts() const { return m_parts; }
  bool IsEmpty() const { return m_parts.empty(); }
  // The whole text, each id looked up by `lookup`.
  std::string Render(const std::function<std::string(int textId)>& lookup) const;

 private:
  std::vector<Part> m_parts;
};
