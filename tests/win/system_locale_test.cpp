// The window tests run in more than one system locale; this one fails when a run is not in the locale it is
// meant for, so that a run in the second locale cannot silently test the first. The run names its ANSI code
// page in VESPERAL_EXPECTED_ACP; without it the run is the Korean one.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>

TEST(SystemLocale, AnsiCodePageIsTheOneThisRunIsFor) {
  const char* expected = std::getenv("VESPERAL_EXPECTED_ACP");
  EXPECT_EQ(expected ? static_cast<UINT>(std::atoi(expected)) : 949u, ::GetACP());
}
