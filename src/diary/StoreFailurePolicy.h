#pragma once
// What happens when the diary cannot store what was typed, decided in one place for every occasion that
// stores: the user is told with one message, and what was typed is never given up without consent, except
// at the end of the Windows session, when no one can be asked and the program must let the session end.
enum class StoreOccasion {
  kDateChange,  // another date is to be shown
  kClose,       // the diary window is to close
  kSearch,      // the search is to read the file
  kExport,      // the export is to write the file
  kDelete,      // the shown date's entry is to be deleted
  kSessionEnd,  // Windows ends the session, or the window goes with no one left to ask
};

struct StoreFailureResponse {
  int headline = 0;           // string id of the message's first line: what could not be done
  int attempts = 1;           // how often the store is tried before it counts as failed
  bool tell = true;           // the failure message is shown
  bool askToGiveUp = false;   // the message asks whether to give up what was typed and go on
  bool goOnAnyway = false;    // the occasion goes on although nothing was stored (the text stays unstored)
};

StoreFailureResponse RespondToStoreFailure(StoreOccasion occasion);
