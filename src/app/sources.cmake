# Sources of src/app, the application shell: the start-up decisions are portable, the frame and tray are not.
list(APPEND CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/ReminderCheck.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StartupRules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TrayRules.cpp
)
# The shell's Windows sources go into their own library (cmake/program.cmake): the program and its
# recording test builds link them, the window tests do not need them.
set(APP_WIN_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/BackupControls.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TrayIcon.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Reminder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MainFrame.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SettingsDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TextSizeList.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VesperalApp.cpp
)
