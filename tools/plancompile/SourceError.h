#pragma once
// An input fault of a plan source, located by file and line, reported as "FILE:LINE: what is wrong".
#include <stdexcept>
#include <string>

class SourceError : public std::runtime_error {
 public:
  SourceError(const std::string& file, int line, const std::string& what)
      : std::runtime_error(file + ":" + std::to_string(line) + ": " + what), m_file(file), m_line(line) {}
  const std::string& File() const { return m_file; }
  int Line() const { return m_line; }

 private:
  std::string m_file;
  int m_line;
};
