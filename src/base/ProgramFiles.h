#pragma once
// The files the program keeps in its folder, named in one place. `programDir` is the folder as UTF-8 text
// ending in its separator.
#include <string>

// The reading plan of a year, "<year>.dat".
std::string PlanFilePath(const std::string& programDir, int year);
// The diary "memo.mdb".
std::string DiaryFilePath(const std::string& programDir);
// The settings "Vesperal.ini".
std::string SettingsFilePath(const std::string& programDir);
// The greeting sound "Vesperal.wav".
std::string GreetingSoundPath(const std::string& programDir);
// The help file "psaltery.hlp", and its page "psaltery.html" for machines without a help viewer.
std::string HelpFilePath(const std::string& programDir);
std::string HelpPagePath(const std::string& programDir);
