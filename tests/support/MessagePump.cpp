#include "MessagePump.h"

namespace {

void DispatchQueued(const PumpFilter& filter) {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) continue;
        if (filter && filter(msg)) continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

}  // namespace

void PumpMessages(int rounds, DWORD pauseMs, const PumpFilter& filter) {
    for (int round = 0; round < rounds; ++round) {
        DispatchQueued(filter);
        if (rounds > 1) ::Sleep(pauseMs);
    }
}

void PumpMessagesFor(DWORD durationMs) {
    const DWORD start = ::GetTickCount();
    do {
        DispatchQueued(nullptr);
        if (durationMs) ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    } while (::GetTickCount() - start < durationMs);
}

bool PumpMessagesUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    const DWORD start = ::GetTickCount();
    for (;;) {
        DispatchQueued(nullptr);
        if (done()) return true;
        if (::GetTickCount() - start >= timeoutMs) return false;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}
