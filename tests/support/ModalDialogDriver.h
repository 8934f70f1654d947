#pragma once
// Runs `step` on the next dialog this thread shows, from a thread timer that
// the dialog's own modal loop dispatches; call it just before the dialog runs.
#include <windows.h>

#include <functional>

inline std::function<void(HWND)>& PendingDialogStep() {
    static std::function<void(HWND)> step;
    return step;
}

inline void CALLBACK DriveShownDialog(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = nullptr;
    for (HWND w = ::FindWindowA("#32770", nullptr); w; w = ::FindWindowExA(nullptr, w, "#32770", nullptr)) {
        DWORD pid = 0;
        if (::GetWindowThreadProcessId(w, &pid) == ::GetCurrentThreadId() && ::IsWindowVisible(w)) dialog = w;
    }
    if (!dialog) return;
    ::KillTimer(nullptr, timer);
    auto step = std::move(PendingDialogStep());
    PendingDialogStep() = nullptr;
    if (step) step(dialog);
}

inline void DriveNextDialog(std::function<void(HWND)> step) {
    PendingDialogStep() = std::move(step);
    ::SetTimer(nullptr, 0, 30, DriveShownDialog);
}
