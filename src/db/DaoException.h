#pragma once
// An error of the database engine, carrying a readable description (UTF-8).
#include <stdexcept>
#include <string>

class CDaoException : public std::runtime_error {
 public:
  CDaoException(std::string description, int engineCode = 0, std::string file = {})
      : std::runtime_error(description),
        m_strDescription(std::move(description)),
        m_nEngineCode(engineCode),
        m_strFile(std::move(file)) {}
  const std::string& Description() const { return m_strDescription; }
  // Jet's error number for the errors the layer raises itself (3021 "No current record." and the like),
  // SQLite's extended result code for the failures of SQLite.
  int EngineCode() const { return m_nEngineCode; }
  // The database file the failure concerns; empty when the layer does not know it.
  const std::string& File() const { return m_strFile; }

 private:
  std::string m_strDescription;
  int m_nEngineCode;
  std::string m_strFile;
};
