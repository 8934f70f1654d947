#include "PaneResultSink.h"

#include "ResultLine.h"

void CPaneResultSink::AddResultLine(const char* path, int line, const char* text) {
    const std::string formatted = FormatResultLine(path, line, text);
    AddText(formatted.c_str());
}

void CPaneResultSink::AddText(const char* text) {
    ::SendMessageA(m_pane, WM_FINDRESULTS_ADDTEXT, 0, reinterpret_cast<LPARAM>(text));
}
