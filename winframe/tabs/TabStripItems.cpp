// Items and selection of the strip.
#include "TabStripImpl.h"

#include <algorithm>

CTabStripItem* CTabStripImpl::GetItem(int index) const {
    return index >= 0 && index < GetItemCount() ? m_items[index].get() : nullptr;
}

LPARAM CTabStripImpl::GetItemData(int index) const {
    const CTabStripItem* item = GetItem(index);
    return item ? item->data : 0;
}

int CTabStripImpl::InsertItem(int index, const char* text, int image, LPARAM data, bool select) {
    if (index < 0 || index > GetItemCount()) index = GetItemCount();
    auto item = std::make_unique<CTabStripItem>();
    item->text = text ? text : "";
    item->image = image;
    item->data = data;
    m_items.insert(m_items.begin() + index, std::move(item));
    // The selected tab stays the selected tab.
    if (m_selected >= index) ++m_selected;
    m_hot = -1;
    m_toolTips.AddTool(GetItemCount(), nullptr);
    // Laid out before it is selected, so it can be brought into view.
    UpdateLayout();
    NotifyItem(TSN_ITEMINSERTED, index);
    if (GetItemCount() == 1) SetCurSel(0, true);
    else if (select) SetCurSel(index, true);
    UpdateLayout();
    Invalidate();
    return index;
}

bool CTabStripImpl::DeleteItem(int index, bool adjustSelection, bool notify) {
    if (!GetItem(index)) return false;
    if (notify && NotifyItem(TSN_ITEMDELETING, index) == 1) return false;

    bool reselect = false, shifted = false;
    if (GetItemCount() < 2) {
        m_selected = -1;
    } else if (index < m_selected) {
        --m_selected;
        shifted = true;
    } else if (index == m_selected) {
        if (index + 1 < GetItemCount()) reselect = adjustSelection;
        else if (adjustSelection) SetCurSel(index - 1, true);
        else m_selected = -1;
    }
    if (m_state.Has(TabStripState::kDragging)) EndDrag(false);
    m_toolTips.DeleteTool(GetItemCount());
    m_items.erase(m_items.begin() + index);
    m_hot = -1;
    // A vetoed re-selection must not leave the index past the end.
    if (m_selected >= GetItemCount()) m_selected = GetItemCount() - 1;
    UpdateLayout();
    if (reselect) SetCurSel(m_selected, true);
    if (shifted) EnsureVisible(m_selected, false, true);
    Invalidate();
    return true;
}

void CTabStripImpl::DeleteAllItems(bool redraw) {
    m_selected = -1;
    // Redraw is held off directly: WM_SETREDRAW would also show a hidden strip.
    const bool wasRedraw = m_state.Has(TabStripState::kRedraw);
    m_state.Set(TabStripState::kRedraw, false);
    int index = 0;
    while (index < GetItemCount()) {
        if (!DeleteItem(index, false, true)) ++index;  // a vetoed tab stays
    }
    m_state.Set(TabStripState::kRedraw, wasRedraw);
    UpdateLayout();
    if (redraw) Invalidate();
}

int CTabStripImpl::FindItem(CTabStripItem* pattern, UINT flags, int startAfter) const {
    if (!pattern) return -1;
    for (int i = std::max(startAfter + 1, 0); i < GetItemCount(); ++i) {
        if (m_items[i]->Matches(*pattern, flags)) {
            m_items[i]->CopyFoundInto(*pattern, flags);
            return i;
        }
    }
    return -1;
}

int CTabStripImpl::SetCurSel(int index, bool notify) {
    if (index >= GetItemCount()) index = m_selected;
    if (index < 0) index = -1;
    const int previous = m_selected;
    if (notify && NotifyPair(TCN_SELCHANGING, previous, index) == 1) return -1;
    m_selected = index;
    if (index >= 0) EnsureVisible(index, false, false);
    UpdateLayout();
    Invalidate();
    if (notify) NotifyPair(TCN_SELCHANGE, previous, index);
    return previous;
}

bool CTabStripImpl::MoveItem(int from, int to, bool followSelection, bool notify) {
    if (!GetItem(from) || !GetItem(to)) return false;
    auto item = std::move(m_items[from]);
    m_items.erase(m_items.begin() + from);
    m_items.insert(m_items.begin() + to, std::move(item));
    if (m_selected == from) {
        if (followSelection) {
            SetCurSel(to, true);
        }
    } else if (m_selected > from && m_selected <= to) {
        --m_selected;  // another selected tab keeps its selection
    } else if (m_selected < from && m_selected >= to) {
        ++m_selected;
    }
    m_hot = -1;
    UpdateLayout();
    Invalidate();
    if (notify) NotifyPair(TSN_ITEMMOVED, from, to);
    return true;
}

bool CTabStripImpl::SwapItems(int a, int b, bool followSelection, bool notify) {
    if (!GetItem(a) || !GetItem(b)) return false;
    std::swap(m_items[a], m_items[b]);
    if (followSelection) {
        if (m_selected == a) SetCurSel(b, true);
        else if (m_selected == b) SetCurSel(a, true);
    }
    m_hot = -1;
    UpdateLayout();
    Invalidate();
    if (notify) NotifyPair(TSN_ITEMSWAPPED, a, b);
    return true;
}

bool CTabStripImpl::EnsureVisible(int index, bool partialOk, bool redraw) {
    if (!GetItem(index)) return false;
    tabs::StripLayout view = CurrentLayout();
    view.canScrollLeft = m_state.Has(TabStripState::kCanScrollLeft);
    view.canScrollRight = m_state.Has(TabStripState::kCanScrollRight);
    tabs::EnsureVisibleOffset(view, index, partialOk, &m_scrollOffset);
    if (redraw) {
        UpdateLayout();
        Invalidate();
    }
    return true;
}

int CTabStripImpl::HitTest(POINT pt, UINT* flags) const {
    return tabs::HitTest(CurrentLayout(), pt, flags);
}

bool CTabStripImpl::GetItemRect(int index, RECT* rect) const {
    const CTabStripItem* item = GetItem(index);
    if (!item) {
        if (rect) ::SetRectEmpty(rect);
        return false;
    }
    if (rect) {
        *rect = item->rect;
        ::OffsetRect(rect, m_scrollOffset, 0);
    }
    return true;
}
