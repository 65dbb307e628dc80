#pragma once
// The size of the reading page's text, in points: the sizes the user steps through (Ctrl+wheel, Ctrl+= and
// Ctrl+-, the settings window's list) and the one Ctrl+0 comes back to, the size of the reading window's own
// font. Vesperal.ini keeps the chosen size.
#include <vector>

constexpr int kDefaultTextSize = 9;
constexpr int kSmallestTextSize = 9;
constexpr int kLargestTextSize = 24;

// The sizes in order, from kSmallestTextSize to kLargestTextSize.
const std::vector<int>& TextSizeSteps();

// The size `steps` steps larger (negative: smaller) than `size`, held within the smallest and the largest.
int StepTextSize(int size, int steps);

// A size from outside the steps (a hand-edited file): the nearest step at or below it, within the range.
int SnapTextSize(int points);
