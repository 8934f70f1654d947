#pragma once
// The "last modified" column text of the save-modified dialog, relative to
// the current local time.
#include <windows.h>
#include <oleauto.h>

#include <string>

// time: a DATE in local time, 0 for none; now: the current local time.
std::string LastModifiedText(DATE time, const SYSTEMTIME& now);

// Column widths from the list's client width and which columns have content.
struct ColumnWidths {
    int name = 0, path = 0, time = 0;
};
ColumnWidths ComputeColumnWidths(int clientWidth, bool hasPath, bool hasTime);
