#pragma once
// The strip's "tooltips_class32" popup and its tools. Every call is skipped
// while there is no tool-tip window.
#include <windows.h>

class CTabToolTips {
public:
    CTabToolTips() = default;
    CTabToolTips(const CTabToolTips&) = delete;
    CTabToolTips& operator=(const CTabToolTips&) = delete;
    ~CTabToolTips() { Destroy(); }

    bool Create(HWND owner);
    void Destroy();
    HWND Handle() const { return m_hWnd; }

    void Activate(bool on);
    // text null: the owner gives it through TTN_GETDISPINFOA.
    void AddTool(UINT_PTR id, const char* text, const RECT& rect = RECT{});
    void DeleteTool(UINT_PTR id);
    void SetToolRect(UINT_PTR id, const RECT& rect);
    void Relay(HWND from, UINT msg, WPARAM w, LPARAM l);

private:
    HWND m_hWnd = nullptr;
    HWND m_owner = nullptr;
};
