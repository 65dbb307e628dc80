#pragma once
// Why a Jet database file (the format of older diaries and plan files) could not be read. The reader
// throws it for every fault it finds, so that a caller tells the user one of a few causes.
#include <stdexcept>
#include <string>

class JetFileError : public std::runtime_error {
 public:
  enum class Kind {
    kNotJet,       // the file does not start as a Jet 3 or Jet 4 database
    kEncrypted,    // the engine's encryption is on: the pages cannot be read without it
    kDamaged,      // an offset, length or page chain that does not hold
    kTooLarge,     // the file or a value is larger than the reader takes
    kNoSuchTable,  // the file reads, but holds no table of that name
    kUnreadable,   // the file system refused to give the file's bytes
  };

  JetFileError(Kind kind, const std::string& description) : std::runtime_error(description), m_kind(kind) {}
  Kind GetKind() const { return m_kind; }

 private:
  Kind m_kind;
};

namespace jet_file {

[[noreturn]] inline void Damaged(const std::string& what) {
  throw JetFileError(JetFileError::Kind::kDamaged, "The Jet database is damaged: " + what + ".");
}

}  // namespace jet_file
