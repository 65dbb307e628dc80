# Windows build, the 32-bit product or the 64-bit build for machines without 32-bit support: SQLite from the
# amalgamation made by scripts/fetch-sqlite-source.sh, GoogleTest from Debian's source, static runtime so no
# MinGW DLL is needed under Wine.
set(SQLITE_AMALGAMATION_DIR ${CMAKE_SOURCE_DIR}/.cache/sqlite CACHE PATH "Folder with sqlite3.c and sqlite3.h")
if(NOT EXISTS ${SQLITE_AMALGAMATION_DIR}/sqlite3.c)
  message(FATAL_ERROR "No SQLite amalgamation in ${SQLITE_AMALGAMATION_DIR}: run scripts/setup.sh")
endif()
add_library(sqlite3_amalgamation STATIC ${SQLITE_AMALGAMATION_DIR}/sqlite3.c)
target_include_directories(sqlite3_amalgamation PUBLIC ${SQLITE_AMALGAMATION_DIR})
target_compile_definitions(sqlite3_amalgamation PRIVATE SQLITE_THREADSAFE=1 SQLITE_OMIT_LOAD_EXTENSION
                           SQLITE_DEFAULT_MEMSTATUS=0 SQLITE_DQS=3 SQLITE_WIN32_NO_ANSI)
target_compile_options(sqlite3_amalgamation PRIVATE -O2 -w)

add_link_options(-static -static-libgcc -static-libstdc++)
add_compile_options(-Wall -Wextra)
add_compile_definitions(WINVER=0x0501 _WIN32_WINNT=0x0501 _WIN32_IE=0x0600)

add_library(vesperal_core STATIC ${CORE_SOURCES})
target_include_directories(vesperal_core PUBLIC ${CMAKE_SOURCE_DIR}/src)
target_compile_options(vesperal_core PRIVATE ${VESPERAL_CHARSET_FLAGS})
target_link_libraries(vesperal_core PUBLIC sqlite3_amalgamation)

set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# Every Windows call of ours is the wide one: a call written without its A or W suffix means W, so an ANSI
# call can only come in by name (and tools/check_exe.py refuses those in the program's imports).
add_compile_definitions(UNICODE _UNICODE)

add_executable(core_tests ${CORE_TEST_SOURCES})
target_compile_options(core_tests PRIVATE ${VESPERAL_CHARSET_FLAGS})
target_include_directories(core_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(core_tests PRIVATE vesperal_core gtest gtest_main)
add_test(NAME core_tests_wine COMMAND core_tests --gtest_brief=1)
set_tests_properties(core_tests_wine PROPERTIES TIMEOUT 300)

include(cmake/program.cmake)
