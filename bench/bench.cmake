# Benchmarks (Google Benchmark, native). Build them without sanitizers: scripts/bench.sh does.
find_package(benchmark QUIET)
if(benchmark_FOUND AND TARGET plancompile_lib)
  add_executable(core_bench bench/BenchFiles.cpp bench/lookup_bench.cpp bench/search_bench.cpp
                            bench/export_bench.cpp bench/habit_bench.cpp bench/backup_bench.cpp)
  target_compile_options(core_bench PRIVATE ${VESPERAL_CHARSET_FLAGS})
  target_link_libraries(core_bench PRIVATE vesperal_core plancompile_lib benchmark::benchmark benchmark::benchmark_main)
endif()

# A year built from the installed Bible module against the library reading the module alone.
if(benchmark_FOUND AND TARGET plancompile_sword)
  add_executable(module_year_bench bench/module_year_bench.cpp)
  target_link_libraries(module_year_bench PRIVATE plancompile_sword benchmark::benchmark benchmark::benchmark_main)
endif()

# Files of the older program (Jet): a diary brought over and a plan opened. A plain timing program, also
# built for Windows (win_bench.cmake). Run with: build/bench/jet_open_bench [runs]
add_executable(jet_open_bench bench/jet_open_bench.cpp tests/core/JetWriter.cpp)
target_compile_options(jet_open_bench PRIVATE ${VESPERAL_CHARSET_FLAGS})
target_include_directories(jet_open_bench PRIVATE ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(jet_open_bench PRIVATE vesperal_core)
