// The help command's choice between WinHelp and the page in the browser, and how a stub viewer is told.
#include <gtest/gtest.h>

#include "ui/HelpRoute.h"

namespace {

// A version resource's string as the resource holds it (UTF-16LE), between other bytes of the resource.
std::string VersionResourceSaying(const char* description) {
  std::string bytes("\x34\x03\x34\x00", 4);
  for (const char* c = description; *c; ++c) bytes += {*c, '\0'};
  return bytes + std::string(8, '\0');
}

}  // namespace

TEST(HelpRoute, BrowserOnlyWithoutAViewerAndWithThePage) {
  struct Case {
    bool viewer, page;
    HelpRoute route;
  } const cases[] = {
      {true, true, HelpRoute::kWinHelp},
      {true, false, HelpRoute::kWinHelp},
      {false, true, HelpRoute::kBrowser},
      {false, false, HelpRoute::kWinHelp},  // as for a missing help file: the system's own answer
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "viewer " << c.viewer << ", page " << c.page);
    EXPECT_EQ(c.route, ChooseHelpRoute(c.viewer, c.page));
  }
}

TEST(HelpRoute, StubIsToldBySizeOrByItsVersionDescription) {
  struct Case {
    const char* name;
    uint64_t size;
    std::string resource;
    bool stub;
  } const cases[] = {
      {"newer Windows' stub", 11264, VersionResourceSaying("Windows Winhlp32 Stub"), true},
      {"small file without version", 9216, "", true},
      {"just under the smallest viewer", 65535, "", true},
      {"large file described as a stub", 600000, VersionResourceSaying("Windows Winhlp32 Stub"), true},
      {"viewer of old", 283648, VersionResourceSaying("Windows Help Engine"), false},
      {"Wine's viewer, no version resource", 746401, "", false},
      {"the smallest viewer", 65536, "", false},
      {"Stub in 8-bit text is no description", 300000, "Stub", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.stub, IsWinHelpStub(c.size, c.resource));
  }
}
