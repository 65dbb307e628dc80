#pragma once
// What a failure of the database engine means to the user, and the message that says so. The
// engine's result codes are sorted here, in one place, so that every window words a failure alike.
#include <string>

#include "db/MessageText.h"

enum class EngineFault {
  kOther,         // anything a user cannot act on by name
  kNotWritable,   // a read-only file, or a folder where the engine cannot write its journal
  kDamaged,       // not a database, or a database with damaged pages
  kLocked,        // another program held the file locked past the wait
  kDiskFull,      // no room left on the disk
  kTooMuchWork,   // a statement ran past the bound on work, or a text past the bound on length
};

// The fault of an engine code: SQLite's (extended) result code, or one of the layer's own Jet numbers.
EngineFault ClassifyEngineCode(int engineCode);

// The message for a fault with the file it concerns (its %s): what happened, that the file was not changed
// where that holds, and what to do. `engineText`, when given, follows on a line of its own.
MessageText DescribeEngineFault(EngineFault fault, const std::string& file, const std::string& engineText = "");
