// The shell's start-up decisions: the tray-only command line, the title that marks a running instance, and
// the answer to each tray mouse message.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "app/StartupRules.h"
#include "app/TrayRules.h"

struct CommandLineCase {
  const char* commandLine;
  bool trayOnly;
};

class TrayOnlyCommandLine : public ::testing::TestWithParam<CommandLineCase> {};

TEST_P(TrayOnlyCommandLine, DecidesWhetherTheReadingWindowOpens) {
  EXPECT_EQ(IsTrayOnlyStart(GetParam().commandLine), GetParam().trayOnly) << "[" << GetParam().commandLine << "]";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TrayOnlyCommandLine,
    ::testing::Values(
        // in the tray only
        CommandLineCase{"Vesperal.exe smode", true}, CommandLineCase{"Vesperal.exe SMODE", true},
        CommandLineCase{"Vesperal.exe SmOdE", true}, CommandLineCase{"Vesperal.exe   smode", true},
        CommandLineCase{"Vesperal.exe\t smode", true}, CommandLineCase{"\"C:\\My Prog\\Vesperal.exe\" smode", true},
        CommandLineCase{"\"C:\\My Prog\\Vesperal.exe\"smode", true},
        // the reading window opens
        CommandLineCase{"Vesperal.exe smode ", false}, CommandLineCase{"Vesperal.exe /smode", false},
        CommandLineCase{"Vesperal.exe -smode", false}, CommandLineCase{"Vesperal.exe smode x", false},
        CommandLineCase{"Vesperal.exe", false}, CommandLineCase{"Vesperal.exe ", false},
        CommandLineCase{"Vesperal.exe smod", false}, CommandLineCase{"Vesperal.exe smodes", false},
        CommandLineCase{"smode", false},  // the program's own name is never the argument
        CommandLineCase{"\"C:\\My smode\\Vesperal.exe\"", false}, CommandLineCase{"\"unclosed smode", false},
        CommandLineCase{"", false}));

struct TitleCase {
  std::string title;
  bool matches;
};

TEST(AppTitle, MatchesOnlyTheExactTitle) {
  const std::string title = kAppTitle;
  ASSERT_EQ(title.size(), 18u);  // six syllables of three UTF-8 bytes
  const TitleCase cases[] = {
      {title, true},
      {title + " - 2026", false},  // the reading window's title
      {title.substr(0, 15), false},
      {title + " ", false},
      {std::string(18, 'x'), false},
      {title.substr(0, 17) + 'x', false},
      {"", false},
  };
  for (const TitleCase& c : cases) EXPECT_EQ(IsAppTitle(c.title.data(), c.title.size()), c.matches) << c.title;
}

struct TrayCase {
  long mouseMessage;
  bool readingOpen;
  TrayResponse expected;
};

TEST(TrayResponse, FollowsTheMouseMessageAndTheRunningReadingWindow) {
  // fields: bring forward, raise the reading window, show the menu, open a reading window
  const TrayCase cases[] = {
      {kTrayRightDown, false, {true, false, true, false}},
      {kTrayRightDown, true, {true, true, false, false}},
      {kTrayLeftDoubleClick, false, {true, false, false, true}},
      {kTrayLeftDoubleClick, true, {true, true, false, false}},
      {kTrayLeftDown, false, {true, false, false, false}},
      {kTrayLeftDown, true, {true, true, false, false}},
      {512, false, {}},  // mouse move
      {514, false, {}},  // left button up
      {517, false, {}},  // right button up: the menu opened on the press already
      {518, false, {}},  // right double click
      {519, false, {}},  // middle button
      {517, true, {}},
  };
  for (const TrayCase& c : cases) {
    const TrayResponse r = RespondToTray(c.mouseMessage, c.readingOpen);
    SCOPED_TRACE(std::to_string(c.mouseMessage) + (c.readingOpen ? " open" : " closed"));
    EXPECT_EQ(r.bringForward, c.expected.bringForward);
    EXPECT_EQ(r.raiseReading, c.expected.raiseReading);
    EXPECT_EQ(r.showMenu, c.expected.showMenu);
    EXPECT_EQ(r.openReading, c.expected.openReading);
    EXPECT_EQ(r.action, ReadingAction::kNone);
  }
}

TEST(TrayResponse, BalloonClickAndCatchUpOpenTheReadingWindowOrRaiseItAndMoveItsDay) {
  struct Case {
    const char* what;
    TrayResponse response;
    TrayResponse expected;
  } const cases[] = {
      {"balloon click, closed",
       RespondToTray(kTrayBalloonClick, false),
       {true, false, false, true, ReadingAction::kShowToday}},
      {"balloon click, open",
       RespondToTray(kTrayBalloonClick, true),
       {true, true, false, false, ReadingAction::kShowToday}},
      {"catch-up item, closed", RespondToCatchUpCommand(false), {true, false, false, true, ReadingAction::kCatchUp}},
      {"catch-up item, open", RespondToCatchUpCommand(true), {true, true, false, false, ReadingAction::kCatchUp}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(c.response.bringForward, c.expected.bringForward);
    EXPECT_EQ(c.response.raiseReading, c.expected.raiseReading);
    EXPECT_EQ(c.response.showMenu, c.expected.showMenu);
    EXPECT_EQ(c.response.openReading, c.expected.openReading);
    EXPECT_EQ(c.response.action, c.expected.action);
  }
}
