// Library functions loaded on first use: they reach the system's own function, and a missing library or
// function gives null instead of ending the program.
#include <gtest/gtest.h>
#include <windows.h>

#include <mmsystem.h>

#include "ui/OnDemandLibrary.h"

namespace {

TEST(OnDemandLibraryTest, FindsLoadedAndUnloadedLibrariesAndRefusesMissingOnes) {
  EXPECT_EQ(reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "GetTickCount")),
            reinterpret_cast<void*>(LibraryFunction("kernel32.dll", "GetTickCount")));
  EXPECT_NE(nullptr, LibraryFunction("winmm.dll", "PlaySoundW"));
  EXPECT_NE(nullptr, ::GetModuleHandleA("winmm.dll")) << "the library stays loaded";
  EXPECT_EQ(nullptr, LibraryFunction("kernel32.dll", "NoSuchFunctionAnywhere"));
  EXPECT_EQ(nullptr, LibraryFunction("no-such-library-vesperal.dll", "PlaySoundW"));
}

TEST(OnDemandLibraryTest, PlaySoundAnswersAsTheSystemFunction) {
  // Stopping when nothing plays succeeds; a missing file without the default sound fails.
  EXPECT_TRUE(PlaySoundOnDemand(nullptr, nullptr, 0));
  EXPECT_FALSE(PlaySoundOnDemand(L"no-such-greeting-vesperal.wav", nullptr, SND_FILENAME | SND_NODEFAULT | SND_SYNC));
}

TEST(OnDemandLibraryTest, SaveDialogReachesTheSystemFunction) {
  // A record of the wrong size is refused before any dialog shows, with the dialog library's own error.
  OPENFILENAMEW dialog{};
  dialog.lStructSize = 1;
  EXPECT_FALSE(GetSaveFileNameOnDemand(&dialog));
  using ErrorFn = DWORD(WINAPI*)();
  const auto lastError =
      reinterpret_cast<ErrorFn>(reinterpret_cast<void*>(LibraryFunction("comdlg32.dll", "CommDlgExtendedError")));
  ASSERT_NE(nullptr, lastError);
  EXPECT_EQ(static_cast<DWORD>(CDERR_STRUCTSIZE), lastError());
}

}  // namespace
