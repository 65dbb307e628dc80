# Windows benchmarks (plain timing loops, not tests) of the program's windows, with its resources.
function(vesperal_add_window_bench target)
  add_executable(${target} ${ARGN})
  target_compile_options(${target} PRIVATE ${VESPERAL_CHARSET_FLAGS})
  target_link_libraries(${target} PRIVATE vesperal_win)
  target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  if(COMMAND vesperal_add_resources)
    vesperal_add_resources(${target})
  endif()
endfunction()

# The reading window's day step against a repaint.
# Run with: scripts/wine-run.sh <build>/reading_step_bench.exe [steps]
vesperal_add_window_bench(reading_step_bench bench/reading_step_bench.cpp bench/WinBenchSupport.cpp)

# The diary windows: a search listing 10,000 entries, a change of date storing one entry and loading another.
# Run with: scripts/wine-run.sh <build>/diary_window_bench.exe [runs]
vesperal_add_window_bench(diary_window_bench bench/diary_window_bench.cpp)

# Start benchmark: cold starts of the program to its first painted reading window, against a bare program.
# Run with: scripts/wine-run.sh <build>/start_bench.exe [starts]
add_executable(bare_window WIN32 bench/bare_window.cpp)
add_executable(start_bench bench/start_bench.cpp)
target_link_libraries(start_bench PRIVATE vesperal_core psapi)
add_dependencies(start_bench Vesperal bare_window)

# The read mark: a click on the mark button storing the mark in memo.mdb and repainting the button and the
# progress line. Run with: scripts/wine-run.sh <build>/read_mark_bench.exe [clicks]
vesperal_add_window_bench(read_mark_bench bench/read_mark_bench.cpp bench/WinBenchSupport.cpp)

# Files of the older program (Jet): a diary brought over and a plan opened, under Wine.
# Run with: scripts/wine-run.sh <build>/jet_open_bench.exe [runs]
add_executable(jet_open_bench bench/jet_open_bench.cpp tests/core/JetWriter.cpp)
target_compile_options(jet_open_bench PRIVATE ${VESPERAL_CHARSET_FLAGS})
target_include_directories(jet_open_bench PRIVATE ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(jet_open_bench PRIVATE vesperal_core)
