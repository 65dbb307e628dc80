// The paths beside the program: its folder, the help file in it, and the folder as a working directory.
#include <gtest/gtest.h>

#include "ui/ProgramFolder.h"

namespace {

TEST(ProgramFolder, HelpAndWorkingFolderComeFromTheProgramFilesFolder) {
  struct Row {
    const char* module;
    const char* folder;
    const char* help;
    const char* working;
  } rows[] = {
      {"C:\\Prog\\Vesperal.exe", "C:\\Prog\\", "C:\\Prog\\psaltery.hlp", "C:\\Prog"},
      {"C:\\Vesperal.exe", "C:\\", "C:\\psaltery.hlp", "C:\\"},  // a drive's root keeps its backslash
      {"\\\\server\\share\\베스페랄\\Vesperal.exe", "\\\\server\\share\\베스페랄\\",
       "\\\\server\\share\\베스페랄\\psaltery.hlp", "\\\\server\\share\\베스페랄"},
      {"Vesperal.exe", "", "psaltery.hlp", ""},  // no folder at all: the bare names
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.module);
    const std::string folder = ProgramFolderOf(row.module);
    EXPECT_EQ(folder, row.folder);
    EXPECT_EQ(HelpFilePath(folder), row.help);
    EXPECT_EQ(WorkingFolder(folder), row.working);
  }
}

}  // namespace
