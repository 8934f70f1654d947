#pragma once
// Runs `step` on the next dialog this thread shows, from a thread timer that
// the dialog's own modal loop dispatches; call it just before the dialog runs.
// Dialogs already shown when it is called (a modeless find dialog, the owner
// of a nested dialog) are never taken for the next one: the step waits for
// the new dialog's own window, however late its modal loop shows it.
#include <windows.h>

#include <algorithm>
#include <functional>
#include <vector>

inline std::function<void(HWND)>& PendingDialogStep() {
    static std::function<void(HWND)> step;
    return step;
}

// The dialogs of this thread that were shown when the step was set.
inline std::vector<HWND>& DialogsShownBefore() {
    static std::vector<HWND> shown;
    return shown;
}

inline std::vector<HWND> ShownDialogsOfThisThread() {
    std::vector<HWND> shown;
    for (HWND w = ::FindWindowA("#32770", nullptr); w; w = ::FindWindowExA(nullptr, w, "#32770", nullptr)) {
        DWORD pid = 0;
        if (::GetWindowThreadProcessId(w, &pid) == ::GetCurrentThreadId() && ::IsWindowVisible(w))
            shown.push_back(w);
    }
    return shown;
}

inline void CALLBACK DriveShownDialog(HWND, UINT, UINT_PTR timer, DWORD) {
    const std::vector<HWND>& before = DialogsShownBefore();
    HWND dialog = nullptr;
    for (HWND w : ShownDialogsOfThisThread())
        if (std::find(before.begin(), before.end(), w) == before.end()) {
            dialog = w;  // the topmost new one
            break;
        }
    if (!dialog) return;
    ::KillTimer(nullptr, timer);
    auto step = std::move(PendingDialogStep());
    PendingDialogStep() = nullptr;
    DialogsShownBefore().clear();
    if (step) step(dialog);
}

inline void DriveNextDialog(std::function<void(HWND)> step) {
    PendingDialogStep() = std::move(step);
    DialogsShownBefore() = ShownDialogsOfThisThread();
    ::SetTimer(nullptr, 0, 30, DriveShownDialog);
}
