# End-to-end tests of the program: a test exe starts real program processes under the same Wine prefix
# and drives them by messages. The program is built twice more for them:
#  - VesperalRecording: the program with recorders in place of the calls with outside effects (tray icon,
#    browser, help, sound), which write each call to calls.log beside the exe, and a clock the tests set;
#  - VesperalNoIcon: the same, from a resource script without icon 165.
set(VESPERAL_RECORDING_MAIN ${CMAKE_CURRENT_LIST_DIR}/RecordingMain.cpp)

function(vesperal_add_recording_build target)
  add_executable(${target} WIN32 ${VESPERAL_RECORDING_MAIN})
  target_compile_options(${target} PRIVATE ${VESPERAL_CHARSET_FLAGS})
  target_link_libraries(${target} PRIVATE vesperal_app)
  target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
endfunction()

vesperal_add_recording_build(VesperalRecording)
vesperal_add_resources(VesperalRecording)

# The resource script less the line of icon 165.
file(READ ${VESPERAL_RES_DIR}/Vesperal.rc VESPERAL_RC_TEXT)
string(REGEX REPLACE "\nIDI_APP[ ]+ICON[^\n]*" "" VESPERAL_RC_NO_ICON "${VESPERAL_RC_TEXT}")
if(VESPERAL_RC_NO_ICON STREQUAL VESPERAL_RC_TEXT)
  message(FATAL_ERROR "tests/app: icon 165 not found in Vesperal.rc")
endif()
set(VESPERAL_RC_NO_ICON_FILE ${CMAKE_BINARY_DIR}/res/VesperalNoIcon.rc)
file(CONFIGURE OUTPUT ${VESPERAL_RC_NO_ICON_FILE} CONTENT "${VESPERAL_RC_NO_ICON}" @ONLY)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${VESPERAL_RES_DIR}/Vesperal.rc)
add_library(vesperal_resources_no_icon OBJECT ${VESPERAL_RC_NO_ICON_FILE} ${VESPERAL_ICONS})
set_property(TARGET vesperal_resources_no_icon PROPERTY COMPILE_OPTIONS "")
target_include_directories(vesperal_resources_no_icon PRIVATE ${CMAKE_SOURCE_DIR}/src ${VESPERAL_ICON_DIR}
                           ${VESPERAL_GENERATED_RES_DIR})
vesperal_add_recording_build(VesperalNoIcon)
target_sources(VesperalNoIcon PRIVATE $<TARGET_OBJECTS:vesperal_resources_no_icon>)

file(GLOB APP_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*_test.cpp)
add_executable(app_tests ${APP_TEST_SOURCES})
target_compile_options(app_tests PRIVATE ${VESPERAL_CHARSET_FLAGS})
target_include_directories(app_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(app_tests PRIVATE vesperal_app gtest gtest_main)
add_dependencies(app_tests VesperalRecording VesperalNoIcon)
add_test(NAME app_tests_wine COMMAND app_tests --gtest_brief=1)
set_tests_properties(app_tests_wine PROPERTIES TIMEOUT 300)
# Both suites move windows to the front and read the desktop's z-order and activation: never at once.
set_tests_properties(app_tests_wine win_tests_wine win_tests_en_US win_page_ko_KR win_page_en_US
                     PROPERTIES RESOURCE_LOCK desktop)
# The settings window is made from the program's resources in the test process itself.
vesperal_add_resources(app_tests)
