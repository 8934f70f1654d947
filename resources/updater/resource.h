// Resource ids of the updater: its string table, its dialog and the
// dialog's controls and picture.
#pragma once

#define IDD_UPDATE               100
#define IDC_UPDATE_PROGRESS      102
#define IDB_UPDATE_PANEL         104
#define IDC_UPDATE_PERCENT       1000
#define IDC_UPDATE_MIRRORS       1004
#define IDC_UPDATE_NEW_VERSION   1005
#define IDC_UPDATE_OLD_VERSION   1006
#define IDC_UPDATE_LOG           1007

#define IDS_UPDATE_CAPTION       40000
#define IDS_UPDATE_DOWNLOADING   40002
#define IDS_UPDATE_TARGET        40003
#define IDS_UPDATE_DOWNLOADED    40004
#define IDS_UPDATE_EXTRACT_FAILED 40005
#define IDS_UPDATE_BAD_INI       40006
#define IDS_UPDATE_READY         40008
#define IDS_UPDATE_NONE          40009
#define IDS_UPDATE_START_FAILED  40010
#define IDS_UPDATE_COPY_FAILED   40011
#define IDS_UPDATE_TRY_MIRROR    40012
#define IDS_UPDATE_TRY_LATER     40013
#define IDS_UPDATE_OFFLINE       40014
#define IDS_UPDATE_CANCEL        40015
