#pragma once
// Names of folders the program makes beside its files, shared by the code and the help. UTF-8.
#define VESPERAL_BACKUP_FOLDER_NAME u8"백업"
