#pragma once
// Why the diary database could not be opened, kept as a value by the diary store so that the diary button
// can say it whenever it is pressed, while the reading window goes on without a diary.
#include <string>

#include "base/FaultText.h"

// Where the diary's backups are: the folder in use and its newest copy (empty when it holds none).
struct DiaryUnavailable {
  enum class Reason {
    kNone,           // the diary is open
    kCannotCreate,   // no memo.mdb, and none can be made in the folder
    kFileFault,      // memo.mdb exists but cannot be opened: see `fault`
    kNotADiary,      // memo.mdb is a database without the diary's table
    kFolderInTheWay, // a folder stands where memo.mdb should be
    kEncrypted,      // memo.mdb is an older diary (Jet) that its engine encrypted
    kCannotImport,   // memo.mdb is an older diary (Jet), and the folder takes no new diary beside it
  };
  Reason reason = Reason::kNone;
  EngineFault fault = EngineFault::kOther;  // for kFileFault
  std::string path;                         // memo.mdb, UTF-8
  std::string folder;                       // the folder it lies in, ending in a backslash
  std::string engineText;                   // the engine's own words, for the last line

  bool IsAvailable() const { return reason == Reason::kNone; }
  // The message shown instead of opening the diary; empty while the diary is open. For a damaged file, or
  // one that is no diary, it names the newest backup (or the backup folder without one), looked up now.
  MessageText Message() const;
};
