#pragma once
// A parent window that records every notification from a strip and answers
// from a script, plus helpers to drive the strip with mouse messages.
#include <windows.h>

#include <functional>
#include <map>
#include <set>
#include <vector>

#include "TabStripDefs.h"
#include "Window.h"
#include "MessagePump.h"

struct Notice {
    UINT code;
    int first;   // item, or the first index of a pair
    int second;  // second index of a pair, else 0
    POINT pt;
};

class CTestParent : public CMsgWindow {
public:
    std::vector<Notice> log;
    std::vector<POINT> contextMenus;
    // Reply per code; unlisted codes get 0.
    std::map<UINT, LRESULT> replies;
    // Codes whose record is NMHDR alone.
    std::set<UINT> headerOnly{TSN_DRAGOUT};
    // NM_CUSTOMDRAW goes here (not to the log) when set.
    std::function<LRESULT(NMTABSTRIPCUSTOMDRAW&)> onCustomDraw;

    HWND Create();
    std::vector<UINT> Codes() const;
    const Notice* Find(UINT code) const;
    void Clear() { log.clear(); contextMenus.clear(); }

    TW_BEGIN_MSG_MAP(CTestParent)
        TW_MESSAGE_HANDLER(WM_NOTIFY, OnNotify)
        TW_MESSAGE_HANDLER(WM_CONTEXTMENU, OnContextMenu)
    TW_END_MSG_MAP()

protected:
    WindowClassInfo GetWindowClassInfo() const override { return {"TwTabTestParent"}; }

private:
    LRESULT OnNotify(UINT, WPARAM, LPARAM l, bool&);
    LRESULT OnContextMenu(UINT, WPARAM, LPARAM l, bool&);
};

inline LPARAM PointParam(POINT pt) { return MAKELPARAM((WORD)(short)pt.x, (WORD)(short)pt.y); }
inline POINT Centre(const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }
// The icon-title font, as the strip uses by default.
HFONT CreateIconTitleFont(int extraHeight = 0);
