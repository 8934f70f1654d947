// Painting of the strip through an off-screen bitmap, with NM_CUSTOMDRAW
// letting the parent change colours and fonts or draw parts itself.
#include "TabStripImpl.h"

#include "MiddleEllipsis.h"
#include "OffscreenDc.h"

namespace {

// Pens and brushes live for one call.
void Line(HDC dc, COLORREF colour, int x1, int y1, int x2, int y2) {
    CPenHandle pen(::CreatePen(PS_SOLID, 1, colour));
    CSelectObject select(dc, pen);
    ::MoveToEx(dc, x1, y1, nullptr);
    ::LineTo(dc, x2, y2);
}

void Fill(HDC dc, const RECT& r, COLORREF colour) {
    CBrushHandle brush(::CreateSolidBrush(colour));
    ::FillRect(dc, &r, brush);
}

}  // namespace

LRESULT CTabStripImpl::OnPaint(UINT, WPARAM, LPARAM, bool&) {
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(m_hWnd, &ps);
    {
        OffscreenDc offscreen(dc, ps.rcPaint);
        Paint(offscreen.Dc());
    }
    ::EndPaint(m_hWnd, &ps);
    return 0;
}

LRESULT CTabStripImpl::OnPrintClient(UINT, WPARAM w, LPARAM, bool&) {
    HDC dc = (HDC)w;
    RECT box;
    int kind = ::GetClipBox(dc, &box);
    if (kind == ERROR || kind == NULLREGION) ::GetClientRect(m_hWnd, &box);
    OffscreenDc offscreen(dc, box);
    Paint(offscreen.Dc());
    return 0;
}

void CTabStripImpl::Paint(HDC dc) {
    RECT client;
    ::GetClientRect(m_hWnd, &client);
    CSaveDc saved(dc);
    ::IntersectClipRect(dc, client.left, client.top, client.right, client.bottom);
    ::SelectObject(dc, m_font.Get());
    ::SetBkMode(dc, TRANSPARENT);

    NMTABSTRIPCUSTOMDRAW cd{};
    cd.nmcd.hdr = {m_hWnd, (UINT_PTR)::GetDlgCtrlID(m_hWnd), (UINT)NM_CUSTOMDRAW};
    cd.nmcd.dwDrawStage = CDDS_PREPAINT;
    cd.nmcd.hdc = dc;
    cd.nmcd.rc = client;
    cd.hFont = m_font;
    cd.hFontSelected = m_fontSelected;
    cd.hBrushBackground = m_background;
    cd.clrTextInactive = m_inactiveText;
    cd.clrTextSelected = ::GetSysColor(COLOR_BTNTEXT);
    cd.clrSelectedTab = m_selectedTab;
    cd.clrBtnFace = ::GetSysColor(COLOR_BTNFACE);
    cd.clrBtnShadow = ::GetSysColor(COLOR_BTNSHADOW);
    cd.clrBtnHighlight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    cd.clrBtnText = ::GetSysColor(COLOR_BTNTEXT);
    cd.clrHighlight = ::GetSysColor(COLOR_HIGHLIGHT);
    cd.clrHotlight = ::GetSysColor(COLOR_HOTLIGHT);
    cd.clrHighlightText = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
    HWND parent = ::GetParent(m_hWnd);
    auto send = [&](NMTABSTRIPCUSTOMDRAW& record) {
        return parent ? ::SendMessageA(parent, WM_NOTIFY, record.nmcd.hdr.idFrom, (LPARAM)&record) : 0;
    };
    const LRESULT reply = send(cd);

    RECT paintRect;
    ::GetClipBox(dc, &paintRect);
    if (!(reply & CDRF_SKIPDEFAULT)) DrawBackground(dc, cd, client);
    // A postpaint request alone still gets its tabs.
    const bool notifyItems = (reply & CDRF_NOTIFYITEMDRAW) != 0;
    if (!(reply & CDRF_SKIPDEFAULT) || notifyItems) DrawTabs(dc, cd, notifyItems, paintRect);
    if (!(reply & CDRF_SKIPDEFAULT)) DrawButtons(dc, cd);
    if (reply & CDRF_NOTIFYPOSTPAINT) {
        cd.nmcd.dwDrawStage = CDDS_POSTPAINT;
        cd.nmcd.rc = client;
        send(cd);
    }
}

