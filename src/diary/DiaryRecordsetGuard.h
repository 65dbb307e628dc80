#pragma once
// Closes the diary's one recordset when a statement's work ends, also when an engine error ends it:
// a recordset left open would make every later statement on it fail.
#include "db/DaoRecordset.h"

class CRecordsetCloser {
 public:
  explicit CRecordsetCloser(CDaoRecordset& set) : m_set(set) {}
  ~CRecordsetCloser() {
    if (m_set.IsOpen()) m_set.Close();
  }
  CRecordsetCloser(const CRecordsetCloser&) = delete;
  CRecordsetCloser& operator=(const CRecordsetCloser&) = delete;

 private:
  CDaoRecordset& m_set;
};
