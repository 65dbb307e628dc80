#include "db/DatabaseFileCheck.h"

#include <cstdint>
#include <cstring>
#include <fstream>
#include <system_error>

#include "base/FilePath.h"
#include "db/JetErrors.h"

namespace {

constexpr size_t kHeaderSize = 100;
const char kMagic[16] = {'S', 'Q', 'L', 'i', 't', 'e', ' ', 'f', 'o', 'r', 'm', 'a', 't', ' ', '3', '\0'};

uint32_t BigEndian(const unsigned char* bytes, int count) {
  uint32_t value = 0;
  for (int i = 0; i < count; ++i) value = (value << 8) | bytes[i];
  return value;
}

bool HasHotJournal(const std::filesystem::path& file) {
  std::error_code error;
  std::filesystem::path journal = file;
  journal += "-journal";
  const uintmax_t size = std::filesystem::file_size(journal, error);
  return !error && size > 0;
}

[[noreturn]] void Refuse(const std::string& path, const std::string& reason) {
  jet::Throw(jet::kUnrecognizedFormat, "Unrecognized database format '" + path + "': " + reason);
}

}  // namespace

void CheckDatabaseFile(const std::string& path) {
  const std::filesystem::path fsPath = FileSystemPath(path);
  std::error_code error;
  const auto status = std::filesystem::status(fsPath, error);
  if (!std::filesystem::exists(status)) jet::Throw(jet::kFileNotFound, "Could not find file '" + path + "'.");
  if (std::filesystem::is_directory(status)) Refuse(path, "it is a folder, not a database file.");
  if (!std::filesystem::is_regular_file(status)) Refuse(path, "it is not a regular file.");
  const uintmax_t size = std::filesystem::file_size(fsPath, error);
  if (error) Refuse(path, "its size cannot be read.");
  if (size == 0) Refuse(path, "the file is empty.");

  unsigned char header[kHeaderSize];
  std::ifstream file(fsPath, std::ios::binary);
  if (!file) Refuse(path, "the file cannot be read.");
  file.read(reinterpret_cast<char*>(header), kHeaderSize);
  if (size < kHeaderSize || file.gcount() != static_cast<std::streamsize>(kHeaderSize) ||
      std::memcmp(header, kMagic, sizeof kMagic) != 0)
    Refuse(path, "the file is not a database file.");

  uint32_t pageSize = BigEndian(header + 16, 2);
  if (pageSize == 1) pageSize = 65536;
  if (pageSize < 512 || pageSize > 65536 || (pageSize & (pageSize - 1)) != 0)
    Refuse(path, "the database header is damaged.");
  // A write cut short by a crash leaves a journal beside the file, from which SQLite restores the file
  // on its first read; until then its size may disagree with its header. WAL files keep their newest
  // pages in the -wal file.
  const bool walMode = header[18] == 2 || header[19] == 2;
  if (walMode || HasHotJournal(fsPath)) return;
  if (size < pageSize || size % pageSize != 0) Refuse(path, "the file is truncated.");
  // The page count in the header is valid while the two change counters agree.
  const uint32_t pageCount = BigEndian(header + 28, 4);
  const bool pageCountValid = pageCount != 0 && std::memcmp(header + 24, header + 92, 4) == 0;
  if (pageCountValid && uintmax_t{pageCount} * pageSize > size) Refuse(path, "the file is truncated.");
}
