#pragma once
// Resource ids shared by the .rc file and the code.

#define IDS_APP_TITLE 57344

#define IDD_READING 130

#define IDC_PREV_DAY 4
#define IDC_NEXT_DAY 3
#define IDC_DIARY_BUTTON 5
#define IDC_MARK_READ 6
#define IDC_HABIT_PROGRESS 1021
#define IDC_READING_SCROLL 1005
#define IDC_READING_DATE 1006
#define IDC_READING_PAGE 1030  // the page, a child window the program makes

#define IDI_DIARY_WINDOW 128
#define IDI_PREV_HOVER 148
#define IDI_NEXT_HOVER 149
#define IDI_NEXT_NORMAL 150
#define IDI_PREV_NORMAL 151
#define IDI_DIARY_OPEN_HOVER 156
#define IDI_DIARY_OPEN_NORMAL 157
#define IDI_DIARY_EMPTY_HOVER 158
#define IDI_DIARY_EMPTY_NORMAL 159
#define IDI_CLOSE_HOVER 160
#define IDI_CLOSE_NORMAL 161
#define IDI_DIARY_WRITTEN_HOVER 163
#define IDI_DIARY_WRITTEN_NORMAL 164
#define IDI_APP 165
#define IDI_PRAYER 167
#define IDI_MEDITATION 169
#define IDI_MARK_UNREAD_HOVER 170
#define IDI_MARK_UNREAD_NORMAL 171
#define IDI_MARK_READ_HOVER 172
#define IDI_MARK_READ_NORMAL 173

#define ID_READING_OPEN 32771
#define ID_HOMEPAGE_OPEN 32772
#define ID_HELP_OPEN 32773
#define ID_CATCH_UP 32774
#define ID_SETTINGS 32775
#define ID_COPY_PASSAGE 32784  // the reading window's "본문 복사"
#define ID_APP_EXIT 57665

#define WM_FIND_CLOSE (WM_USER + 17)
#define WM_TRAYNOTIFY (WM_USER + 22)

// The diary window, its search window and the export's choice window.
#define IDD_DIARY 152
#define IDD_FIND 161
#define IDD_SAVE_CHOICE 163

#define IDC_DIARY_DATE 1006
#define IDC_DIARY_TITLE 1007
#define IDC_DIARY_MEDITATION 1008
#define IDC_DIARY_PRAYER 1009
#define IDC_DIARY_DELETE 1012
#define IDC_DIARY_FIND 1013
#define IDC_DIARY_SAVEFILE 1014

#define IDC_FIND_TEXT 1007
#define IDC_FIND_GO 1013
#define IDC_FIND_TITLE 1014
#define IDC_FIND_MEDITATION 1015
#define IDC_FIND_PRAYER 1016
#define IDC_FIND_RESULTS 1017
#define IDC_FIND_COUNT 1018

#define IDC_SAVE_CURRENT 1019
#define IDC_SAVE_ALL 1020

// The settings window: the daily reminder and its time.
#define IDD_SETTINGS 166
#define IDC_REMINDER_ON 1022
#define IDC_REMINDER_TIME 1023
#define IDC_SETTINGS_NOTE 1024
// Its part for the diary's backups.
#define IDC_BACKUP_FOLDER 1025
#define IDC_BACKUP_CHOOSE 1026
#define IDC_BACKUP_LAST 1027
#define IDC_BACKUP_NOW 1028
#define IDC_BACKUP_RESTORE 1029
#define IDC_TRAY_TIP 1040
// Its list of the reading page's text sizes.
#define IDC_TEXT_SIZE 1045
