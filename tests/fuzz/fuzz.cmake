# libFuzzer targets: only with Clang and VESPERAL_FUZZ=ON. They compile the core sources themselves with
# the fuzzer's instrumentation. Clang has no CP949 execution character set, so Korean literals stay
# UTF-8 here; the statements and values under test come from the fuzzer's bytes anyway.
#   CC=clang CXX=clang++ cmake -S . -B build-fuzz -DVESPERAL_FUZZ=ON
#   cmake --build build-fuzz --target statement_fuzzer
#   build-fuzz/statement_fuzzer -max_total_time=60 tests/fuzz/corpus
# jet_fuzzer feeds the Jet reader damaged files (see jet_fuzzer.cpp); it needs no corpus to start from.
option(VESPERAL_FUZZ "Build the libFuzzer targets (Clang only)" OFF)
if(VESPERAL_FUZZ AND CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  set(VESPERAL_FUZZ_FLAGS -fsanitize=fuzzer,address,undefined -fno-omit-frame-pointer -g)
  add_executable(statement_fuzzer ${CMAKE_CURRENT_LIST_DIR}/statement_fuzzer.cpp ${CORE_SOURCES})
  target_include_directories(statement_fuzzer PRIVATE ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/tests)
  target_compile_options(statement_fuzzer PRIVATE ${VESPERAL_FUZZ_FLAGS})
  target_link_options(statement_fuzzer PRIVATE ${VESPERAL_FUZZ_FLAGS})
  target_link_libraries(statement_fuzzer PRIVATE SQLite::SQLite3)
  add_executable(jet_fuzzer ${CMAKE_CURRENT_LIST_DIR}/jet_fuzzer.cpp ${CMAKE_SOURCE_DIR}/tests/core/JetWriter.cpp
                            ${CORE_SOURCES})
  target_include_directories(jet_fuzzer PRIVATE ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/tests)
  target_compile_options(jet_fuzzer PRIVATE ${VESPERAL_FUZZ_FLAGS})
  target_link_options(jet_fuzzer PRIVATE ${VESPERAL_FUZZ_FLAGS})
  target_link_libraries(jet_fuzzer PRIVATE SQLite::SQLite3)
elseif(VESPERAL_FUZZ)
  message(WARNING "VESPERAL_FUZZ needs Clang (CC=clang CXX=clang++); no fuzzer is built")
endif()
