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
  ${CMAKE_CURRENT_LIST_DIR}/JetCatalog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/JetDatabase.cpp
  ${CMAKE_CURRENT_LIST_DIR}/JetDataPage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/JetErrors.cpp
  ${CMAKE_CURRENT_LIST_DIR}/JetLongValue.cpp
  ${CMAKE_CURRENT_LIST_DIR}/JetPages.cpp
  ${CMAKE_CURRENT_LIST_DIR}/JetRow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/JetTableCopy.cpp
  ${CMAKE_CURRENT_LIST_DIR}/JetTableDef.cpp
  ${CMAKE_CURRENT_LIST_DIR}/JetTableScan.cpp
  ${CMAKE_CURRENT_LIST_DIR}/JetText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/JetUsageMap.cpp
  ${CMAKE_CURRENT_LIST_DIR}/JetValue.cpp
  ${CMAKE_CURRENT_LIST_DIR}/JetLike.cpp
  ${CMAKE_CURRENT_LIST_DIR}/JetStatement.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SqliteBackup.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SqliteConnection.cpp
)
