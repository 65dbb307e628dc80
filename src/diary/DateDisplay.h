#pragma once
// The numbers of a date's display text, "%4d년 %2d월 %2d일", which the search list and the export show for a
// date key: the key's characters 1-4, 5-6 and 7-8 read as decimal numbers (as atoi reads them, so that a key
// another tool wrote shows what it holds), right-aligned in 4, 2 and 2 places.
#include <array>
#include <string>

std::array<std::string, 3> DateDisplayNumbers(const std::string& key);
