#include "habit/SettingsFile.h"

#include <fstream>
#include <iterator>
#include <optional>
#include <system_error>

#include "res/AppTitle.h"
#include "res/TextIds.h"
#include "base/FilePath.h"
#include "base/ProgramFiles.h"

namespace {

constexpr char kReminder[] = "reminder";
constexpr char kReminderTime[] = "reminderTime";
constexpr char kLastBalloon[] = "lastBalloon";
constexpr char kBackupFolder[] = "backupFolder";
constexpr char kLastBackup[] = "lastBackup";  // "YYYYMMDD HH:MM"
constexpr char kLastBackupStamp[] = "lastBackupStamp";
constexpr char kBackupFailureTold[] = "backupFailureTold";
constexpr char kTrayTip[] = "trayTip";
constexpr char kTextSize[] = "textSize";  // points
// Settings are a few lines; a longer file is not ours, and only its beginning is read.
constexpr size_t kMostBytesRead = 64 * 1024;

std::string Trim(const std::string& text) {
  const char* blanks = " \t\r";
  const size_t first = text.find_first_not_of(blanks);
  if (first == std::string::npos) return std::string();
  return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Exactly "HH:MM", 00:00 to 23:59.
std::optional<ReminderTime> ParseTime(const std::string& value) {
  if (value.size() != 5 || value[2] != ':' || !IsDigit(value[0]) || !IsDigit(value[1]) || !IsDigit(value[3]) ||
      !IsDigit(value[4]))
    return std::nullopt;
  const ReminderTime time{(value[0] - '0') * 10 + (value[1] - '0'), (value[3] - '0') * 10 + (value[4] - '0')};
  if (time.hour > 23 || time.minute > 59) return std::nullopt;
  return time;
}

std::string FormatTime(const ReminderTime& time) {
  const std::string two = "0123456789";
  return std::string{two[time.hour / 10], two[time.hour % 10], ':', two[time.minute / 10], two[time.minute % 10]};
}

// A folder or a stamp is one line of text: no control characters, nothing that would end the line.
bool IsOneLineText(const std::string& value) {
  if (value.empty()) return false;
  for (unsigned char c : value)
    if (c < 0x20 || c == 0x7F) return false;
  return true;
}

std::optional<LocalTime> ParseMoment(const std::string& value) {
  if (value.size() != 14 || value[8] != ' ') return std::nullopt;
  const auto day = ParseDayKey(value.substr(0, 8));
  const auto time = ParseTime(value.substr(9));
  if (!day || !time) return std::nullopt;
  return LocalTime{*day, time->SecondOfDay()};
}

std::string FormatMoment(const LocalTime& moment) {
  return DayKey(moment.day) + " " + FormatTime(ReminderTime{moment.secondOfDay / 3600, moment.secondOfDay / 60 % 60});
}

// True when the line was a known backup setting with a good value, and takes it.
bool ApplyBackupLine(const std::string& name, const std::string& value, BackupSettings& backup) {
  if (name == kBackupFolder || name == kLastBackupStamp) {
    if (!IsOneLineText(value)) return false;
    (name == kBackupFolder ? backup.folder : backup.lastStamp) = value;
    return true;
  }
  if (name == kLastBackup) {
    const auto moment = ParseMoment(value);
    if (moment) backup.last = moment;
    return moment.has_value();
  }
  if (name == kBackupFailureTold) {
    const auto day = ParseDayKey(value);
    if (day) backup.failureTold = day;
    return day.has_value();
  }
  return false;
}

// True when the line was a known setting with a good value, and takes it.
bool ApplyLine(const std::string& name, const std::string& value, HabitSettings& settings) {
  if (name == kReminder) {
    if (value != "on" && value != "off") return false;
    settings.reminderOn = value == "on";
    return true;
  }
  if (name == kReminderTime) {
    const auto time = ParseTime(value);
    if (time) settings.reminderTime = *time;
    return time.has_value();
  }
  if (name == kLastBalloon) {
    const auto day = ParseDayKey(value);
    if (day) settings.lastBalloonDay = day;
    return day.has_value();
  }
  if (name == kTrayTip) {
    if (value != "shown") return false;
    settings.trayTipShown = true;
    return true;
  }
  return false;
}

// A whole number of points in the range; one between two steps takes the step below it.
bool ApplyTextSizeLine(const std::string& name, const std::string& value, int& textSize) {
  if (name != kTextSize || value.empty() || value.size() > 2 || !IsDigit(value[0]) || !IsDigit(value.back()))
    return false;
  const int points = std::stoi(value);
  if (points < kSmallestTextSize || points > kLargestTextSize) return false;
  textSize = SnapTextSize(points);
  return true;
}

}  // namespace

SettingsReading ParseSettingsText(const std::string& text) {
  SettingsReading reading;
  size_t start = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    const std::string line = Trim(text.substr(start, end - start));
    start = end + 1;
    if (line.empty() || line[0] == ';' || line[0] == '#' || line[0] == '[') continue;
    const size_t equals = line.find('=');
    if (equals == std::string::npos) {
      ++reading.damagedLines;
      continue;
    }
    const std::string name = Trim(line.substr(0, equals)), value = Trim(line.substr(equals + 1));
    const bool good = ApplyLine(name, value, reading.settings) || ApplyBackupLine(name, value, reading.backup) ||
                      ApplyTextSizeLine(name, value, reading.textSize);
    if (!good) ++reading.damagedLines;
  }
  return reading;
}

