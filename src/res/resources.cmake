# Resources of the Windows build: icons drawn as text and turned into .ico files, the .rc compiled once
# into an object library, and the greeting chime generated beside each program that gets the resources.
# Everything generated lives in the build tree; no binary resource is kept in the sources.
include_guard(GLOBAL)
enable_language(RC)
find_package(Python3 REQUIRED COMPONENTS Interpreter)

set(VESPERAL_RES_DIR ${CMAKE_CURRENT_LIST_DIR})
set(VESPERAL_TOOLS_DIR ${CMAKE_SOURCE_DIR}/tools)
set(VESPERAL_ICON_DIR ${CMAKE_BINARY_DIR}/res/icons)
file(MAKE_DIRECTORY ${VESPERAL_ICON_DIR})
# The version resource takes its numbers from the VERSION file through this header.
set(VESPERAL_GENERATED_RES_DIR ${CMAKE_BINARY_DIR}/res/generated)
configure_file(${VESPERAL_RES_DIR}/Version.h.in ${VESPERAL_GENERATED_RES_DIR}/Version.h @ONLY)

# One .ico per drawing, named as the .rc names it.
set(VESPERAL_ICON_NAMES
    128-diary-window 148-prev-hover 149-next-hover 150-next-normal 151-prev-normal
    156-diary-shown-hover 157-diary-shown-normal 158-diary-empty-hover 159-diary-empty-normal
    160-close-hover 161-close-normal 163-diary-written-hover 164-diary-written-normal
    165-app 167-prayer 169-meditation
    170-mark-unread-hover 171-mark-unread-normal 172-mark-read-hover 173-mark-read-normal)
set(VESPERAL_ICONS)
foreach(name IN LISTS VESPERAL_ICON_NAMES)
  set(drawing ${VESPERAL_RES_DIR}/icons/${name}.txt)
  set(icon ${VESPERAL_ICON_DIR}/${name}.ico)
  add_custom_command(
    OUTPUT ${icon}
    COMMAND ${Python3_EXECUTABLE} ${VESPERAL_TOOLS_DIR}/make_ico.py ${drawing} ${icon}
    DEPENDS ${drawing} ${VESPERAL_TOOLS_DIR}/make_ico.py
    COMMENT "Drawing icon ${name}.ico"
    VERBATIM)
  list(APPEND VESPERAL_ICONS ${icon})
endforeach()

# The .rc is compiled once and its object linked into every program that calls vesperal_add_resources.
# It gets its own target so that the C++ warning and charset options of the programs never reach windres.
add_library(vesperal_resources OBJECT ${VESPERAL_RES_DIR}/Vesperal.rc ${VESPERAL_ICONS})
set_property(TARGET vesperal_resources PROPERTY COMPILE_OPTIONS "")
target_include_directories(vesperal_resources PRIVATE ${CMAKE_SOURCE_DIR}/src ${VESPERAL_ICON_DIR}
                           ${VESPERAL_GENERATED_RES_DIR})
set_source_files_properties(${VESPERAL_RES_DIR}/Vesperal.rc PROPERTIES
  OBJECT_DEPENDS "${VESPERAL_ICONS};${VESPERAL_RES_DIR}/Vesperal.manifest;${CMAKE_SOURCE_DIR}/src/res/Resource.h;${CMAKE_SOURCE_DIR}/src/res/AppTitle.h;${CMAKE_SOURCE_DIR}/src/res/TextIds.h;${VESPERAL_GENERATED_RES_DIR}/Version.h")

set(VESPERAL_CHIME ${CMAKE_BINARY_DIR}/res/Vesperal.wav)
add_custom_command(
  OUTPUT ${VESPERAL_CHIME}
  COMMAND ${Python3_EXECUTABLE} ${VESPERAL_TOOLS_DIR}/make_chime.py ${VESPERAL_CHIME}
  DEPENDS ${VESPERAL_TOOLS_DIR}/make_chime.py
  COMMENT "Making the greeting chime Vesperal.wav"
  VERBATIM)
add_custom_target(vesperal_chime DEPENDS ${VESPERAL_CHIME})

add_test(NAME resources_check
         COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tests/res/test_resources.py)
set_tests_properties(resources_check PROPERTIES
  ENVIRONMENT "VESPERAL_WINDRES=${CMAKE_RC_COMPILER};VESPERAL_ICON_DIR=${VESPERAL_ICON_DIR};VESPERAL_GENERATED_RES_DIR=${VESPERAL_GENERATED_RES_DIR}"
  LABELS static TIMEOUT 60)

# Gives a program the resources and puts the greeting sound in its output folder, where it is played from.
function(vesperal_add_resources target)
  target_sources(${target} PRIVATE $<TARGET_OBJECTS:vesperal_resources>)
  add_dependencies(${target} vesperal_chime)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${VESPERAL_CHIME} $<TARGET_FILE_DIR:${target}>/Vesperal.wav
    VERBATIM)
endfunction()
