# Sources of src/diary: portable ones in CORE_SOURCES, Windows-only ones in WIN_SOURCES.
list(APPEND CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/BackupFolder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BackupKeeper.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BackupRules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DateDisplay.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DiaryBackup.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DiaryExport.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DiaryExportFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DiaryFileTables.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DiaryKeyList.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DiarySearch.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DiaryStore.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DiaryUnavailable.cpp
  ${CMAKE_CURRENT_LIST_DIR}/JetDiaryImport.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReadMarkStore.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StoreFailurePolicy.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StoredReadMarks.cpp
)
list(APPEND WIN_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/DiaryBackupRun.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DiaryDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DiaryExportCommand.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FindDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SaveChoiceDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SaveFileDialog.cpp
)
