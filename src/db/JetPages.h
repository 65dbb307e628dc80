#pragma once
// The pages of a Jet 3 or Jet 4 database file, read whole into memory and checked at the door: the file's
// start, its version, the engine's encryption and its size. Every page handed out lies inside the file.
#include <cstdint>
#include <string>

#include "db/JetBytes.h"
#include "db/JetFormat.h"

namespace jet_file {

// No diary or plan comes near this; a larger file is refused before it is read.
constexpr uint64_t kMaxFileBytes = 256u * 1024 * 1024;

class Pages {
 public:
  // Throws JetFileError: kNotJet, kEncrypted, kDamaged (a size that is no whole number of pages), kTooLarge.
  explicit Pages(std::string bytes);

  const Format& GetFormat() const { return *m_format; }
  uint32_t Count() const { return m_count; }
  // The page of that number; a number outside the file is damage.
  Bytes Page(uint32_t number) const;
  const std::string& FileBytes() const { return m_bytes; }

 private:
  std::string m_bytes;
  const Format* m_format = nullptr;
  uint32_t m_count = 0;
};

// True when the bytes start as a Jet database does ("Standard Jet DB"), whatever its version.
bool StartsAsJet(const std::string& firstBytes);

}  // namespace jet_file

// True when the file at the UTF-8 path starts as a Jet database: only its first bytes are read, and a file
// that cannot be read is no Jet file.
bool IsJetFile(const std::string& path);
// The whole file, or throws JetFileError (kTooLarge beyond the reader's bound, kUnreadable).
std::string ReadJetFileBytes(const std::string& path);
