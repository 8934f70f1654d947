#pragma once
// The update dialog: the versions, the mirrors and the log, and the worker
// that downloads the package, asks the running editors to close, unpacks the
// package and starts the program it marks.
#include <windows.h>

#include <string>

#include "UpdaterContext.h"

namespace vantrel {

// Shows the dialog modally without owner; returns when it closes.
void ShowUpdateDialog(UpdaterContext& context);

// The dialog's procedure; lParam of WM_INITDIALOG is the context.
INT_PTR CALLBACK UpdateDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Puts text at the end of the log.
void AppendLog(HWND dialog, const std::string& text);

// Shows the download's progress in the bar and the percent text.
void ReportDownloadProgress(HWND dialog, unsigned long progress, unsigned long maximum);

// Waits until no program holds the named single-instance mutex, polling
// every 100 ms; false when one still does after timeoutMs.
bool WaitForProgramToEnd(const std::string& mutexName, DWORD timeoutMs);

}  // namespace vantrel
