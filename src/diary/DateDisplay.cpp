#include "diary/DateDisplay.h"

#include <cstdlib>

namespace {

// atoi over a piece of the key; a piece beyond the end reads as 0.
int NumberAt(const std::string& key, size_t pos, size_t length) {
  if (pos >= key.size()) return 0;
  return std::atoi(key.substr(pos, length).c_str());
}

// The number right-aligned in `width` places, blanks in front, as "%*d" writes it.
std::string Padded(int number, size_t width) {
  std::string text = std::to_string(number);
  if (text.size() < width) text.insert(0, width - text.size(), ' ');
  return text;
}

}  // namespace

std::array<std::string, 3> DateDisplayNumbers(const std::string& key) {
  return {Padded(NumberAt(key, 0, 4), 4), Padded(NumberAt(key, 4, 2), 2), Padded(NumberAt(key, 6, 2), 2)};
}
