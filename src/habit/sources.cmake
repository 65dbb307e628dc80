# Sources of src/habit: the daily-habit rules (marks, progress, catch-up, reminder, settings); all portable.
list(APPEND CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/BalloonDelivery.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BoldDays.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CatchUpDay.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReadMarks.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReadingProgress.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReminderSchedule.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SettingsFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TextSize.cpp
)
