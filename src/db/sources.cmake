# Sources of src/db: portable ones in CORE_SOURCES, Windows-only ones in WIN_SOURCES.
list(APPEND CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Cp949.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DaoDatabase.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DaoRecordset.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DaoTableDef.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DatabaseFileCheck.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ClassifyFault.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SchemaCheck.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FieldValue.cpp
  ${CMAKE_CURRENT_LIST_DIR}/JetErrors.cpp
  ${CMAKE_CURRENT_LIST_DIR}/JetLike.cpp
  ${CMAKE_CURRENT_LIST_DIR}/JetStatement.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SqliteBackup.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SqliteConnection.cpp
)
