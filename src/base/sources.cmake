# Sources of src/base: portable basics that every folder may use (UTF-8 text, file paths, the program
# folder's file names, calendar days, messages of the string table and the words for engine faults).
list(APPEND CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/CalendarDay.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FaultText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FilePath.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MessageText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ProgramFiles.cpp
)
