#pragma once
// What a failure of the database engine means to the user, as a kind: the database layer sorts the engine's
// result codes into these (db/ClassifyFault.h), and the words for each are chosen apart (base/FaultText.h).

enum class EngineFault {
  kOther,         // anything a user cannot act on by name
  kNotWritable,   // a read-only file, or a folder where the engine cannot write its journal
  kDamaged,       // not a database, or a database with damaged pages
  kLocked,        // another program held the file locked past the wait
  kDiskFull,      // no room left on the disk
  kTooMuchWork,   // a statement ran past the bound on work, or a text past the bound on length
};
