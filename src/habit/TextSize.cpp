#include "habit/TextSize.h"

#include <algorithm>

const std::vector<int>& TextSizeSteps() {
  // One point at a time where a point is much, two points where it is little.
  static const std::vector<int> steps{9, 10, 11, 12, 14, 16, 18, 20, 22, 24};
  return steps;
}

int SnapTextSize(int points) {
  const std::vector<int>& steps = TextSizeSteps();
  const auto above = std::upper_bound(steps.begin(), steps.end(), points);
  return above == steps.begin() ? steps.front() : *(above - 1);
}

int StepTextSize(int size, int steps) {
  const std::vector<int>& sizes = TextSizeSteps();
  const int at = static_cast<int>(std::find(sizes.begin(), sizes.end(), SnapTextSize(size)) - sizes.begin());
  const int last = static_cast<int>(sizes.size()) - 1;
  return sizes[std::clamp(at + std::clamp(steps, -last, last), 0, last)];
}