std::string FormatSettingsText(const HabitSettings& settings, const BackupSettings& backup, int textSize) {
  std::string text = "; " VESPERAL_APP_TITLE
                     " settings: reminder=on|off, reminderTime=HH:MM, backupFolder=FOLDER, "
                     "textSize=9..24\r\n";
  const auto line = [&text](const char* name, const std::string& value) { text += name + ("=" + value) + "\r\n"; };
  line(kReminder, settings.reminderOn ? "on" : "off");
  line(kReminderTime, FormatTime(settings.reminderTime));
  if (settings.lastBalloonDay) line(kLastBalloon, DayKey(*settings.lastBalloonDay));
  if (IsOneLineText(backup.folder)) line(kBackupFolder, backup.folder);
  if (backup.last) line(kLastBackup, FormatMoment(*backup.last));
  if (IsOneLineText(backup.lastStamp)) line(kLastBackupStamp, backup.lastStamp);
  if (backup.failureTold) line(kBackupFailureTold, DayKey(*backup.failureTold));
  if (settings.trayTipShown) line(kTrayTip, "shown");
  if (textSize != kDefaultTextSize) line(kTextSize, std::to_string(textSize));
  return text;
}

SettingsReading ReadSettingsFile(const std::string& programDir) {
  std::ifstream file(FileSystemPath(SettingsFilePath(programDir)), std::ios::binary);
  if (!file) return SettingsReading();
  std::string text(kMostBytesRead, '\0');
  file.read(&text[0], static_cast<std::streamsize>(text.size()));
  text.resize(static_cast<size_t>(file.gcount()));
  SettingsReading reading = ParseSettingsText(text);
  reading.fileFound = true;
  return reading;
}

namespace {

// Writes every part of `whole`, as the caller changed one of them.
SettingsWriting WriteWholeFile(const std::string& programDir, const SettingsReading& whole) {
  SettingsWriting writing;
  writing.folder = programDir;
  writing.path = SettingsFilePath(programDir);
  const std::string building = writing.path + ".new";
  const std::string text = FormatSettingsText(whole.settings, whole.backup, whole.textSize);
  std::error_code error;
  {
    std::ofstream file(FileSystemPath(building), std::ios::binary | std::ios::trunc);
    file.write(text.data(), static_cast<std::streamsize>(text.size()));
    file.close();
    if (!file) {
      std::filesystem::remove(FileSystemPath(building), error);
      return writing;
    }
  }
  std::filesystem::rename(FileSystemPath(building), FileSystemPath(writing.path), error);
  if (error) {
    std::filesystem::remove(FileSystemPath(building), error);
    return writing;
  }
  writing.written = true;
  return writing;
}

}  // namespace

SettingsWriting WriteSettingsFile(const std::string& programDir, const HabitSettings& settings) {
  SettingsReading whole = ReadSettingsFile(programDir);
  whole.settings = settings;
  return WriteWholeFile(programDir, whole);
}

SettingsWriting WriteBackupSettings(const std::string& programDir, const BackupSettings& backup) {
  SettingsReading whole = ReadSettingsFile(programDir);
  whole.backup = backup;
  return WriteWholeFile(programDir, whole);
}

SettingsWriting WriteTextSize(const std::string& programDir, int textSize) {
  SettingsReading whole = ReadSettingsFile(programDir);
  whole.textSize = SnapTextSize(textSize);
  return WriteWholeFile(programDir, whole);
}

MessageText SettingsWriting::Message() const {
  if (written) return MessageText();
  return MessageText(IDS_SETTINGS_CANNOT_WRITE, {folder});
}
