#pragma once
// The application title, read by the resource script (string IDS_APP_TITLE, the reading window's caption,
// the version information) and by the code, where the execution character set makes it UTF-8.
#define VESPERAL_APP_TITLE "베스페랄읽기"
