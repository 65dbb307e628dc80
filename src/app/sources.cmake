# Sources of src/app: portable ones in CORE_SOURCES, Windows-only ones in WIN_SOURCES.
list(APPEND WIN_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/AppMessageBox.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HandlerError.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DialogBase.cpp)
