#include "ui/HelpRoute.h"

namespace {

// No WinHelp viewer of any Windows version was this small; the stub is well below it.
constexpr uint64_t kSmallestViewer = 64 * 1024;

// The version resource keeps its strings in UTF-16LE.
std::string Utf16Le(const char* ascii) {
  std::string bytes;
  for (; *ascii; ++ascii) bytes += {*ascii, '\0'};
  return bytes;
}

}  // namespace

HelpRoute ChooseHelpRoute(bool hasWinHelpViewer, bool helpPageExists) {
  return !hasWinHelpViewer && helpPageExists ? HelpRoute::kBrowser : HelpRoute::kWinHelp;
}

bool IsWinHelpStub(uint64_t fileSize, const std::string& versionResource) {
  static const std::string stub = Utf16Le("Stub");
  return fileSize < kSmallestViewer || versionResource.find(stub) != std::string::npos;
}
