#include "AutoHideBar.h"

#include <algorithm>
#include <vector>

#include "AutoHideLayout.h"
#include "DockingMetrics.h"
#include "GdiHandles.h"

namespace {

int LengthOf(const RECT& r, bool vertical) { return vertical ? r.bottom - r.top : r.right - r.left; }

}  // namespace

HFONT CAutoHideBar::Font() const {
    const CDockingMetrics& m = CDockingMetrics::Get();
    return IsVerticalBar(side) ? m.VerticalGuiFont() : m.GuiFont();
}

bool CAutoHideBar::Place(HDC dc, RECT& r, int thickness, int indentStart, int indentEnd) {
    if (Empty()) {
        rect = RECT{};
        return true;
    }
    rect = PlaceAutoHideBar(r, side, thickness, indentStart, indentEnd);
    LayoutTabs(dc);
    return true;
}

void CAutoHideBar::LayoutTabs(HDC dc) {
    if (!dc) return;
    CSelectObject font(dc, Font());
    std::vector<int> preferred;
    for (const auto& e : entries) preferred.push_back(e->Measure(dc));
    const int cap = AutoHideTabCap(preferred, LengthOf(rect, IsVerticalBar(side)) - 1);
    for (size_t i = 0; i < entries.size(); ++i)
        entries[i]->SetLength(cap < 0 ? preferred[i] : std::min(preferred[i], cap));
}

void CAutoHideBar::Draw(HDC dc, bool fillBackground) const {
    if (Empty() || !dc) return;
    const bool vertical = IsVerticalBar(side);
    const CDockingMetrics& m = CDockingMetrics::Get();
    if (fillBackground) {
        CBrushHandle face(::CreateSolidBrush(m.FaceColour()));
        CSelectObject brush(dc, face);
        ::PatBlt(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, PATCOPY);
    }
    CPenHandle shadow(::CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNSHADOW)));
    CPenHandle faceLine(::CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNFACE)));
    CBrushHandle tabFace(::CreateSolidBrush(::GetSysColor(COLOR_BTNFACE)));
    CSelectObject pen(dc, shadow);
    CSelectObject brush(dc, tabFace);
    CSelectObject font(dc, Font());
    COLORREF oldText = ::SetTextColor(dc, m.BarTextColour());
    int oldMode = ::SetBkMode(dc, TRANSPARENT);

    // The tabs open onto the frame's border; 2 pixels stay free towards the
    // docking area and 3 at both ends.
    RECT area = rect;
    switch (side & 3) {
    case 3: area.right -= 2; break;
    case 1: area.left += 2; break;
    case 2: area.bottom -= 2; break;
    default: area.top += 2; break;
    }
    if (vertical)
        area.top += 3, area.bottom -= 3;
    else
        area.left += 3, area.right -= 3;
    const int count = (int)entries.size();
    if (count * kAutoHideTabGap - kAutoHideTabGap < LengthOf(area, vertical)) {
        int start = vertical ? area.top : area.left;
        for (const auto& e : entries) {
            const int end = start + e->Length();
            RECT tab = area;
            if (vertical)
                tab.top = start, tab.bottom = end;
            else
                tab.left = start, tab.right = end;
            e->Draw(dc, tab, vertical);
            ::SelectObject(dc, faceLine);
            switch (side & 3) {
            case 3: ::MoveToEx(dc, area.left, start + 1, nullptr), ::LineTo(dc, area.left, end - 1); break;
            case 1: ::MoveToEx(dc, area.right - 1, start + 1, nullptr), ::LineTo(dc, area.right - 1, end - 1); break;
            case 2: ::MoveToEx(dc, start + 1, area.top, nullptr), ::LineTo(dc, end - 1, area.top); break;
            default: ::MoveToEx(dc, start + 1, area.bottom - 1, nullptr), ::LineTo(dc, end - 1, area.bottom - 1); break;
            }
            ::SelectObject(dc, shadow);
            start = end + kAutoHideTabGap;
        }
    }
    ::SetBkMode(dc, oldMode);
    ::SetTextColor(dc, oldText);
}

AutoHideHit CAutoHideBar::HitTest(POINT p, bool select) {
    if (Empty() || !::PtInRect(&rect, p)) return {};
    const bool vertical = IsVerticalBar(side);
    std::vector<int> lengths;
    for (const auto& e : entries) lengths.push_back(e->Length());
    int within = 0;
    int i = AutoHideTabAt(lengths, vertical ? p.y - rect.top : p.x - rect.left, &within);
    if (i < 0) return {};
    CAutoHideBarEntry& e = *entries[i];
    int index = e.IndexAt(within, select);
    return {&e, e.PaneAt(index)};
}

int CAutoHideBar::IndexOf(HWND pane) const {
    for (size_t i = 0; i < entries.size(); ++i) {
        DockMessage scratch;
        if (entries[i]->FillPlacement(pane, scratch)) return (int)i;
    }
    return -1;
}

bool CAutoHideBar::RemovePane(HWND pane, DockMessage* record) {
    const int i = IndexOf(pane);
    if (i < 0) return false;
    if (record) {
        record->place.flags = (side & 3) | kPlaceAlone | kPlaceAutoHidden;
        entries[i]->GiveBack(*record);
        entries.erase(entries.begin() + i);
    } else {
        std::unique_ptr<CAutoHideBarEntry> replacement;
        switch (entries[i]->RemovePane(pane, replacement)) {
        case CAutoHideBarEntry::Removal::Replaced: entries[i] = std::move(replacement); break;
        case CAutoHideBarEntry::Removal::Dropped: entries.erase(entries.begin() + i); break;
        default: break;
        }
    }
    if (Empty()) rect = RECT{};
    return true;
}
