#include "base/ProgramFiles.h"

std::string PlanFilePath(const std::string& programDir, int year) { return programDir + std::to_string(year) + ".dat"; }
std::string DiaryFilePath(const std::string& programDir) { return programDir + "memo.mdb"; }
std::string SettingsFilePath(const std::string& programDir) { return programDir + "Vesperal.ini"; }
std::string GreetingSoundPath(const std::string& programDir) { return programDir + "Vesperal.wav"; }
std::string HelpFilePath(const std::string& programDir) { return programDir + "psaltery.hlp"; }
std::string HelpPagePath(const std::string& programDir) { return programDir + "psaltery.html"; }
