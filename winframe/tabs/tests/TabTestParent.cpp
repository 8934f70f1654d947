#include "TabTestParent.h"

#include <windowsx.h>

HWND CTestParent::Create() {
    RECT rc{0, 0, 640, 200};
    return CMsgWindow::Create(nullptr, &rc, "tab test parent", WS_OVERLAPPEDWINDOW);
}

std::vector<UINT> CTestParent::Codes() const {
    std::vector<UINT> codes;
    for (const Notice& n : log) codes.push_back(n.code);
    return codes;
}

const Notice* CTestParent::Find(UINT code) const {
    for (const Notice& n : log)
        if (n.code == code) return &n;
    return nullptr;
}

LRESULT CTestParent::OnNotify(UINT, WPARAM, LPARAM l, bool&) {
    const NMHDR* hdr = (const NMHDR*)l;
    if (hdr->code == (UINT)NM_CUSTOMDRAW) return onCustomDraw ? onCustomDraw(*(NMTABSTRIPCUSTOMDRAW*)l) : 0;
    Notice n{hdr->code, 0, 0, {-1, -1}};
    switch (hdr->code) {
    case TCN_SELCHANGE:
    case TCN_SELCHANGING:
    case TSN_ITEMMOVED:
    case TSN_ITEMSWAPPED:
    case TSN_ENDDRAG: {
        const auto* pair = (const NMTABSTRIPPAIR*)l;
        n.first = pair->first;
        n.second = pair->second;
        n.pt = pair->pt;
        break;
    }
    default:
        if (!headerOnly.count(hdr->code)) {
            const auto* item = (const NMTABSTRIPITEM*)l;
            n.first = item->item;
            n.pt = item->pt;
        }
        break;
    }
    log.push_back(n);
    auto reply = replies.find(hdr->code);
    return reply == replies.end() ? 0 : reply->second;
}

LRESULT CTestParent::OnContextMenu(UINT, WPARAM, LPARAM l, bool&) {
    contextMenus.push_back(POINT{GET_X_LPARAM(l), GET_Y_LPARAM(l)});
    return 0;
}

HFONT CreateIconTitleFont(int extraHeight) {
    LOGFONTA lf{};
    ::SystemParametersInfoA(SPI_GETICONTITLELOGFONT, sizeof(lf), &lf, 0);
    lf.lfHeight += lf.lfHeight < 0 ? -extraHeight : extraHeight;
    return ::CreateFontIndirectA(&lf);
}
