# Windows benchmarks (plain timing loops, not tests): the reading window's day step against a repaint.
# Run with: scripts/wine-run.sh <build>/reading_step_bench.exe [steps]
add_executable(reading_step_bench bench/reading_step_bench.cpp)
target_compile_options(reading_step_bench PRIVATE ${VESPERAL_CHARSET_FLAGS})
target_link_libraries(reading_step_bench PRIVATE vesperal_win)
if(COMMAND vesperal_add_resources)
  vesperal_add_resources(reading_step_bench)
endif()

# The diary windows: a search listing 10,000 entries, a change of date storing one entry and loading another.
# Run with: scripts/wine-run.sh <build>/diary_window_bench.exe [runs]
add_executable(diary_window_bench bench/diary_window_bench.cpp)
target_compile_options(diary_window_bench PRIVATE ${VESPERAL_CHARSET_FLAGS})
target_link_libraries(diary_window_bench PRIVATE vesperal_win)
if(COMMAND vesperal_add_resources)
  vesperal_add_resources(diary_window_bench)
endif()

# Start benchmark: cold starts of the program to its first painted reading window, against a bare program.
# Run with: scripts/wine-run.sh <build>/start_bench.exe [starts]
add_executable(bare_window WIN32 bench/bare_window.cpp)
add_executable(start_bench bench/start_bench.cpp)
target_link_libraries(start_bench PRIVATE vesperal_core psapi)
add_dependencies(start_bench Vesperal bare_window)

# The read mark: a click on the mark button storing the mark in memo.mdb and repainting the button and the
# progress line. Run with: scripts/wine-run.sh <build>/read_mark_bench.exe [clicks]
add_executable(read_mark_bench bench/read_mark_bench.cpp)
target_compile_options(read_mark_bench PRIVATE ${VESPERAL_CHARSET_FLAGS})
target_link_libraries(read_mark_bench PRIVATE vesperal_win)
if(COMMAND vesperal_add_resources)
  vesperal_add_resources(read_mark_bench)
endif()
