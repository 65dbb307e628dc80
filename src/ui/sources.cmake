# Sources of src/ui, the thin Win32 layer: Windows-only but for the paths beside the program, the help's
# route, the UTF-8/UTF-16 conversion, the icon size for a display scale and a text without its mnemonic mark.
list(APPEND CORE_SOURCES ${CMAKE_CURRENT_LIST_DIR}/ProgramFolder.cpp ${CMAKE_CURRENT_LIST_DIR}/HelpRoute.cpp
     ${CMAKE_CURRENT_LIST_DIR}/WideText.cpp ${CMAKE_CURRENT_LIST_DIR}/IconSize.cpp
     ${CMAKE_CURRENT_LIST_DIR}/MnemonicText.cpp)
list(APPEND WIN_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/ModuleFolder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AccessibleDocument.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AppMessageBox.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Clipboard.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ComApartment.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ResourceText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HandlerError.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DialogBase.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DatePicker.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Dpi.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FilePickers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/OnDemandLibrary.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SystemCalls.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ToolTips.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WindowBase.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WindowText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WinHelpViewer.cpp)
