# Sources of src/ui, the thin Win32 layer: all Windows-only.
list(APPEND WIN_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/AppMessageBox.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HandlerError.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DialogBase.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LocalDate.cpp
  ${CMAKE_CURRENT_LIST_DIR}/OnDemandLibrary.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SystemCalls.cpp)
