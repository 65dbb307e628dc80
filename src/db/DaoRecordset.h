#pragma once
// A result set opened with one statement of the engine's SQL dialect (UTF-8 text).
// Dynaset behaviour: positioned on the first row at open; rows of a one-table statement can be
// added, edited and deleted.
#include <memory>
#include <string>

#include "FieldValue.h"

class CDaoDatabase;

enum { dbOpenDynaset = 2 };

class CDaoRecordset {
 public:
  explicit CDaoRecordset(CDaoDatabase* database);
  ~CDaoRecordset();
  CDaoRecordset(const CDaoRecordset&) = delete;
  CDaoRecordset& operator=(const CDaoRecordset&) = delete;

  void Open(int openType, const std::string& sql, int options = 0);
  bool IsOpen() const noexcept;
  bool IsEOF() const;
  FieldValue GetFieldValue(const std::string& fieldName);
  void MoveNext();

  void AddNew();
  void Edit();
  void SetFieldValue(const std::string& fieldName, const std::string& text);
  void Update();
  void Delete();
  void Close() noexcept;

 private:
  class Impl;
  CDaoDatabase* m_pDatabase;
  std::unique_ptr<Impl> m_impl;
};
