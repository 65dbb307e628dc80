#pragma once
// What the Windows benchmarks of the reading window share: a folder of their own, a plan with a reading
// on every day, message boxes answered at once (their texts go to stderr), and the message loop run dry.
#include <string>

// A new folder under the temporary folder, named `name` and the process id, ending in a backslash.
std::string MakeBenchFolder(const std::string& name);
// Writes <year>.dat in `folder`: every day of the year with the range text `range` and `verses` verses
// numbered from 1, each with the text `verse`. False when the file could not be written.
bool WriteEveryDayPlan(const std::string& folder, int year, int verses, const std::string& range,
                       const std::string& verse);
// Message boxes are answered OK without showing; their texts go to stderr.
void AnswerMessageBoxesAtOnce();
// Dispatches every message waiting, so that every window that changed has painted.
void Pump();
