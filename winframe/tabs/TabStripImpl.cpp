// Creation, metrics, layout, tool tips, styles and keyboard of the strip.
#include "TabStripImpl.h"

CTabStripImpl::~CTabStripImpl() {
    if (m_oleLibrary) ::FreeLibrary(m_oleLibrary);
}

DWORD CTabStripImpl::StripStyle() const { return (DWORD)::GetWindowLongA(m_hWnd, GWL_STYLE) & 0xFFFF; }

void CTabStripImpl::Invalidate(const RECT* rect) const {
    if (m_hWnd) ::InvalidateRect(m_hWnd, rect, FALSE);
}

HIMAGELIST CTabStripImpl::SetImageList(HIMAGELIST list) {
    HIMAGELIST old = m_imageList;
    m_imageList = list;
    return old;
}

LRESULT CTabStripImpl::NotifyHeader(UINT code) {
    NMHDR hdr{m_hWnd, (UINT_PTR)::GetDlgCtrlID(m_hWnd), code};
    HWND parent = ::GetParent(m_hWnd);
    return parent ? ::SendMessageA(parent, WM_NOTIFY, hdr.idFrom, (LPARAM)&hdr) : 0;
}

LRESULT CTabStripImpl::NotifyItem(UINT code, int item, POINT pt) {
    NMTABSTRIPITEM nm{{m_hWnd, (UINT_PTR)::GetDlgCtrlID(m_hWnd), code}, item, pt};
    HWND parent = ::GetParent(m_hWnd);
    return parent ? ::SendMessageA(parent, WM_NOTIFY, nm.hdr.idFrom, (LPARAM)&nm) : 0;
}

LRESULT CTabStripImpl::NotifyPair(UINT code, int first, int second, POINT pt) {
    NMTABSTRIPPAIR nm{{m_hWnd, (UINT_PTR)::GetDlgCtrlID(m_hWnd), code}, first, second, pt};
    HWND parent = ::GetParent(m_hWnd);
    return parent ? ::SendMessageA(parent, WM_NOTIFY, nm.hdr.idFrom, (LPARAM)&nm) : 0;
}

LRESULT CTabStripImpl::OnCreate(UINT msg, WPARAM w, LPARAM l, bool&) {
    LRESULT result = DefWindowProc(msg, w, l);
    ::SendMessageA(m_hWnd, WM_SETTINGCHANGE, 0, 0);
    const DWORD style = StripStyle();
    if (m_toolTips.Create(m_hWnd)) {
        m_toolTips.Activate((style & TSS_TOOLTIPS) != 0);
        if (style & TSS_SCROLLMODE) {
            m_toolTips.AddTool(kToolScrollRight, "Scroll Right", m_layout.scrollRight);
            m_toolTips.AddTool(kToolScrollLeft, "Scroll Left", m_layout.scrollLeft);
        }
        if (style & TSS_CLOSEBUTTON) m_toolTips.AddTool(kToolClose, "Close", m_layout.closeButton);
    }
    return result;
}

LRESULT CTabStripImpl::OnDestroy(UINT, WPARAM, LPARAM, bool& handled) {
    KillScrollTimers();
    if (m_state.Has(TabStripState::kDragging)) EndDrag(false);
    m_toolTips.DeleteTool(kToolScrollRight);
    m_toolTips.DeleteTool(kToolScrollLeft);
    m_toolTips.DeleteTool(kToolClose);
    DeleteAllItems(false);
    m_toolTips.Destroy();
    handled = false;
    return 0;
}

LRESULT CTabStripImpl::OnSize(UINT, WPARAM, LPARAM, bool& handled) {
    UpdateLayout();
    Invalidate();
    handled = false;
    return 0;
}

LRESULT CTabStripImpl::OnSettingChange(UINT, WPARAM, LPARAM, bool&) {
    UpdateMetrics();
    UpdateLayout();
    Invalidate();
    return 0;
}

