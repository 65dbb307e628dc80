# The release and its setup, tested under Wine: scripts/release.sh with the Bible once and with the sample plan
# twice, then install, upgrade and uninstall in a prefix of the test's own. Where this machine runs no 32-bit
# Windows programs the releases are still made and checked, and the test ends with exit code 77 (skipped)
# before running the setup; so it is labelled static too, to run with the checks that stand without Wine.
# Building five years of Bible plans and compressing them takes minutes on a busy machine: a longer timeout.
# The setup ships the 32-bit program, so only the 32-bit build has the test.
find_program(VESPERAL_MAKENSIS makensis)
if(NOT CMAKE_SIZEOF_VOID_P EQUAL 4)
  return()
elseif(VESPERAL_MAKENSIS)
  add_test(NAME installer_wine COMMAND ${CMAKE_SOURCE_DIR}/tests/installer/installer_test.sh ${CMAKE_BINARY_DIR})
  set_tests_properties(installer_wine PROPERTIES LABELS "static;wine;installer" SKIP_RETURN_CODE 77 TIMEOUT 480)
else()
  message(STATUS "makensis not found: no installer test (scripts/setup.sh installs nsis)")
endif()
