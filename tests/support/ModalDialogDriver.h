#pragma once
// Runs `step` on the next dialog this thread shows, from a thread timer that
// the dialog's own modal loop dispatches; call it just before the dialog runs.
// Dialogs that exist when it is called (a modeless find dialog, the owner of
// a nested dialog), shown or hidden then, are never taken for the next one:
// the step waits for the new dialog's own window, however late its modal
// loop shows it. (A modeless dialog hidden at the call and shown again
// before the new one took the step once, and the new dialog waited forever.)
#include <windows.h>

#include <algorithm>
#include <functional>
#include <vector>

inline std::function<void(HWND)>& PendingDialogStep() {
    static std::function<void(HWND)> step;
    return step;
}

// The dialogs of this thread that existed when the step was set.
inline std::vector<HWND>& DialogsBefore() {
    static std::vector<HWND> shown;
    return shown;
}

// In z-order, the topmost first.
inline std::vector<HWND> DialogsOfThisThread(bool shownOnly) {
    std::vector<HWND> found;
    for (HWND w = ::FindWindowA("#32770", nullptr); w; w = ::FindWindowExA(nullptr, w, "#32770", nullptr)) {
        DWORD pid = 0;
        if (::GetWindowThreadProcessId(w, &pid) == ::GetCurrentThreadId() && (!shownOnly || ::IsWindowVisible(w)))
            found.push_back(w);
    }
    return found;
}

inline void CALLBACK DriveShownDialog(HWND, UINT, UINT_PTR timer, DWORD) {
    const std::vector<HWND>& before = DialogsBefore();
    HWND dialog = nullptr;
    for (HWND w : DialogsOfThisThread(true))
        if (std::find(before.begin(), before.end(), w) == before.end()) {
            dialog = w;  // the topmost new one
            break;
        }
    if (!dialog) return;
    ::KillTimer(nullptr, timer);
    auto step = std::move(PendingDialogStep());
    PendingDialogStep() = nullptr;
    DialogsBefore().clear();
    if (step) step(dialog);
}

inline void DriveNextDialog(std::function<void(HWND)> step) {
    PendingDialogStep() = std::move(step);
    DialogsBefore() = DialogsOfThisThread(false);
    ::SetTimer(nullptr, 0, 30, DriveShownDialog);
}