void CTabStripImpl::UpdateMetrics() {
    LOGFONTA iconFont{};
    ::SystemParametersInfoA(SPI_GETICONTITLELOGFONT, sizeof(iconFont), &iconFont, 0);
    LOGFONTA current{};
    bool same = m_font && ::GetObjectA(m_font, sizeof(current), &current) &&
                ::lstrcmpiA(current.lfFaceName, iconFont.lfFaceName) == 0 && current.lfHeight == iconFont.lfHeight;
    if (!same) {
        HFONT normal = ::CreateFontIndirectA(&iconFont);
        if (normal) m_font.Reset(normal);
        else m_font.Reset((HFONT)::GetStockObject(DEFAULT_GUI_FONT), false);
        LOGFONTA bold = iconFont;
        if (StripStyle() & TSS_BOLDSELECTED) bold.lfWeight = FW_BOLD;
        HFONT selected = ::CreateFontIndirectA(&bold);
        if (selected) m_fontSelected.Reset(selected);
        else m_fontSelected.Reset((HFONT)::GetStockObject(DEFAULT_GUI_FONT), false);
    }

    int bpp;
    {
        CClientDc dc(m_hWnd);
        bpp = ::GetDeviceCaps(dc, BITSPIXEL) * ::GetDeviceCaps(dc, PLANES);
    }
    const tabs::DepthColours colours = tabs::ColoursForDepth(bpp);
    m_selectedTab = ::GetSysColor(COLOR_BTNFACE);
    m_inactiveText = ::GetSysColor(colours.inactiveText);
    // The system brush belongs to the system and is never deleted.
    if (colours.windowBrush) m_background.Reset(::GetSysColorBrush(COLOR_WINDOW), false);
    else m_background.Reset(::CreateSolidBrush(::GetSysColor(COLOR_BTNFACE)));

    m_metrics = tabs::StripMetrics{};
    m_textOffset = tabs::TextOffset(iconFont.lfHeight);
}

tabs::StripLayout CTabStripImpl::CurrentLayout() const {
    tabs::StripLayout view = m_layout;
    view.tabs.clear();
    for (const auto& item : m_items) view.tabs.push_back(item->rect);
    view.scrollOffset = m_scrollOffset;
    return view;
}

