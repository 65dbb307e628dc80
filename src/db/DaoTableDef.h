#pragma once
// A table definition, used to set up a new database: create, add fields, append, close.
#include <string>
#include <vector>

class CDaoDatabase;

enum : short { dbText = 10, dbMemo = 12 };
enum : long { dbUpdatableField = 32 };

class CDaoTableDef {
 public:
  explicit CDaoTableDef(CDaoDatabase* database);

  void Create(const std::string& name, long attributes = 0);
  // Text fields keep their size (characters) as a limit; every field refuses an empty text
  // (AllowZeroLength false) and accepts Null (Required false).
  void CreateField(const std::string& name, short type, long size, long attributes);
  void Append();  // stores the table in the database
  void Close();

 private:
  struct Field { std::string name; short type; long size; };
  CDaoDatabase* m_pDatabase;
  std::string m_strName;
  std::vector<Field> m_fields;
  bool m_bCreated = false;
  bool m_bAppended = false;
};
