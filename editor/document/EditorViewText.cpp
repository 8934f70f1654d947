// Text helpers, word count, view state and the context menu.
#include "EditorView.h"

#include <windowsx.h>

#include <algorithm>
#include <cstring>
#include <tuple>

#include "ClipboardText.h"
#include "ResourceText.h"
#include "WordCount.h"
#include "resource.h"

int CEditorView::CaretLine() const {
    return static_cast<int>(Send(SCI_LINEFROMPOSITION, Send(SCI_GETCURRENTPOS)));
}

int CEditorView::LineLength(int line) const {
    return static_cast<int>(Send(SCI_GETLINEENDPOSITION, line) - Send(SCI_POSITIONFROMLINE, line));
}

std::pair<int, int> CEditorView::GetSelection() const {
    return {static_cast<int>(Send(SCI_GETSELECTIONSTART)), static_cast<int>(Send(SCI_GETSELECTIONEND))};
}

void CEditorView::EnsureLinesVisible(int a, int b) {
    const int first = static_cast<int>(Send(SCI_LINEFROMPOSITION, std::min(a, b)));
    const int last = static_cast<int>(Send(SCI_LINEFROMPOSITION, std::max(a, b)));
    for (int line = first; line <= last; ++line) Send(SCI_ENSUREVISIBLE, line);
}

std::string CEditorView::GetTextRange(int start, int end) const {
    if (end <= start) return {};
    std::string text(static_cast<size_t>(end - start) + 1, '\0');
    m_component.GetTextRange(static_cast<size_t>(start), static_cast<size_t>(end), text.data());
    text.resize(static_cast<size_t>(end - start));
    return text;
}

std::string CEditorView::GetLineText(int line) const {
    if (line < 0) line = CaretLine();
    const sptr_t start = Send(SCI_POSITIONFROMLINE, line);
    if (start < 0) return {};
    return GetTextRange(static_cast<int>(start), static_cast<int>(start + Send(SCI_LINELENGTH, line)));
}

bool CEditorView::GetSelectedOrWordText(char* buffer, size_t size) const {
    if (!buffer || size == 0) return false;
    auto [start, end] = GetSelection();
    if (start == end) {
        start = static_cast<int>(Send(SCI_WORDSTARTPOSITION, start, 1));
        end = static_cast<int>(Send(SCI_WORDENDPOSITION, end, 1));
    } else if (Send(SCI_LINEFROMPOSITION, start) != Send(SCI_LINEFROMPOSITION, end)) {
        return false;
    }
    if (end <= start || static_cast<size_t>(end - start) >= size) return false;
    m_component.GetTextRange(static_cast<size_t>(start), static_cast<size_t>(end), buffer);
    return true;
}

size_t CEditorView::CountWords() const {
    constexpr size_t kWindow = 0x20000;
    CWordCounter counter;
    std::string window(kWindow + 1, '\0');
    const size_t length = m_component.Length();
    for (size_t start = 0; start < length; start += kWindow) {
        const size_t end = std::min(length, start + kWindow);
        m_component.GetTextRange(start, end, window.data());
        counter.Feed(window.data(), end - start);
    }
    return counter.Count();
}

// The first line is kept as a display line: with wrapping on, a document
// line less its hidden lines would scroll to the wrong place.
ViewState CEditorView::GetViewState() const {
    ViewState state;
    state.firstLine = static_cast<int>(Send(SCI_GETFIRSTVISIBLELINE));
    std::tie(state.selectionStart, state.selectionEnd) = GetSelection();
    state.xOffset = static_cast<int>(Send(SCI_GETXOFFSET));
    return state;
}

void CEditorView::SetViewState(const ViewState& state) {
    Send(SCI_SETFIRSTVISIBLELINE, state.firstLine);
    Send(SCI_SETSELECTIONSTART, state.selectionStart);
    Send(SCI_SETSELECTIONEND, state.selectionEnd);
    Send(SCI_SETXOFFSET, state.xOffset);
}

namespace {

void EnableItem(HMENU menu, UINT id, bool enable) {
    ::EnableMenuItem(menu, id, MF_BYCOMMAND | (enable ? MF_ENABLED : MF_GRAYED));
}

}  // namespace

CContextMenu CEditorView::PrepareContextMenu(POINT client) {
    const sptr_t position = Send(SCI_POSITIONFROMPOINT, client.x, client.y);
    const auto [start, end] = GetSelection();
    if (position < start || position > end) Send(SCI_SETEMPTYSELECTION, position);

    CContextMenu menu(::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MENU_EDITOR)));
    HMENU popup = menu.Popup();
    if (!popup) return menu;
    // After the caret move above, not the length of the last caret update.
    const auto [newStart, newEnd] = GetSelection();
    const bool selection = newEnd > newStart;
    EnableItem(popup, ID_EDIT_UNDO, Send(SCI_CANUNDO) != 0);
    EnableItem(popup, ID_EDIT_REDO, Send(SCI_CANREDO) != 0);
    for (UINT id : {ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_DELETE, ID_EDIT_LOWERCASE, ID_EDIT_UPPERCASE})
        EnableItem(popup, id, selection);
    EnableItem(popup, ID_EDIT_PASTE, ::IsClipboardFormatAvailable(CF_TEXT) != 0);

    const bool marked = (Send(SCI_MARKERGET, CaretLine()) & (1 << kBookmarkMarker)) != 0;
    const std::string bookmark = LoadText(marked ? IDS_BOOKMARK_REMOVE : IDS_BOOKMARK_ADD);
    if (!bookmark.empty()) ::ModifyMenuA(popup, ID_SEARCH_BOOKMARK, MF_BYCOMMAND | MF_STRING, ID_SEARCH_BOOKMARK,
                                         bookmark.c_str());

    const bool menuBar = m_host.IsMenuBarVisible();
    const bool toolbar = m_host.IsToolbarVisible();
    if (!menuBar || !toolbar) {
        ::AppendMenuA(popup, MF_SEPARATOR, 0, nullptr);
        if (!menuBar) ::AppendMenuA(popup, MF_STRING, ID_VIEW_MENUBAR, LoadText(IDS_SHOW_MENUBAR).c_str());
        if (!toolbar) ::AppendMenuA(popup, MF_STRING, ID_VIEW_TOOLBAR, LoadText(IDS_SHOW_TOOLBAR).c_str());
    }
    return menu;
}

LRESULT CEditorView::OnContextMenuMessage(UINT, WPARAM, LPARAM lParam, bool&) {
    ::SetFocus(m_window);
    POINT screen{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    POINT client = screen;
    if (screen.x == -1 && screen.y == -1) {
        const sptr_t caret = Send(SCI_GETCURRENTPOS);
        client = {static_cast<LONG>(Send(SCI_POINTXFROMPOSITION, 0, caret)),
                  static_cast<LONG>(Send(SCI_POINTYFROMPOSITION, 0, caret))};
        screen = client;
        ::ClientToScreen(m_window, &screen);
    } else {
        ::ScreenToClient(m_window, &client);
    }
    CContextMenu menu = PrepareContextMenu(client);
    if (menu.Popup())
        ::TrackPopupMenu(menu.Popup(), TPM_LEFTBUTTON, screen.x, screen.y, 0, m_host.MenuOwner(), nullptr);
    return 0;
}
