// Swapping the selection with the clipboard, and the clipboard monitor.
#include "EditorView.h"

#include "ClipboardText.h"
#include "TextConversion.h"

// The clipboard is opened before anything changes, so a busy clipboard
// leaves both the text and the clipboard as they were; the text travels as
// Unicode so that UTF-8 documents get their characters back.
void CEditorView::SwapWithClipboard() {
    CClipboard clipboard(m_window);
    if (!clipboard.IsOpen()) return;
    const int codePage = m_component.CodePage();
    // No text on the clipboard swaps in nothing, as a paste of it would.
    std::string incoming;
    if (!clipboard.ReadText(codePage, incoming)) incoming.clear();
    if (Send(SCI_GETPASTECONVERTENDINGS)) incoming = ConvertLineEnds(incoming, ToEolCode(static_cast<int>(Send(SCI_GETEOLMODE)), kEolCrLf));
    const auto [start, end] = GetSelection();
    const std::string outgoing = GetTextRange(start, end);
    if (!clipboard.WriteText(codePage, outgoing)) {
        clipboard.WriteText(codePage, incoming);
        return;
    }
    Send(SCI_REPLACESEL, 0, reinterpret_cast<sptr_t>(incoming.c_str()));
}

void CEditorView::SetClipboardWatch(bool on) {
    if (on == m_watchingClipboard) return;
    if (on) {
        // Joining the chain sends WM_DRAWCLIPBOARD at once for what is
        // already there; that is not new text.
        m_skipNextClipboard = true;
        m_watchingClipboard = true;
        m_nextViewer = ::SetClipboardViewer(m_window);
    } else {
        LeaveClipboardChain();
    }
}

void CEditorView::LeaveClipboardChain() {
    if (!m_watchingClipboard) return;
    m_watchingClipboard = false;
    m_skipNextClipboard = false;
    ::ChangeClipboardChain(m_window, m_nextViewer);
    m_nextViewer = nullptr;
}

LRESULT CEditorView::OnDrawClipboard(UINT message, WPARAM wParam, LPARAM lParam, bool&) {
    const bool skip = m_skipNextClipboard;
    m_skipNextClipboard = false;
    // The view's own Cut, Copy and swap must not come back as an insertion.
    if (m_watchingClipboard && !skip && ::GetClipboardOwner() != m_window && m_component.IsAttached()) {
        std::string text;
        bool got = false;
        {
            CClipboard clipboard(m_window);
            got = clipboard.ReadText(m_component.CodePage(), text);
        }
        if (got && !text.empty()) {
            const sptr_t caret = Send(SCI_GETCURRENTPOS);
            Send(SCI_BEGINUNDOACTION);
            Send(SCI_INSERTTEXT, caret, reinterpret_cast<sptr_t>(text.c_str()));
            Send(SCI_SETSEL, caret + static_cast<sptr_t>(text.size()), caret + static_cast<sptr_t>(text.size()));
            Send(SCI_ENDUNDOACTION);
        }
    }
    if (m_nextViewer) ::SendMessageW(m_nextViewer, message, wParam, lParam);
    return 0;
}

LRESULT CEditorView::OnChangeCbChain(UINT message, WPARAM wParam, LPARAM lParam, bool&) {
    if (reinterpret_cast<HWND>(wParam) == m_nextViewer)
        m_nextViewer = reinterpret_cast<HWND>(lParam);
    else if (m_nextViewer)
        ::SendMessageW(m_nextViewer, message, wParam, lParam);
    return 0;
}
