// The probe for a WinHelp viewer, on real files: what is missing, what looks like the stub of newer Windows,
// and Wine's own winhlp32.exe, a working viewer.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "core/TestFiles.h"
#include "ui/WinHelpViewer.h"

namespace {

std::string BesideTests(const char* name) {
  wchar_t self[MAX_PATH] = L"";
  ::GetModuleFileNameW(nullptr, self, MAX_PATH);
  return std::filesystem::path(self).replace_filename(name).u8string();
}

}  // namespace

TEST(WinHelpViewerProbe, TellsAViewerFromWhatIsNone) {
  TestFiles files;
  const std::string folder = files.ProgramDir();
  // A folder that code page 949 cannot spell: the probe takes UTF-8 paths.
  const std::string foreign = folder + u8"\u2135\u0414\uB3C4\uC6C0\\";
  std::filesystem::create_directory(std::filesystem::u8path(foreign));
  const std::string wineViewer = SystemWinHelpViewerPath();
  ASSERT_TRUE(std::filesystem::copy_file(std::filesystem::u8path(wineViewer),
                                         std::filesystem::u8path(foreign + "winhlp32.exe")));
  const std::string stub = BesideTests("winhelp_stub.exe");
  ASSERT_GE(std::filesystem::file_size(std::filesystem::u8path(stub)), 64u * 1024) << "only its description tells";
  TestFiles::Write(files.Path("small.exe"), std::string(10 * 1024, 'M'));

  struct Case {
    const char* name;
    std::string path;
    bool viewer;
  } const cases[] = {
      {"missing", folder + "winhlp32.exe", false},
      {"a folder", folder, false},
      {"a small file, as the stub is", folder + "small.exe", false},
      {"a large program described as the stub", stub, false},
      {"Wine's viewer", wineViewer, true},
      {"Wine's viewer in a folder named outside code page 949", foreign + "winhlp32.exe", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.viewer, IsWinHelpViewer(c.path)) << c.path;
  }
}

TEST(WinHelpViewerProbe, LooksInTheWindowsFolder) {
  wchar_t windows[MAX_PATH] = L"";
  ASSERT_NE(0u, ::GetWindowsDirectoryW(windows, MAX_PATH));
  EXPECT_EQ((std::filesystem::path(windows) / "winhlp32.exe").u8string(), SystemWinHelpViewerPath());
  EXPECT_TRUE(SystemHasWinHelpViewer()) << "Wine ships a working viewer";
}
