#include "diary/StoreFailurePolicy.h"

#include "res/TextIds.h"

StoreFailureResponse RespondToStoreFailure(StoreOccasion occasion) {
  StoreFailureResponse response;
  response.headline = occasion == StoreOccasion::kDelete ? IDS_DIARY_DELETE_FAILED : IDS_DIARY_STORE_FAILED;
  switch (occasion) {
    case StoreOccasion::kClose:
      // Closing is the last chance to keep the text: the user decides whether it may go.
      response.askToGiveUp = true;
      break;
    case StoreOccasion::kSessionEnd:
      // A file held for a moment by another program may be free a moment later; after that the session
      // ends whatever happens, and a message box could only hold it up.
      response.attempts = 2;
      response.tell = false;
      response.goOnAnyway = true;
      break;
    case StoreOccasion::kDateChange:
    case StoreOccasion::kSearch:
    case StoreOccasion::kExport:
    case StoreOccasion::kDelete:
      // The occasion waits: the text stays in the window, on its date, until it can be stored.
      break;
  }
  return response;
}
