#pragma once
// Thin wrappers of the platform's tree and list controls: the few calls the
// symbol pane and the go-to-symbol dialog make, by name instead of by
// message.
#include <windows.h>
#include <commctrl.h>

#include <string>

class TreeViewControl {
public:
    explicit TreeViewControl(HWND window = nullptr) : m_hWnd(window) {}
    HWND Window() const { return m_hWnd; }

    HTREEITEM Insert(HTREEITEM parent, HTREEITEM after, const char* text, int image, LPARAM data) const {
        TVINSERTSTRUCTA insert{};
        insert.hParent = parent;
        insert.hInsertAfter = after;
        insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
        insert.item.pszText = const_cast<char*>(text);
        insert.item.iImage = insert.item.iSelectedImage = image;
        insert.item.lParam = data;
        return reinterpret_cast<HTREEITEM>(::SendMessageA(m_hWnd, TVM_INSERTITEMA, 0, (LPARAM)&insert));
    }
    HTREEITEM Next(HTREEITEM item, UINT relation) const {
        return reinterpret_cast<HTREEITEM>(::SendMessageA(m_hWnd, TVM_GETNEXTITEM, relation, (LPARAM)item));
    }
    HTREEITEM Root() const { return Next(nullptr, TVGN_ROOT); }
    HTREEITEM Child(HTREEITEM item) const { return Next(item, TVGN_CHILD); }
    HTREEITEM Sibling(HTREEITEM item) const { return Next(item, TVGN_NEXT); }
    HTREEITEM Selection() const { return Next(nullptr, TVGN_CARET); }
    LPARAM Data(HTREEITEM item) const {
        TVITEMA tv{};
        tv.mask = TVIF_PARAM | TVIF_HANDLE;
        tv.hItem = item;
        return ::SendMessageA(m_hWnd, TVM_GETITEMA, 0, (LPARAM)&tv) ? tv.lParam : 0;
    }
    std::string Text(HTREEITEM item) const {
        char text[1024] = {};
        TVITEMA tv{};
        tv.mask = TVIF_TEXT | TVIF_HANDLE;
        tv.hItem = item;
        tv.pszText = text;
        tv.cchTextMax = sizeof(text);
        return ::SendMessageA(m_hWnd, TVM_GETITEMA, 0, (LPARAM)&tv) ? std::string(text) : std::string();
    }
    int Count() const { return (int)::SendMessageA(m_hWnd, TVM_GETCOUNT, 0, 0); }
    void Select(HTREEITEM item) const { ::SendMessageA(m_hWnd, TVM_SELECTITEM, TVGN_CARET, (LPARAM)item); }
    void EnsureVisible(HTREEITEM item) const { ::SendMessageA(m_hWnd, TVM_ENSUREVISIBLE, 0, (LPARAM)item); }
    void Expand(HTREEITEM item, UINT how) const { ::SendMessageA(m_hWnd, TVM_EXPAND, how, (LPARAM)item); }
    void DeleteAll() const { ::SendMessageA(m_hWnd, TVM_DELETEITEM, 0, (LPARAM)TVI_ROOT); }
    void SetImageList(HIMAGELIST images) const { ::SendMessageA(m_hWnd, TVM_SETIMAGELIST, TVSIL_NORMAL, (LPARAM)images); }
    void SetColors(COLORREF text, COLORREF back) const {
        ::SendMessageA(m_hWnd, TVM_SETTEXTCOLOR, 0, (LPARAM)text);
        ::SendMessageA(m_hWnd, TVM_SETBKCOLOR, 0, (LPARAM)back);
    }

private:
    HWND m_hWnd;
};

class ListViewControl {
public:
    explicit ListViewControl(HWND window = nullptr) : m_hWnd(window) {}
    HWND Window() const { return m_hWnd; }

    void AddColumn(int index, const char* text, int width) const {
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.pszText = const_cast<char*>(text);
        column.cx = width;
        column.iSubItem = index;
        ::SendMessageA(m_hWnd, LVM_INSERTCOLUMNA, index, (LPARAM)&column);
    }
    int ColumnWidth(int index) const { return (int)::SendMessageA(m_hWnd, LVM_GETCOLUMNWIDTH, index, 0); }
    void SetColumnWidth(int index, int width) const { ::SendMessageA(m_hWnd, LVM_SETCOLUMNWIDTH, index, width); }
    int Append(const char* text, int image, LPARAM data) const {
        LVITEMA item{};
        item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
        item.iItem = Count();
        item.pszText = const_cast<char*>(text);
        item.iImage = image;
        item.lParam = data;
        return (int)::SendMessageA(m_hWnd, LVM_INSERTITEMA, 0, (LPARAM)&item);
    }
    void SetText(int index, int subItem, const char* text) const {
        LVITEMA item{};
        item.iSubItem = subItem;
        item.pszText = const_cast<char*>(text);
        ::SendMessageA(m_hWnd, LVM_SETITEMTEXTA, index, (LPARAM)&item);
    }
    std::string Text(int index, int subItem) const {
        char text[1024] = {};
        LVITEMA item{};
        item.iSubItem = subItem;
        item.pszText = text;
        item.cchTextMax = sizeof(text);
        ::SendMessageA(m_hWnd, LVM_GETITEMTEXTA, index, (LPARAM)&item);
        return text;
    }
    LPARAM Data(int index) const {
        LVITEMA item{};
        item.mask = LVIF_PARAM;
        item.iItem = index;
        return ::SendMessageA(m_hWnd, LVM_GETITEMA, 0, (LPARAM)&item) ? item.lParam : 0;
    }
    int Count() const { return (int)::SendMessageA(m_hWnd, LVM_GETITEMCOUNT, 0, 0); }
    int Selected() const { return (int)::SendMessageA(m_hWnd, LVM_GETNEXTITEM, (WPARAM)-1, LVNI_SELECTED); }
    void Select(int index) const {
        LVITEMA item{};
        item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        item.state = LVIS_SELECTED | LVIS_FOCUSED;
        ::SendMessageA(m_hWnd, LVM_SETITEMSTATE, index, (LPARAM)&item);
        ::SendMessageA(m_hWnd, LVM_ENSUREVISIBLE, index, FALSE);
    }
    void SetSmallImages(HIMAGELIST images) const { ::SendMessageA(m_hWnd, LVM_SETIMAGELIST, LVSIL_SMALL, (LPARAM)images); }

private:
    HWND m_hWnd;
};
