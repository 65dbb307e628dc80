// Start-up and shut-down of the real program: command lines, the one-instance rule with its wake-up, the
// missing icon, the exit command and the tray record's size.
#include <gtest/gtest.h>

#include <cstddef>

#include "ProgramRun.h"
#include "app/TrayIcon.h"

TEST(TrayRecord, HasTheFirstPublishedLayoutsSizeOfThisArchitecture) {
#if defined(__i386__)
  EXPECT_EQ(kTrayRecordSize, 88u);
#elif defined(__x86_64__)
  // The same fields with 8-byte window and icon handles and their padding.
  EXPECT_EQ(kTrayRecordSize, 104u);
#endif
  EXPECT_EQ(kTrayRecordSize, offsetof(NOTIFYICONDATAA, szTip) + 64);
}

struct StartCase {
  const char* afterName;  // the command line after the quoted program name, exactly
  bool readingOpens;
};

class CommandLineStart : public ::testing::TestWithParam<StartCase> {};

TEST_P(CommandLineStart, OpensTheReadingWindowUnlessTrayOnly) {
  ProgramFolder folder;
  ASSERT_TRUE(folder.Ready());
  ProgramProcess program;
  ASSERT_TRUE(program.StartRaw(folder, GetParam().afterName));
  ASSERT_TRUE(program.WaitUntilIdle(folder));
  EXPECT_EQ(program.ReadingWindow() != nullptr, GetParam().readingOpens);
  EXPECT_EQ(folder.Calls("sound").size(), GetParam().readingOpens ? 1u : 0u);
  if (GetParam().readingOpens) {
    ASSERT_TRUE(program.CloseReading());
  }
  EXPECT_FALSE(::IsWindowVisible(program.MainFrame()));
  EXPECT_EQ(program.Exit(), 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, CommandLineStart,
                         ::testing::Values(StartCase{" smode", false}, StartCase{" SMode", false},
                                           StartCase{"   smode", false}, StartCase{" smode ", true},
                                           StartCase{" /smode", true}, StartCase{" -smode", true},
                                           StartCase{" smode x", true}, StartCase{"", true}));
