#pragma once
// Reads and writes the settings file Vesperal.ini in the program folder: UTF-8 text of "name=value"
// lines, no registry. It holds the habit's settings (the reminder writes them), the backups' (the backup
// keeper writes them) and the reading page's text size (the reading and settings windows write it); each
// writer keeps the others' lines as the file has them. Reading never fails:
// whatever is missing or damaged (a bad line, a time like 25:61, bytes that are no text) takes its default
// and the good lines are kept. Writing builds the whole file under another name and renames it over the old
// one, so a cut-short write leaves the old file; a folder that cannot be written comes back as a value for the
// window layer to tell once.
#include <string>

#include "base/MessageText.h"
#include "habit/BackupSettings.h"
#include "habit/HabitSettings.h"
#include "habit/TextSize.h"

struct SettingsReading {
  HabitSettings settings;
  BackupSettings backup;
  int textSize = kDefaultTextSize;  // points, one of TextSizeSteps()
  bool fileFound = false;
  int damagedLines = 0;  // lines that were neither a known setting with a good value, nor blank or a comment
};

struct SettingsWriting {
  bool written = false;
  std::string path;    // Vesperal.ini, UTF-8
  std::string folder;  // the program folder
  // The message for a settings change that could not be stored; empty when written.
  MessageText Message() const;
};

SettingsReading ParseSettingsText(const std::string& text);
std::string FormatSettingsText(const HabitSettings& settings, const BackupSettings& backup = {},
                               int textSize = kDefaultTextSize);

// `programDir` ends in a separator, as the diary's folder does.
SettingsReading ReadSettingsFile(const std::string& programDir);
// Each writes its own part and the other part as the file holds it now; bad lines are dropped.
SettingsWriting WriteSettingsFile(const std::string& programDir, const HabitSettings& settings);
SettingsWriting WriteBackupSettings(const std::string& programDir, const BackupSettings& backup);
SettingsWriting WriteTextSize(const std::string& programDir, int textSize);
