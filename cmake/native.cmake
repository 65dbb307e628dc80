# Native build: the portable core with its tests, tools, benchmarks and fuzzers.
option(VESPERAL_SANITIZE "Build with ASan and UBSan" ON)
find_package(SQLite3 REQUIRED)
find_package(GTest REQUIRED)

if(VESPERAL_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
add_compile_options(-Wall -Wextra)

add_library(vesperal_core STATIC ${CORE_SOURCES})
target_include_directories(vesperal_core PUBLIC ${CMAKE_SOURCE_DIR}/src)
target_compile_options(vesperal_core PRIVATE ${VESPERAL_CHARSET_FLAGS})
target_link_libraries(vesperal_core PUBLIC SQLite::SQLite3)

# Tests that need POSIX (child processes, signals) join the core tests only in this build.
file(GLOB NATIVE_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/native/*.cpp)
add_executable(core_tests ${CORE_TEST_SOURCES} ${NATIVE_TEST_SOURCES})
target_compile_options(core_tests PRIVATE ${VESPERAL_CHARSET_FLAGS})
target_include_directories(core_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(core_tests PRIVATE vesperal_core GTest::gtest GTest::gtest_main)
# Real Jet files made by the engine, beside the repository (a clean clone has them at the same place).
target_compile_definitions(core_tests PRIVATE VESPERAL_JET_SAMPLES_DIR="${CMAKE_SOURCE_DIR}/../shared/jet-samples")
include(GoogleTest)
gtest_discover_tests(core_tests DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 120)

include(tools/tools.cmake OPTIONAL)
include(tests/fuzz/fuzz.cmake OPTIONAL)
include(bench/bench.cmake OPTIONAL)
