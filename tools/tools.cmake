# Developer tools of the native build: the plan compiler and its tests.
add_library(plancompile_lib STATIC
  tools/plancompile/PlanSource.cpp
  tools/plancompile/PlanWriter.cpp
  tools/plancompile/TextCheck.cpp)
target_include_directories(plancompile_lib PUBLIC ${CMAKE_SOURCE_DIR}/tools/plancompile)
target_link_libraries(plancompile_lib PUBLIC SQLite::SQLite3)

add_executable(plancompile tools/plancompile/main.cpp)
target_link_libraries(plancompile PRIVATE plancompile_lib)

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
