#pragma once
// The command bar in tabbed mode: it follows the maximized document through
// the MDI client's messages and widens its rebar band for the document's
// controls while they show.
#include "MdiCommandBar.h"

class CTabbedMdiCommandBar : public CMdiCommandBar {
public:
    static constexpr DWORD kTabbedMode = 0x0001;

    CTabbedMdiCommandBar() : m_options(kTabbedMode) {}
    ~CTabbedMdiCommandBar() override;

    // Watches the client's maximized, restored and destroyed documents.
    bool SetMdiClient(HWND mdiClient);
    DWORD Options() const { return m_options; }

protected:
    const char* BarClassName() const override { return "WTL_TabbedMDICommandBar"; }

private:
    static LRESULT CALLBACK ClientHook(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
    void DocumentMaximized(HWND document);
    void DocumentLeft(HWND document);
    void Relayout(bool shownChanged, bool iconChanged);
    void WidenBand(bool wider);

    DWORD m_options;
    HWND m_client = nullptr;
};
