#include "db/ClassifyFault.h"

#include <sqlite3.h>

#include "db/JetErrors.h"

EngineFault ClassifyEngineCode(int engineCode) {
  switch (engineCode) {
    case jet::kUnrecognizedFormat:
      return EngineFault::kDamaged;
    case jet::kReadOnly:
      return EngineFault::kNotWritable;
    default:
      break;
  }
  // The layer's own numbers lie above SQLite's primary codes; only SQLite's codes are sorted below.
  if (engineCode >= 3000 && engineCode < 4000) return EngineFault::kOther;
  switch (engineCode & 0xFF) {
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_CANTOPEN:  // the journal beside the file cannot be made: the folder is read-only
      return EngineFault::kNotWritable;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
      return EngineFault::kDamaged;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
      return EngineFault::kLocked;
    case SQLITE_FULL:
      return EngineFault::kDiskFull;
    case SQLITE_INTERRUPT:
    case SQLITE_TOOBIG:
      return EngineFault::kTooMuchWork;
    default:
      return EngineFault::kOther;
  }
}
