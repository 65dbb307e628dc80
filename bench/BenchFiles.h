#pragma once
// Data files for the benchmarks, made once per run in a temporary folder.
#include <string>

// A folder (ending in '/') holding reading plans for firstYear..lastYear, every day with versesPerDay verses.
std::string MakePlanFolder(int firstYear, int lastYear, int versesPerDay);
// A folder holding memo.mdb with the given number of diary entries; every tenth one mentions `needle`. Each
// meditation is lengthened by about `moreBytes` of Korean text (a diary of years of long entries).
std::string MakeDiaryFolder(int entries, const std::string& needleUtf8, int moreBytes = 0);