void CTabStripImpl::DrawBackground(HDC dc, const NMTABSTRIPCUSTOMDRAW& cd, const RECT& client) {
    RECT clip;
    ::GetClipBox(dc, &clip);
    // Hover changes repaint one button only.
    for (const RECT* button : {&m_layout.closeButton, &m_layout.scrollRight, &m_layout.scrollLeft}) {
        if (!::IsRectEmpty(button) && ::EqualRect(&clip, button)) {
            ::FillRect(dc, button, cd.hBrushBackground);
            return;
        }
    }
    ::FillRect(dc, &client, cd.hBrushBackground);
    const int l = client.left, t = client.top, r = client.right, b = client.bottom;
    if (StripStyle() & TSS_TABSATTOP) {
        Fill(dc, RECT{l, t, r, t + 3}, cd.clrBtnFace);
        Line(dc, cd.clrBtnText, l, t + 3, r, t + 3);
        return;
    }
    Fill(dc, RECT{l, b - 2, r, b}, cd.clrBtnFace);
    Line(dc, cd.clrBtnHighlight, l, b - 3, r, b - 3);
    Line(dc, cd.clrBtnShadow, l, b - 3, l, t);
    Line(dc, cd.clrBtnShadow, l, t, r, t);
    Line(dc, (StripStyle() & TSS_SHADOWRIGHTEDGE) ? cd.clrBtnShadow : cd.clrBtnHighlight, r - 1, t, r - 1, b - 2);
    Line(dc, cd.clrBtnFace, l + 1, b - 3, l + 1, t);
    Line(dc, cd.clrBtnFace, r - 2, b - 3, r - 2, t);
}

void CTabStripImpl::DrawTabs(HDC dc, NMTABSTRIPCUSTOMDRAW& cd, bool notifyItems, const RECT& paintRect) {
    const DWORD style = StripStyle();
    const bool scroll = (style & TSS_SCROLLMODE) != 0;
    CGdiObject<HRGN> savedClip(::CreateRectRgn(0, 0, 0, 0));
    const bool hadClip = ::GetClipRgn(dc, savedClip) == 1;
    POINT oldOrigin{};
    if (scroll) {
        const RECT& a = m_layout.tabArea;
        ::IntersectClipRect(dc, a.left, a.top, a.right, a.bottom);
        ::OffsetViewportOrgEx(dc, m_scrollOffset, 0, &oldOrigin);
    }
    HWND parent = ::GetParent(m_hWnd);
    auto drawOne = [&](int i) {
        const CTabStripItem& item = *m_items[i];
        RECT shown = item.rect, overlap;
        ::OffsetRect(&shown, m_scrollOffset, 0);
        if (!::IntersectRect(&overlap, &shown, &paintRect)) return;
        NMTABSTRIPCUSTOMDRAW icd = cd;
        icd.nmcd.dwDrawStage = CDDS_ITEMPREPAINT;
        icd.nmcd.rc = item.rect;
        icd.nmcd.dwItemSpec = (DWORD_PTR)i;
        icd.nmcd.uItemState = (i == m_selected ? CDIS_SELECTED : 0) |
                              ((style & TSS_HOTTRACK) && i == m_hot ? CDIS_HOT : 0);
        icd.nmcd.lItemlParam = item.data;
        LRESULT reply = 0;
        if (notifyItems && parent) reply = ::SendMessageA(parent, WM_NOTIFY, icd.nmcd.hdr.idFrom, (LPARAM)&icd);
        if (!(reply & CDRF_SKIPDEFAULT)) DrawTab(dc, icd, i, item.rect);
        if (notifyItems && parent && (reply & CDRF_NOTIFYPOSTPAINT)) {
            icd.nmcd.dwDrawStage = CDDS_ITEMPOSTPAINT;
            ::SendMessageA(parent, WM_NOTIFY, icd.nmcd.hdr.idFrom, (LPARAM)&icd);
        }
    };
    for (int i = 0; i < GetItemCount(); ++i)
        if (i != m_selected) drawOne(i);
    if (GetItem(m_selected)) drawOne(m_selected);  // on top of its neighbours
    if (scroll) {
        ::SetViewportOrgEx(dc, oldOrigin.x, oldOrigin.y, nullptr);
        ::SelectClipRgn(dc, hadClip ? savedClip.Get() : nullptr);
    }
}

