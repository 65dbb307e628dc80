# Developer tools of the native build: the plan compiler and its tests.
add_library(plancompile_lib STATIC
  tools/plancompile/BibleOutline.cpp
  tools/plancompile/ModulePlan.cpp
  tools/plancompile/PlanSource.cpp
  tools/plancompile/PlanWriter.cpp
  tools/plancompile/RangeText.cpp
  tools/plancompile/ReadingSchedule.cpp
  tools/plancompile/ScheduleFile.cpp
  tools/plancompile/TextCheck.cpp)
target_include_directories(plancompile_lib PUBLIC ${CMAKE_SOURCE_DIR}/tools/plancompile PRIVATE ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(plancompile_lib PUBLIC SQLite::SQLite3)

# Bible modules of the SWORD library are a second input when the library is installed (scripts/setup.sh
# installs it, so the tests always build it).
find_package(PkgConfig QUIET)
if(PKG_CONFIG_FOUND)
  pkg_check_modules(SWORD IMPORTED_TARGET sword)
endif()
if(SWORD_FOUND)
  add_library(plancompile_sword STATIC tools/plancompile/ModuleCatalog.cpp tools/plancompile/ModuleInput.cpp
              tools/plancompile/SwordBible.cpp)
  target_link_libraries(plancompile_sword PUBLIC plancompile_lib PkgConfig::SWORD)
  target_compile_definitions(plancompile_sword PUBLIC VESPERAL_WITH_SWORD)
else()
  message(STATUS "SWORD library not found: plancompile builds without the --module input")
endif()

add_executable(plancompile tools/plancompile/main.cpp)
target_link_libraries(plancompile PRIVATE plancompile_lib $<$<BOOL:${SWORD_FOUND}>:plancompile_sword>)

file(GLOB TOOL_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/tools/*.cpp)
if(TOOL_TEST_SOURCES)
  add_executable(tool_tests ${TOOL_TEST_SOURCES})
  target_link_libraries(tool_tests PRIVATE plancompile_lib GTest::gtest GTest::gtest_main)
  # The tests run the compiler itself to see its exit code and what it leaves on disk.
  target_compile_definitions(tool_tests PRIVATE PLANCOMPILE_EXE="$<TARGET_FILE:plancompile>"
                             VESPERAL_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
  add_dependencies(tool_tests plancompile)
  gtest_discover_tests(tool_tests DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 120)
endif()

# Tests over an installed Bible module; they open the year file with the program's own day lookup, so
# they are compiled with the program's character set flags.
file(GLOB SWORD_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/tools/sword/*.cpp)
if(SWORD_FOUND AND SWORD_TEST_SOURCES)
  add_executable(sword_tests ${SWORD_TEST_SOURCES})
  target_compile_options(sword_tests PRIVATE ${VESPERAL_CHARSET_FLAGS})
  target_include_directories(sword_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  target_link_libraries(sword_tests PRIVATE plancompile_sword vesperal_core GTest::gtest GTest::gtest_main)
  target_compile_definitions(sword_tests PRIVATE PLANCOMPILE_EXE="$<TARGET_FILE:plancompile>")
  add_dependencies(sword_tests plancompile)
  gtest_discover_tests(sword_tests DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 120)
endif()

# The Bible text a release carries: the module catalog and scripts/release-text.sh's choice.
if(SWORD_FOUND)
  find_package(Python3 REQUIRED COMPONENTS Interpreter)
  add_test(NAME release_text_check
           COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tests/tools/release_text_test.py $<TARGET_FILE:plancompile>)
  set_tests_properties(release_text_check PROPERTIES TIMEOUT 60)
endif()

# No circle of includes between the files of src/ (tools/include_graph.py).
find_package(Python3 REQUIRED COMPONENTS Interpreter)
add_test(NAME include_circles_check COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tools/include_graph.py)
set_tests_properties(include_circles_check PROPERTIES TIMEOUT 60)
