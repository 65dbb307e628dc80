# Sources of src/controls: portable ones in CORE_SOURCES, Windows-only ones in WIN_SOURCES.
list(APPEND WIN_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/OffscreenDC.cpp
  ${CMAKE_CURRENT_LIST_DIR}/IconButton.cpp)
