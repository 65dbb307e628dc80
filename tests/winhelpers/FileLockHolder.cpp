// Another program holding a database file: opens it, takes an exclusive transaction, signals the event
// named by its second argument and holds the lock until the event named by its third argument is set, or
// for at most a minute. Built with the window tests, which start it.
#include <windows.h>

#include <sqlite3.h>

int main(int argc, char** argv) {
  if (argc != 4) return 2;
  sqlite3* db = nullptr;
  // The path comes in the ANSI code page; SQLite takes UTF-8.
  wchar_t wide[MAX_PATH] = L"";
  char utf8[4 * MAX_PATH] = "";
  ::MultiByteToWideChar(CP_ACP, 0, argv[1], -1, wide, MAX_PATH);
  ::WideCharToMultiByte(CP_UTF8, 0, wide, -1, utf8, sizeof utf8, nullptr, nullptr);
  if (sqlite3_open_v2(utf8, &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) return 3;
  if (sqlite3_exec(db, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr) != SQLITE_OK) return 4;
  HANDLE held = ::OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[2]);
  HANDLE release = ::OpenEventA(SYNCHRONIZE, FALSE, argv[3]);
  if (!held || !release) return 5;
  ::SetEvent(held);
  ::WaitForSingleObject(release, 60000);
  sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
  sqlite3_close(db);
  return 0;
}