void CTabStripImpl::UpdateLayout() {
    if (!m_hWnd || !::IsWindow(m_hWnd) || !m_state.Has(TabStripState::kRedraw)) return;
    tabs::LayoutInput in;
    ::GetClientRect(m_hWnd, &in.client);
    in.style = StripStyle();
    in.selected = m_selected;
    in.selectedClosable = GetItem(m_selected) && GetItem(m_selected)->closable;
    in.scrollOffset = m_scrollOffset;
    in.metrics = m_metrics;
    {
        CClientDc dc(m_hWnd);
        for (int i = 0; i < GetItemCount(); ++i) {
            const CTabStripItem& item = *m_items[i];
            CSelectObject font(dc, i == m_selected ? m_fontSelected.Get() : m_font.Get());
            int imageWidth = 0;
            IMAGEINFO info{};
            if (m_imageList && item.image >= 0 && ::ImageList_GetImageInfo(m_imageList, item.image, &info))
                imageWidth = info.rcImage.right - info.rcImage.left;
            RECT text{};
            if (!item.text.empty())
                ::DrawTextA(dc, item.text.c_str(), (int)item.text.size(), &text,
                            DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
            in.widths.push_back(tabs::NaturalWidth(m_metrics, imageWidth, text.right - text.left, !item.text.empty()));
        }
    }
    m_layout = tabs::LayOut(in);
    m_scrollOffset = m_layout.scrollOffset;
    m_state.Set(TabStripState::kCanScrollLeft, m_layout.canScrollLeft);
    m_state.Set(TabStripState::kCanScrollRight, m_layout.canScrollRight);
    for (int i = 0; i < GetItemCount(); ++i) m_items[i]->rect = m_layout.tabs[i];
    UpdateToolRects();
}

void CTabStripImpl::UpdateToolRects() {
    for (int i = 0; i < GetItemCount(); ++i) {
        RECT shown = m_layout.Shifted(i), visible{};
        ::IntersectRect(&visible, &shown, &m_layout.tabArea);
        m_toolTips.SetToolRect(i + 1, visible);
    }
    m_toolTips.SetToolRect(kToolClose, m_layout.closeButton);
    m_toolTips.SetToolRect(kToolScrollRight, m_layout.scrollRight);
    m_toolTips.SetToolRect(kToolScrollLeft, m_layout.scrollLeft);
}

void CTabStripImpl::ScrollOneStep(bool left, bool redraw) {
    m_scrollOffset += left ? m_state.ScrollStep() : -m_state.ScrollStep();
    UpdateLayout();
    if (redraw) Invalidate();
}

LRESULT CTabStripImpl::OnSetRedraw(UINT, WPARAM w, LPARAM, bool& handled) {
    m_state.Set(TabStripState::kRedraw, w != 0);
    if (w) UpdateLayout();
    handled = false;
    return 0;
}

LRESULT CTabStripImpl::OnStyleChanged(UINT, WPARAM w, LPARAM l, bool& handled) {
    if ((int)w != GWL_STYLE) {
        handled = false;
        return 0;
    }
    const STYLESTRUCT* ss = (const STYLESTRUCT*)l;
    const DWORD added = ss->styleNew & ~ss->styleOld, removed = ss->styleOld & ~ss->styleNew;
    if ((added | removed) & TSS_TOOLTIPS) m_toolTips.Activate((ss->styleNew & TSS_TOOLTIPS) != 0);
    if (added & TSS_SCROLLMODE) {
        m_toolTips.AddTool(kToolScrollRight, "Scroll Right");
        m_toolTips.AddTool(kToolScrollLeft, "Scroll Left");
    } else if (removed & TSS_SCROLLMODE) {
        m_toolTips.DeleteTool(kToolScrollRight);
        m_toolTips.DeleteTool(kToolScrollLeft);
        m_scrollOffset = 0;
    }
    if (added & TSS_CLOSEBUTTON) m_toolTips.AddTool(kToolClose, "Close");
    else if (removed & TSS_CLOSEBUTTON) m_toolTips.DeleteTool(kToolClose);
    UpdateLayout();
    Invalidate();
    return 0;
}

LRESULT CTabStripImpl::OnGetDlgCode(UINT msg, WPARAM w, LPARAM l, bool&) {
    return DefWindowProc(msg, w, l) | DLGC_WANTARROWS;
}

LRESULT CTabStripImpl::OnKeyDown(UINT, WPARAM w, LPARAM, bool& handled) {
    switch (w) {
    case VK_ESCAPE:
        if (m_state.Has(TabStripState::kDragging)) CancelDrag();
        else handled = false;
        break;
    // Either end of the row keeps the selection.
    case VK_LEFT:
        if (m_selected > 0) SetCurSel(m_selected - 1, true);
        break;
    case VK_RIGHT:
        if (m_selected + 1 < GetItemCount()) SetCurSel(m_selected + 1, true);
        break;
    default:
        handled = false;
        break;
    }
    return 0;
}

// The strip keeps its own copy: it deletes its fonts.
LRESULT CTabStripImpl::OnSetFont(UINT, WPARAM w, LPARAM l, bool&) {
    LOGFONTA lf{};
    if (w && ::GetObjectA((HFONT)w, sizeof(lf), &lf)) {
        if (HFONT copy = ::CreateFontIndirectA(&lf)) m_font.Reset(copy);
    }
    UpdateLayout();
    if (LOWORD(l)) Invalidate();
    return 0;
}

LRESULT CTabStripImpl::OnGetToolText(int, NMHDR* header, bool& handled) {
    auto* info = (NMTTDISPINFOA*)header;
    if (!m_toolTips.Is(header->hwndFrom)) {
        handled = false;
        return 0;
    }
    const int index = (int)header->idFrom - 1;
    info->szText[0] = '\0';
    info->lpszText = info->szText;
    if (const CTabStripItem* item = GetItem(index)) {
        const std::string& text = item->tooltip.empty() ? item->text : item->tooltip;
        if (!text.empty()) info->lpszText = const_cast<char*>(text.c_str());
    }
    return 0;
}
