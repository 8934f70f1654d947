#pragma once
// The strip's "tooltips_class32" popup and its tools. The popup is made when
// first needed (the first mouse message relayed to it, or its handle asked
// for): a top-level window costs hundreds of server round trips under Wine,
// and most strips are made at start-up, long before the mouse comes near
// them. Until then the tools and the activation are kept here, and given to
// the popup when it is made. Every call is skipped once it is destroyed.
#include <windows.h>

#include <string>
#include <vector>

class CTabToolTips {
public:
    CTabToolTips() = default;
    CTabToolTips(const CTabToolTips&) = delete;
    CTabToolTips& operator=(const CTabToolTips&) = delete;
    ~CTabToolTips() { Destroy(); }

    // Tools for owner's window; the popup itself comes later.
    bool Create(HWND owner);
    void Destroy();
    // The popup, made now if it was not yet; null when it cannot be made.
    HWND Handle() const;
    // Whether window is this popup (never makes it).
    bool Is(HWND window) const { return window && window == m_hWnd; }

    void Activate(bool on);
    // text null: the owner gives it through TTN_GETDISPINFOA.
    void AddTool(UINT_PTR id, const char* text, const RECT& rect = RECT{});
    void DeleteTool(UINT_PTR id);
    void SetToolRect(UINT_PTR id, const RECT& rect);
    void Relay(HWND from, UINT msg, WPARAM w, LPARAM l);

private:
    struct Tool {
        UINT_PTR id;
        bool callback;
        std::string text;
        RECT rect;
    };
    void SendTool(UINT message, const Tool& tool) const;

    mutable HWND m_hWnd = nullptr;
    HWND m_owner = nullptr;
    bool m_active = true;
    std::vector<Tool> m_tools;  // in the order they were added
};
