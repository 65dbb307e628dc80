#pragma once
// Names of folders and files the program makes beside its files, shared by the code and the help. UTF-8.
#define VESPERAL_BACKUP_FOLDER_NAME u8"백업"
// The end of the name of the diary kept before a restore: memo-YYYYMMDD-되살리기전.mdb.
#define VESPERAL_BEFORE_RESTORE_SUFFIX u8"-되살리기전"
