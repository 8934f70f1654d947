#pragma once
// The sink a search writes into a result pane with: each line is sent to the
// pane's window, which measures and adds it on its own thread. The send
// waits, so lines arrive in order and the text stays valid meanwhile.
#include <windows.h>

#include "ResultSink.h"

// To a result pane: lParam the text of one line (const char*).
constexpr UINT WM_FINDRESULTS_ADDTEXT = WM_APP + 2;

class CPaneResultSink : public IFindResultSink {
public:
    explicit CPaneResultSink(HWND pane) : m_pane(pane) {}
    void AddResultLine(const char* path, int line, const char* text) override;
    void AddText(const char* text) override;

private:
    HWND m_pane;
};
