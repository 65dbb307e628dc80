# Sources of src/reading: portable ones in CORE_SOURCES, Windows-only ones in WIN_SOURCES.
list(APPEND CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/PlanFileOpen.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PlanFileSchema.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PlanLookupGuard.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReadingPlan.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VerseScroll.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReadingLayout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PageColours.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PageFlow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PageTextFit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TextSizeInput.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PlanNotices.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DayStepLimits.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReadingDay.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReadingTexts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DayText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReadingSession.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReadingWindowRules.cpp
)
list(APPEND WIN_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/DayBar.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PageAccess.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PickerBoldDays.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PageFont.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PageZoom.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReadingDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReadingPage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReadingPaint.cpp
)
