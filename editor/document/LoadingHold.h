#pragma once
// What a load holds off while a file's text goes into the editing
// component, restored when the hold ends, whether the load worked or not:
// painting (a visible component repaints and resets its scroll bars after
// every block), and, for a document with no text and no history to go back
// to, undo collection, which would otherwise keep a second copy of the whole
// file that the open empties straight away.
#include <windows.h>

#include "EditingComponent.h"

class CLoadingHold {
public:
    explicit CLoadingHold(const CEditingComponent& component) : m_component(component) {
        const HWND window = component.Window();
        // WM_SETREDRAW TRUE shows the window, so a hidden one is left alone.
        m_redraw = window && (::GetWindowLongPtrA(window, GWL_STYLE) & WS_VISIBLE);
        if (m_redraw) ::SendMessageA(window, WM_SETREDRAW, FALSE, 0);
        m_uncollected = component.Length() == 0 && !component.Send(SCI_CANUNDO) && !component.Send(SCI_CANREDO);
        component.Send(SCI_SETUNDOCOLLECTION, m_uncollected ? 0 : 1);
    }
    ~CLoadingHold() {
        if (m_uncollected) m_component.Send(SCI_EMPTYUNDOBUFFER);
        // Collection is on after every load, as it is for every document.
        m_component.Send(SCI_SETUNDOCOLLECTION, 1);
        if (m_redraw) {
            ::SendMessageA(m_component.Window(), WM_SETREDRAW, TRUE, 0);
            ::InvalidateRect(m_component.Window(), nullptr, TRUE);
        }
    }
    CLoadingHold(const CLoadingHold&) = delete;
    CLoadingHold& operator=(const CLoadingHold&) = delete;

    // True when nothing this load adds is collected: a failed load clears
    // the text instead of undoing it.
    bool Uncollected() const { return m_uncollected; }

private:
    const CEditingComponent& m_component;
    bool m_redraw = false;
    bool m_uncollected = false;
};
