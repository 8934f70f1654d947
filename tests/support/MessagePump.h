#pragma once
// The tests' one message pump: what a test program's thread has queued is
// dispatched as the program's own loop would.
#include <windows.h>

#include <functional>

// Sees each message before it is dispatched; true keeps it from dispatch
// (a frame's PreTranslateMessage).
using PumpFilter = std::function<bool(MSG&)>;

// Dispatches until the queue is empty (WM_QUIT is dropped). More rounds run
// it again after a pause of pauseMs, so that posted follow-ups and short
// timers are taken too.
void PumpMessages(int rounds = 1, DWORD pauseMs = 0, const PumpFilter& filter = nullptr);
// Dispatches for durationMs, waiting for new messages in between.
void PumpMessagesFor(DWORD durationMs);
// Dispatches, waiting for new messages in between, until done answers true
// (checked before each wait) or timeoutMs has passed; done's last answer.
bool PumpMessagesUntil(const std::function<bool()>& done, DWORD timeoutMs);
