# The help file psaltery.hlp and the same help as the page psaltery.html, compiled from help/psaltery.txt by
# tools/helpcompile.
#  - native build: the compiler's own tests (both files read back, faulty sources refused);
#  - Windows build: psaltery.hlp and psaltery.html beside Vesperal.exe, and the test that opens the help file in
#    Wine's help viewer.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(VESPERAL_HELPCOMPILE_DIR ${CMAKE_SOURCE_DIR}/tools/helpcompile)
file(GLOB VESPERAL_HELPCOMPILE_SOURCES CONFIGURE_DEPENDS ${VESPERAL_HELPCOMPILE_DIR}/*.py)

if(NOT WIN32)
  add_test(NAME helpcompile_check
           COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tests/tools/helpcompile_test.py)
  set_tests_properties(helpcompile_check PROPERTIES TIMEOUT 60)
  return()
endif()

set(VESPERAL_HELP_FILE ${CMAKE_BINARY_DIR}/psaltery.hlp)
set(VESPERAL_HELP_PAGE ${CMAKE_BINARY_DIR}/psaltery.html)
add_custom_command(
  OUTPUT ${VESPERAL_HELP_FILE} ${VESPERAL_HELP_PAGE}
  COMMAND ${Python3_EXECUTABLE} ${VESPERAL_HELPCOMPILE_DIR}/helpcompile.py
          ${CMAKE_CURRENT_LIST_DIR}/psaltery.txt ${VESPERAL_HELP_FILE}
  DEPENDS ${CMAKE_CURRENT_LIST_DIR}/psaltery.txt ${VESPERAL_HELPCOMPILE_SOURCES}
  COMMENT "Compiling the help file psaltery.hlp and its page psaltery.html"
  VERBATIM)
add_custom_target(psaltery_help ALL DEPENDS ${VESPERAL_HELP_FILE} ${VESPERAL_HELP_PAGE})
# Building the program makes its help file too.
if(TARGET Vesperal)
  add_dependencies(Vesperal psaltery_help)
endif()

add_executable(help_viewer_test ${CMAKE_SOURCE_DIR}/tests/help/help_viewer_test.cpp)
target_compile_options(help_viewer_test PRIVATE ${VESPERAL_CHARSET_FLAGS})
target_include_directories(help_viewer_test PRIVATE ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(help_viewer_test PRIVATE vesperal_win gtest gtest_main)
add_dependencies(help_viewer_test psaltery_help)
add_test(NAME help_viewer_wine COMMAND help_viewer_test --gtest_brief=1)
# The viewer is a top-level window of another program; it runs alone so that it takes no focus from the
# window tests.
set_tests_properties(help_viewer_wine PROPERTIES TIMEOUT 120 RUN_SERIAL TRUE)
