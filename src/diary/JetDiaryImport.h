#pragma once
// Brings a diary of the older program, a Jet database memo.mdb, into the program's own form. Called by the
// diary store when memo.mdb is a Jet file; the file is either replaced whole by a diary of ours holding
// every entry, with the Jet file kept beside it byte for byte, or left as it was.
#include <string>

#include "base/MessageText.h"
#include "diary/DiaryUnavailable.h"

// When memo.mdb in `programDir` (ending in a separator) is a Jet file: copies every row of its VESPERAL into
// a new diary built under another name, keeps the Jet file as memo-jet.mdb (memo-jet-2.mdb and so on: never
// over another file), and only then renames the new diary into memo.mdb, so that a crash leaves the Jet
// file in place. True with `notice` saying how many entries came over and where the Jet file now lies, or
// at once when memo.mdb is no Jet file (or missing); false with the reason in `refusal`, memo.mdb
// unchanged and nothing left behind.
bool ImportJetDiary(const std::string& programDir, MessageText& notice, DiaryUnavailable& refusal);
