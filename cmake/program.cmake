# The program itself and the window tests, which link the same Windows sources.
include(src/res/resources.cmake OPTIONAL)

set(VESPERAL_WIN_LIBS comctl32 comdlg32 shell32 winmm gdi32 user32 kernel32 ole32 oleaut32 uuid)

add_library(vesperal_win STATIC ${WIN_SOURCES})
target_include_directories(vesperal_win PUBLIC ${CMAKE_SOURCE_DIR}/src)
target_compile_options(vesperal_win PRIVATE ${VESPERAL_CHARSET_FLAGS})
target_link_libraries(vesperal_win PUBLIC vesperal_core ${VESPERAL_WIN_LIBS})

include(bench/win_bench.cmake OPTIONAL)

# The application shell, linked by the program and by the test builds of it.
add_library(vesperal_app STATIC ${APP_WIN_SOURCES})
target_compile_options(vesperal_app PRIVATE ${VESPERAL_CHARSET_FLAGS})
target_link_libraries(vesperal_app PUBLIC vesperal_win)

add_executable(Vesperal WIN32 src/app/WinMain.cpp)
target_compile_options(Vesperal PRIVATE ${VESPERAL_CHARSET_FLAGS})
target_link_libraries(Vesperal PRIVATE vesperal_app)
if(COMMAND vesperal_add_resources)
  vesperal_add_resources(Vesperal)
endif()

# The program is checked without running it, so this check also stands where Wine cannot run this build.
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  set(VESPERAL_PE_MACHINE amd64)
else()
  set(VESPERAL_PE_MACHINE i386)
endif()
add_test(NAME program_check
         COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tools/check_exe.py $<TARGET_FILE:Vesperal>
                 ${VESPERAL_PE_MACHINE})
set_tests_properties(program_check PROPERTIES LABELS static TIMEOUT 60)

if(WIN_TEST_SOURCES)
  # Window tests are a GUI program too, so that dialogs behave as in the real program.
  add_executable(win_tests ${WIN_TEST_SOURCES} ${CMAKE_SOURCE_DIR}/tests/core/JetWriter.cpp)
  target_compile_options(win_tests PRIVATE ${VESPERAL_CHARSET_FLAGS})
  target_include_directories(win_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  target_link_libraries(win_tests PRIVATE vesperal_win gtest gtest_main)
  if(COMMAND vesperal_add_resources)
    vesperal_add_resources(win_tests)
  endif()
  # Another program that holds a database file locked, started by the window tests beside them.
  add_executable(file_lock_holder tests/winhelpers/FileLockHolder.cpp)
  target_link_libraries(file_lock_holder PRIVATE sqlite3_amalgamation shell32)
  add_dependencies(win_tests file_lock_holder)
  # A stand-in for the help viewer stub of newer Windows, which the help viewer probe's test reads.
  add_executable(winhelp_stub tests/winhelpers/WinHelpStub.cpp tests/winhelpers/WinHelpStub.rc)
  set_property(TARGET winhelp_stub PROPERTY COMPILE_OPTIONS "")
  add_dependencies(win_tests winhelp_stub)
  # The comparison of the page across locales runs in the entries below, in their order.
  add_test(NAME win_tests_wine COMMAND win_tests --gtest_brief=1 --gtest_filter=-ReadingLocalePixels.*)
  set_tests_properties(win_tests_wine PROPERTIES TIMEOUT 600)
  # A group of the window tests again under an English system locale (code page 1252): the reading window,
  # its painting, the diary and its search. SystemLocale checks that the run really has that code page.
  set(VESPERAL_EN_US "VESPERAL_LANG=en_US.UTF-8;VESPERAL_EXPECTED_ACP=1252")
  add_test(NAME win_tests_en_US COMMAND win_tests --gtest_brief=1
           --gtest_filter=SystemLocale.*:ReadingDatesTest.*:ReadingPaintTest.*:ReadingScrollTest.*:DiaryDlgTest.*:DiaryFindTest.*)
  set_tests_properties(win_tests_en_US PROPERTIES TIMEOUT 300 ENVIRONMENT "${VESPERAL_EN_US}")
  # The reading window's page of a Korean day drawn under code page 949 and saved, then drawn under 1252 and
  # compared with it pixel for pixel.
  # The windows' layout at 150 % and 200 %, each in a Wine prefix of its own whose display is scaled so.
  foreach(dpi 144 192)
    add_test(NAME win_dpi_${dpi} COMMAND win_tests --gtest_brief=1 --gtest_filter=WindowsAtTheSystemDpi.*)
    set_tests_properties(win_dpi_${dpi} PROPERTIES TIMEOUT 300 ENVIRONMENT
                         "VESPERAL_DPI=${dpi};VESPERAL_WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix-dpi${dpi}")
  endforeach()
  add_test(NAME win_page_ko_KR COMMAND win_tests --gtest_brief=1
           --gtest_filter=SystemLocale.*:ReadingLocalePixels.KoreanRunSavesThePage)
  set_tests_properties(win_page_ko_KR PROPERTIES TIMEOUT 120 FIXTURES_SETUP korean_page)
  add_test(NAME win_page_en_US COMMAND win_tests --gtest_brief=1
           --gtest_filter=SystemLocale.*:ReadingLocalePixels.OtherCodePageDrawsThePageAsTheKoreanRun)
  set_tests_properties(win_page_en_US PROPERTIES TIMEOUT 120 FIXTURES_REQUIRED korean_page
                                                  ENVIRONMENT "${VESPERAL_EN_US}")
endif()

# A developer tool: how the installed Korean fonts fit the page's line height (see scripts/wine-prefix.sh).
add_executable(font_fit tools/fontfit/font_fit.cpp)
target_link_libraries(font_fit PRIVATE vesperal_core shell32 gdi32 user32)

include(${CMAKE_SOURCE_DIR}/installer/installer.cmake)
include(tests/app/app_tests.cmake OPTIONAL)
