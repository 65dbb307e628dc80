#pragma once
// The read marks of the program folder's diary, read for the tray's reminder while the reading window may be
// closed: memo.mdb is opened read-only, and neither the file nor its READMARK table is ever made here.
#include <optional>
#include <string>

#include "habit/ReadMarks.h"

// No memo.mdb, or one without a READMARK table: no marks. None when the file or its table cannot be read
// (damaged, locked, a READMARK that is not a plain table). `programDir` ends in a separator.
std::optional<ReadMarks> ReadStoredMarks(const std::string& programDir);
