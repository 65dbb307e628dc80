// Another program holding a database file: opens it, takes an exclusive transaction, signals the event
// named by its second argument and holds the lock until the event named by its third argument is set, or
// for at most a minute. Built with the window tests, which start it.
#include <windows.h>

#include <shellapi.h>
#include <sqlite3.h>

#include <string>

namespace {

// SQLite takes UTF-8 paths.
std::string Utf8(const wchar_t* wide) {
  const int size = ::WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<size_t>(size > 0 ? size : 1), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, wide, -1, &text[0], size, nullptr, nullptr);
  text.resize(text.size() - 1);
  return text;
}

}  // namespace

int main() {
  // The arguments are read in UTF-16: the path may hold characters the ANSI code page lacks.
  int argc = 0;
  wchar_t** argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
  if (!argv || argc != 4) return 2;
  sqlite3* db = nullptr;
  if (sqlite3_open_v2(Utf8(argv[1]).c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) return 3;
  if (sqlite3_exec(db, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr) != SQLITE_OK) return 4;
  HANDLE held = ::OpenEventW(EVENT_MODIFY_STATE, FALSE, argv[2]);
  HANDLE release = ::OpenEventW(SYNCHRONIZE, FALSE, argv[3]);
  if (!held || !release) return 5;
  ::SetEvent(held);
  ::WaitForSingleObject(release, 60000);
  sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
  sqlite3_close(db);
  ::LocalFree(argv);
  return 0;
}
