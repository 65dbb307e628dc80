#pragma once
// Ids of the user-visible texts in the resource script's string table, for
// the resource script and the code alike: plain numbers, so that portable code can name a text without
// windows.h. A %s in a text takes one value, in order.

// The reading window's plan-file messages.
#define IDS_PLAN_CANNOT_OPEN 200
#define IDS_PLAN_WRONG_YEAR 201
// Why a plan file that is there was refused, under its path.
#define IDS_PLAN_CAUSE_DAMAGED 202
#define IDS_PLAN_CAUSE_TOO_MUCH_WORK 203
#define IDS_PLAN_CAUSE_UNREADABLE 204
// The reading page's date column ("%s년", "%s월", "%s일") and the text of a day without a reading.
#define IDS_PAGE_YEAR 205
#define IDS_PAGE_MONTH 206
#define IDS_PAGE_DAY 207
#define IDS_NO_PASSAGE 208
// The date pickers' Korean format where the user's locale is not Korean.
#define IDS_PICKER_KOREAN_DATE 209
// The reading window's context menu item that copies the day's text, and why it could not.
#define IDS_COPY_PASSAGE 220
#define IDS_COPY_FAILED 221

// The tray menu.
#define IDS_MENU_READING_OPEN 300
#define IDS_MENU_HOMEPAGE_OPEN 301
#define IDS_MENU_HELP_OPEN 302
#define IDS_MENU_APP_EXIT 303

// Failures of a window's handler, and a start without the tray icon.
#define IDS_COMMAND_FAILED 310
#define IDS_INTERNAL_ERROR 311
#define IDS_NO_TRAY_ICON 312

// The diary, its search and its export.
#define IDS_DIARY_DISCARD_QUESTION 320
#define IDS_DIARY_DELETE_QUESTION 321
#define IDS_FIND_WITHOUT_DIARY 322
#define IDS_EXPORT_WITHOUT_DIARY 323
#define IDS_EXPORT_CANNOT_CREATE 324
#define IDS_EXPORT_WRITE_FAILED 325
#define IDS_EXPORT_FILTER 326  // pairs of description and pattern, each ending in '|'
#define IDS_FIND_COUNT 327
#define IDS_DIARY_STORE_FAILED 328
#define IDS_DIARY_DELETE_FAILED 329
#define IDS_FIND_LIST_DATE 319  // a date of the search list: "%s년 %s월 %s일", numbers padded to 4, 2 and 2

// What a failure of the database engine means (db/EngineFault).
#define IDS_FAULT_NOT_WRITABLE 330
#define IDS_FAULT_DAMAGED 331
#define IDS_FAULT_LOCKED 332
#define IDS_FAULT_DISK_FULL 333
#define IDS_FAULT_TOO_MUCH_WORK 334
#define IDS_FAULT_OTHER 335

// Why the diary is not opened (diary/DiaryUnavailable).
#define IDS_DIARY_CANNOT_CREATE 340
#define IDS_DIARY_NOT_A_DIARY 341
#define IDS_DIARY_NOT_OPENED 342
#define IDS_DIARY_FILE_UNCHANGED 343
#define IDS_DIARY_READING_GOES_ON 344
#define IDS_DIARY_FOLDER_IN_THE_WAY 348
// An older diary (a Jet memo.mdb): brought over, encrypted, or not to be brought over (diary/JetDiaryImport).
#define IDS_DIARY_IMPORTED 345
#define IDS_DIARY_ENCRYPTED 346
#define IDS_DIARY_CANNOT_IMPORT 347

// The daily habit: progress of the read marks, and settings that could not be stored (habit/).
#define IDS_HABIT_PROGRESS 350
#define IDS_SETTINGS_CANNOT_WRITE 351
#define IDS_CATCH_UP 352
#define IDS_CATCH_UP_NONE 353
#define IDS_MARK_STORE_FAILED 354
// The tray's reminder balloon, its catch-up item and its settings item.
#define IDS_REMINDER_TITLE 355
#define IDS_MENU_CATCH_UP 356
#define IDS_MENU_SETTINGS 357
#define IDS_CATCH_UP_NO_READING 358
#define IDS_CATCH_UP_WITHOUT_MARKS 359

// The diary's backups and their restore (diary/BackupKeeper), and the settings window's part for them.
#define IDS_BACKUP_FOLDER_UNWRITABLE 360
#define IDS_BACKUP_COPY_FAILED_CHECK 361
#define IDS_BACKUP_DIARY_UNREADABLE 362
#define IDS_BACKUP_NO_DIARY 363
#define IDS_BACKUP_MADE 364
#define IDS_BACKUP_TOLD_DAILY 365
#define IDS_BACKUP_LAST_NONE 366
#define IDS_BACKUP_LAST_MADE 367  // year, month, day, HH:MM
#define IDS_BACKUP_PICK_FOLDER 368
#define IDS_RESTORE_FILTER 369  // pairs of description and pattern, each ending in '|'
#define IDS_RESTORE_QUESTION 370
#define IDS_RESTORE_DONE 371
#define IDS_RESTORE_KEPT 372
#define IDS_RESTORE_REFUSED 373
#define IDS_RESTORE_CANNOT_KEEP 374
#define IDS_RESTORE_CANNOT_REPLACE 375
#define IDS_FILE_MISSING 376
#define IDS_FILE_NOT_A_DIARY 377
#define IDS_FILE_DAMAGED 378
#define IDS_FILE_LOCKED 379
#define IDS_FILE_UNREADABLE 380
#define IDS_DIARY_BACKUP_NEWEST 381
#define IDS_DIARY_BACKUP_NONE 382

// The settings window's list of the reading page's text sizes: a size, and the default size.
#define IDS_TEXT_SIZE_ITEM 395
#define IDS_TEXT_SIZE_DEFAULT_ITEM 396
