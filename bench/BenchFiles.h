#pragma once
// Data files for the benchmarks, made once per run in a temporary folder.
#include <string>

// A folder (ending in '/') holding reading plans for firstYear..lastYear, every day with versesPerDay verses.
std::string MakePlanFolder(int firstYear, int lastYear, int versesPerDay);
// A folder holding memo.mdb with the given number of diary entries; every tenth one mentions `needle`.
std::string MakeDiaryFolder(int entries, const std::string& needleUtf8);
