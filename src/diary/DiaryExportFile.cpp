#include "diary/DiaryExportFile.h"

#include "db/Cp949.h"
#include "base/FilePath.h"

namespace {

constexpr char kUtf8ByteOrderMark[] = "\xEF\xBB\xBF";
constexpr size_t kWriteSize = 1 << 16;

// Binary mode: the text carries its own CR LF line ends. Update mode: the file may be read back.
std::FILE* OpenForUpdate(const std::string& path) {
#ifdef _WIN32
  return _wfopen(FileSystemPath(path).c_str(), L"w+b");
#else
  return std::fopen(FileSystemPath(path).c_str(), "w+b");
#endif
}

}  // namespace

CDiaryExportFile::CDiaryExportFile(const std::string& path) : m_file(OpenForUpdate(path)) {
  m_pending.reserve(kWriteSize + kWriteSize / 2);
}

void CDiaryExportFile::Append(std::string_view utf8) {
  if (!m_utf8 && !AppendWholeCp949(utf8, m_pending)) SwitchToUtf8();
  if (m_utf8) m_pending.append(utf8);
  if (m_pending.size() >= kWriteSize) WritePending();
}

void CDiaryExportFile::WritePending() {
  m_ok = std::fwrite(m_pending.data(), 1, m_pending.size(), m_file.get()) == m_pending.size() && m_ok;
  m_pending.clear();
}

void CDiaryExportFile::SwitchToUtf8() {
  // What the file holds so far is code page 949 that this object wrote: it reads back exactly.
  WritePending();
  std::string written;
  std::FILE* file = m_file.get();
  if (std::fflush(file) == 0 && std::fseek(file, 0, SEEK_END) == 0) {
    const long size = std::ftell(file);
    if (size > 0 && std::fseek(file, 0, SEEK_SET) == 0) {
      written.resize(static_cast<size_t>(size));
      m_ok = std::fread(written.data(), 1, written.size(), file) == written.size() && m_ok;
    }
  } else {
    m_ok = false;
  }
  // UTF-8 is never shorter than the code page 949 of the same text: the rewrite covers every old byte.
  m_ok = std::fseek(file, 0, SEEK_SET) == 0 && m_ok;
  m_pending = kUtf8ByteOrderMark + Cp949ToUtf8(written);
  m_utf8 = true;
}

bool CDiaryExportFile::Close() {
  if (!m_file) return false;
  WritePending();
  return std::fclose(m_file.release()) == 0 && m_ok;
}
