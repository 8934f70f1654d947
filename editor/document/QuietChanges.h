#pragma once
// What a bulk edit of a view holds back while it runs: the per-change
// notifications (each costs about a millisecond of messages; fold changes
// still go out) and, while the view is shown, painting (a change of the line
// count resets the scroll bars, a millisecond each under Wine). Both are
// restored after.
#include <windows.h>

#include "EditorView.h"

class CQuietChanges {
public:
    explicit CQuietChanges(const CEditorView& view)
        : m_view(view), m_mask(view.Send(SCI_GETMODEVENTMASK)) {
        m_view.Send(SCI_SETMODEVENTMASK, static_cast<uptr_t>(m_mask & SC_MOD_CHANGEFOLD));
        // WM_SETREDRAW TRUE shows the window, so a hidden one is left alone.
        m_redraw = (::GetWindowLongPtrA(m_view.Window(), GWL_STYLE) & WS_VISIBLE) != 0;
        if (m_redraw) ::SendMessageA(m_view.Window(), WM_SETREDRAW, FALSE, 0);
    }
    ~CQuietChanges() {
        m_view.Send(SCI_SETMODEVENTMASK, static_cast<uptr_t>(m_mask));
        if (m_redraw) {
            ::SendMessageA(m_view.Window(), WM_SETREDRAW, TRUE, 0);
            ::InvalidateRect(m_view.Window(), nullptr, TRUE);
        }
    }
    // Painting again before the end, for an edit that has taken long enough
    // that the user should see the window alive.
    void ResumePainting() {
        if (!m_redraw) return;
        m_redraw = false;
        ::SendMessageA(m_view.Window(), WM_SETREDRAW, TRUE, 0);
        ::InvalidateRect(m_view.Window(), nullptr, TRUE);
    }
    CQuietChanges(const CQuietChanges&) = delete;
    CQuietChanges& operator=(const CQuietChanges&) = delete;

private:
    const CEditorView& m_view;
    sptr_t m_mask;
    bool m_redraw = false;
};