void CTabStripImpl::DrawTab(HDC dc, const NMTABSTRIPCUSTOMDRAW& cd, int index, const RECT& rc) {
    const CTabStripItem& item = *m_items[index];
    const bool atTop = (StripStyle() & TSS_TABSATTOP) != 0;
    const bool selected = index == m_selected;
    const UINT state = cd.nmcd.uItemState;
    const bool marked = (state & TSIS_MARKED) != 0;
    const int l = rc.left, t = rc.top, r = rc.right, b = rc.bottom;

    if (selected) {
        RECT shape{l, t + 3, r - 1, b - 2};
        Fill(dc, shape, marked ? cd.clrHighlight : cd.clrSelectedTab);
        if (atTop) {
            Line(dc, cd.clrBtnText, shape.right, shape.top, shape.right, shape.bottom);
            Line(dc, cd.clrBtnText, shape.left, shape.bottom, shape.right + 1, shape.bottom);
            Line(dc, cd.clrBtnHighlight, shape.left, shape.bottom, shape.left, shape.top - 2);
        } else {
            Line(dc, cd.clrBtnHighlight, shape.left, shape.bottom, shape.left, shape.top);
            Line(dc, cd.clrBtnHighlight, shape.left, shape.top, shape.right, shape.top);
            Line(dc, cd.clrBtnText, shape.right, shape.top, shape.right, shape.bottom);
        }
    } else {
        if (marked) {
            const int left = l + (index == m_selected + 1 && m_selected >= 0 ? 2 : 1);
            Fill(dc, atTop ? RECT{left, t + 3, r - 2, b - 1} : RECT{left, t + 2, r - 2, b - 2}, cd.clrHighlight);
        }
        if (index + 1 != m_selected) {
            if (atTop) Line(dc, cd.clrBtnShadow, r - 1, t + 3, r - 1, b - 1);
            else Line(dc, cd.clrBtnShadow, r - 1, t + 2, r - 1, b - 2);
        }
    }

    // Image and label.
    RECT content{l + m_metrics.edgeInset, atTop ? t + 3 + m_textOffset + 1 : t + m_textOffset + 1,
                 r - m_metrics.edgeInset, b};
    const int middle = (t + b) / 2 + (t + 3) / 2;
    IMAGEINFO info{};
    if (m_imageList && item.image >= 0 && ::ImageList_GetImageInfo(m_imageList, item.image, &info)) {
        const int w = info.rcImage.right - info.rcImage.left, h = info.rcImage.bottom - info.rcImage.top;
        if (w < content.right - content.left) {
            ::ImageList_Draw(m_imageList, item.image, dc, content.left, m_textOffset + middle - h / 2, ILD_TRANSPARENT);
            content.left += w;
        }
    }
    if (item.text.empty() || content.left + m_metrics.minTextWidth >= content.right) return;
    content.left += m_metrics.textInset;
    content.right -= m_metrics.textInset;
    CSelectObject font(dc, selected ? cd.hFontSelected : cd.hFont);
    COLORREF colour = selected ? cd.clrTextSelected : cd.clrTextInactive;
    if (marked) colour = cd.clrHighlightText;
    else if (state & CDIS_HOT) colour = cd.clrHotlight;
    ::SetTextColor(dc, colour);
    const std::string label = MiddleEllipsis(item.text, content.right - content.left, DcTextMeasure(dc));
    ::DrawTextA(dc, label.c_str(), (int)label.size(), &content, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

void CTabStripImpl::DrawButtonEdge(HDC dc, int element, const RECT& r) {
    RECT edge = r;
    if (m_state.Pressed() == element && m_state.Under() == element) ::DrawEdge(dc, &edge, BDR_SUNKENOUTER, BF_RECT);
    else if (m_state.Hover() == element) ::DrawEdge(dc, &edge, BDR_RAISEDINNER, BF_RECT);
}

void CTabStripImpl::DrawButtons(HDC dc, const NMTABSTRIPCUSTOMDRAW& cd) {
    const DWORD style = StripStyle();
    CPenHandle pen(::CreatePen(PS_SOLID, 1, cd.clrTextInactive));
    CBrushHandle brush(::CreateSolidBrush(cd.clrTextInactive));
    CSelectObject selectPen(dc, pen);
    CSelectObject selectBrush(dc, brush);
    auto down = [&](int element) { return m_state.Pressed() == element && m_state.Under() == element ? 1 : 0; };

    const CTabStripItem* selected = GetItem(m_selected);
    const RECT& c = m_layout.closeButton;
    if ((style & TSS_CLOSEBUTTON) && selected && selected->closable && !::IsRectEmpty(&c)) {
        const int d = down(kElemClose);
        const int l = c.left + d, t = c.top + d, r = c.right + d, b = c.bottom + d;
        const POINT strokes[4][2] = {{{l + 3, t + 4}, {r - 5, b - 4}},
                                     {{l + 4, t + 4}, {r - 4, b - 4}},
                                     {{l + 3, b - 5}, {r - 5, t + 3}},
                                     {{l + 4, b - 5}, {r - 4, t + 3}}};
        for (const auto& s : strokes) {
            ::MoveToEx(dc, s[0].x, s[0].y, nullptr);
            ::LineTo(dc, s[1].x, s[1].y);
        }
        DrawButtonEdge(dc, kElemClose, c);
    }
    if (!(style & TSS_SCROLLMODE)) return;
    const RECT& sr = m_layout.scrollRight;
    if (!::IsRectEmpty(&sr)) {
        if (m_state.Has(TabStripState::kCanScrollRight)) {
            const int d = down(kElemScrollRight);
            POINT p[3] = {{sr.left + 5 + d, sr.top + 3 + d}, {sr.left + 5 + d, sr.bottom - 4 + d},
                          {sr.right - 6 + d, (sr.bottom + sr.top) / 2 + d}};
            ::Polygon(dc, p, 3);
        }
        DrawButtonEdge(dc, kElemScrollRight, sr);
    }
    const RECT& sl = m_layout.scrollLeft;
    if (!::IsRectEmpty(&sl)) {
        if (m_state.Has(TabStripState::kCanScrollLeft)) {
            const int d = down(kElemScrollLeft);
            POINT p[3] = {{sl.right - 6 + d, sl.top + 3 + d}, {sl.right - 6 + d, sl.bottom - 4 + d},
                          {sl.left + 5 + d, (sl.bottom + sl.top) / 2 + d}};
            ::Polygon(dc, p, 3);
        }
        DrawButtonEdge(dc, kElemScrollLeft, sl);
    }
}
