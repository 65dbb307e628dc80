# Sources of src/diary: portable ones in CORE_SOURCES, Windows-only ones in WIN_SOURCES.
list(APPEND CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/DiaryKeyList.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DiaryStore.cpp
)
