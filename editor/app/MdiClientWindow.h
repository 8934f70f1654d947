#pragma once
// The frame's MDI client until the tabbed MDI client takes it over: it
// hands a double click on its empty area to the frame.
#include "Window.h"

class CMdiClientWindow : public CMsgWindow {
public:
    TW_BEGIN_MSG_MAP(CMdiClientWindow)
        TW_MESSAGE_HANDLER(WM_LBUTTONDBLCLK, OnDoubleClick)
    TW_END_MSG_MAP()

private:
    LRESULT OnDoubleClick(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled) {
        ::SendMessageA(GetParent(), msg, wParam, lParam);
        handled = false;
        return 0;
    }
};
