#pragma once
// A connection to one database file. Paths and statements are UTF-8 text.
#include <chrono>
#include <memory>
#include <string>

struct sqlite3;
class SqliteConnection;

// Locale and options the diary passes when it creates its file; the layer accepts and ignores them.
inline constexpr const char* dbLangGeneral = ";LANGID=0x0409;CP=1252;COUNTRY=0";

class CDaoDatabase {
 public:
  CDaoDatabase();
  ~CDaoDatabase();
  CDaoDatabase(const CDaoDatabase&) = delete;
  CDaoDatabase& operator=(const CDaoDatabase&) = delete;

  // Opens an existing database file shared and read-write. Throws CDaoException naming the file
  // when it is missing or not a database of ours; the file is then left untouched.
  void Open(const std::string& path, bool exclusive = false, bool readOnly = false, const std::string& connect = "");
  // Opens an existing database file that nobody changes while it is open (a file shipped to be read):
  // read-only and without file locks. Refused files throw as with Open. Each step of a statement, the open's
  // own first read included, may take `stepLimit`.
  void OpenImmutable(const std::string& path, std::chrono::milliseconds stepLimit);
  // Makes a new, empty database file (an existing file is refused) and opens it.
  void Create(const std::string& path, const std::string& locale = dbLangGeneral, int options = 0);
  bool IsOpen() const;
  void Close();

  const std::string& GetName() const { return m_strPath; }
  SqliteConnection& Connection();  // for the table definition, recordset and transaction classes

 private:
  std::unique_ptr<SqliteConnection> m_conn;
  std::string m_strPath;
};
