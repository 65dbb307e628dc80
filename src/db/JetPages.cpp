#include "db/JetPages.h"

#include <cstring>
#include <fstream>
#include <system_error>

#include "db/DatabaseFileCheck.h"
#include "base/FilePath.h"

namespace jet_file {

namespace {

constexpr size_t kMagicSize = 19;
const char kMagic[kMagicSize + 1] = "\x00\x01\x00\x00Standard Jet DB";
constexpr size_t kVersionAt = 0x14;
// The first page is masked from 0x18 on with a stream that is the same in every file. The database key at
// 0x3E reads as these four bytes when it is zero, which it is unless the engine encrypted every page.
constexpr size_t kKeyAt = 0x3E;
const uint8_t kMaskedZeroKey[4] = {0xFB, 0x8A, 0xBC, 0x4E};

}  // namespace

bool StartsAsJet(const std::string& firstBytes) {
  return firstBytes.size() >= kMagicSize && std::memcmp(firstBytes.data(), kMagic, kMagicSize) == 0;
}

Pages::Pages(std::string bytes) : m_bytes(std::move(bytes)) {
  if (!StartsAsJet(m_bytes) || m_bytes.size() <= kVersionAt)
    throw JetFileError(JetFileError::Kind::kNotJet, "The file is not a Jet database.");
  const uint8_t version = static_cast<uint8_t>(m_bytes[kVersionAt]);
  if (version == 0)
    m_format = &kJet3;
  else if (version == 1)
    m_format = &kJet4;
  else
    throw JetFileError(JetFileError::Kind::kNotJet, "The file is a Jet database of a version other than 3 or 4.");
  if (m_bytes.size() > kMaxFileBytes)
    throw JetFileError(JetFileError::Kind::kTooLarge, "The Jet database is larger than 256 MB.");
  // The catalog's definition is page 2, so a database has at least three pages.
  if (m_bytes.size() % m_format->pageSize != 0 || m_bytes.size() < 3 * m_format->pageSize)
    Damaged("its size is not a whole number of pages");
  if (std::memcmp(m_bytes.data() + kKeyAt, kMaskedZeroKey, sizeof kMaskedZeroKey) != 0)
    throw JetFileError(JetFileError::Kind::kEncrypted, "The Jet database is encrypted.");
  m_count = static_cast<uint32_t>(m_bytes.size() / m_format->pageSize);
}

Bytes Pages::Page(uint32_t number) const {
  if (number >= m_count) Damaged("a page number points past the end of the file");
  return Bytes(reinterpret_cast<const uint8_t*>(m_bytes.data()) + size_t{number} * m_format->pageSize,
               m_format->pageSize);
}

}  // namespace jet_file

bool IsJetFile(const std::string& path) {
  std::ifstream file(FileSystemPath(path), std::ios::binary);
  std::string start(jet_file::kMagicSize, '\0');
  if (!file.read(&start[0], static_cast<std::streamsize>(start.size()))) return false;
  return jet_file::StartsAsJet(start);
}

std::string ReadJetFileBytes(const std::string& path) {
  const std::filesystem::path fsPath = FileSystemPath(path);
  std::error_code error;
  const uintmax_t size = std::filesystem::file_size(fsPath, error);
  if (error) throw JetFileError(JetFileError::Kind::kUnreadable, "The file's size cannot be read.");
  if (size > jet_file::kMaxFileBytes)
    throw JetFileError(JetFileError::Kind::kTooLarge, "The Jet database is larger than 256 MB.");
  std::ifstream file(fsPath, std::ios::binary);
  std::string bytes(static_cast<size_t>(size), '\0');
  if (!file || !file.read(&bytes[0], static_cast<std::streamsize>(size)))
    throw JetFileError(JetFileError::Kind::kUnreadable, "The file cannot be read whole.");
  return bytes;
}
