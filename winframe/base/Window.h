#pragma once
// A thin wrapper over a window handle, and CMsgWindow: a window bound to a
// C++ object whose message map handles its messages.
#include "MessageMap.h"
#include <string>

class CWindowHandle {
public:
    HWND m_hWnd = nullptr;

    CWindowHandle() = default;
    explicit CWindowHandle(HWND hWnd) : m_hWnd(hWnd) {}
    operator HWND() const { return m_hWnd; }

    bool IsWindow() const { return m_hWnd && ::IsWindow(m_hWnd); }
    LRESULT SendMessage(UINT msg, WPARAM w = 0, LPARAM l = 0) const { return ::SendMessageA(m_hWnd, msg, w, l); }
    BOOL PostMessage(UINT msg, WPARAM w = 0, LPARAM l = 0) const { return ::PostMessageA(m_hWnd, msg, w, l); }
    BOOL ShowWindow(int cmd) const { return ::ShowWindow(m_hWnd, cmd); }
    BOOL DestroyWindow() const { return ::DestroyWindow(m_hWnd); }
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    HWND GetParent() const { return ::GetParent(m_hWnd); }
    BOOL SetWindowText(const char* text) const { return ::SetWindowTextA(m_hWnd, text); }
    std::string GetWindowText() const;
    BOOL GetClientRect(RECT* rc) const { return ::GetClientRect(m_hWnd, rc); }
    BOOL GetWindowRect(RECT* rc) const { return ::GetWindowRect(m_hWnd, rc); }
    BOOL Invalidate(BOOL erase = TRUE) const { return ::InvalidateRect(m_hWnd, nullptr, erase); }
    BOOL MoveWindow(int x, int y, int cx, int cy, BOOL repaint = TRUE) const {
        return ::MoveWindow(m_hWnd, x, y, cx, cy, repaint);
    }
    BOOL SetWindowPos(HWND after, int x, int y, int cx, int cy, UINT flags) const {
        return ::SetWindowPos(m_hWnd, after, x, y, cx, cy, flags);
    }
};

// How a window's unhandled messages are answered.
enum class DefaultProc {
    Window,    // DefWindowProcA
    Frame,     // DefFrameProcA with the MDI client
    MdiChild,  // DefMDIChildProcA
    Subclass,  // the subclassed window's original procedure
    Dialog,    // FALSE back to the dialog manager
};

// The registration of a window class that CMsgWindow::Create registers once.
struct WindowClassInfo {
    const char* name = nullptr;
    UINT style = CS_DBLCLKS;
    HBRUSH background = (HBRUSH)(COLOR_WINDOW + 1);
    LPCSTR cursor = IDC_ARROW;
    HICON icon = nullptr;
    HICON iconSmall = nullptr;
};

class CMsgWindow : public CWindowHandle, public CMessageMap {
public:
    CMsgWindow() = default;
    CMsgWindow(const CMsgWindow&) = delete;
    CMsgWindow& operator=(const CMsgWindow&) = delete;
    // A window still alive when its object goes is destroyed without
    // reaching the object again.
    ~CMsgWindow() override;

    // Creates a window of the class GetWindowClassInfo() names.
    HWND Create(HWND parent, const RECT* rect, const char* title, DWORD style, DWORD exStyle = 0,
                HMENU menuOrId = nullptr, void* createParam = nullptr);
    // Creates an MDI child of this class inside the given MDI client.
    HWND CreateMdiChild(HWND mdiClient, const char* title, DWORD style, const RECT* rect = nullptr);
    // Takes over an existing window; its original procedure answers what the map leaves.
    bool SubclassWindow(HWND hWnd);
    HWND UnsubclassWindow();

    // The object bound to a window by any of the above, or null.
    static CMsgWindow* FromHandle(HWND hWnd);

    // The message being handled right now (innermost when nested).
    const MSG* GetCurrentMessage() const { return m_current; }
    LRESULT DefWindowProc(UINT msg, WPARAM w, LPARAM l);
    LRESULT DefWindowProc() { return DefWindowProc(m_current->message, m_current->wParam, m_current->lParam); }
    LRESULT ReflectNotifications(UINT msg, WPARAM w, LPARAM l, bool& handled);

protected:
    // Called once the window is gone and no handler of it is still running;
    // the object may delete itself here.
    virtual void OnFinalMessage(HWND) {}
    virtual WindowClassInfo GetWindowClassInfo() const { return {}; }

    void SetDefaultProc(DefaultProc kind) { m_defaultProc = kind; }
    void SetMdiClient(HWND mdiClient) { m_mdiClient = mdiClient; }
    HWND MdiClient() const { return m_mdiClient; }

    // Runs one message through the map with the re-entrancy bookkeeping.
    LRESULT Dispatch(HWND hWnd, UINT msg, WPARAM w, LPARAM l, bool* handledOut = nullptr);
    void Bind(HWND hWnd);
    void Unbind();
    static void SetCreating(CMsgWindow* window);
    static CMsgWindow* TakeCreating();

private:
    static LRESULT CALLBACK StartWindowProc(HWND, UINT, WPARAM, LPARAM);
    static LRESULT CALLBACK SubclassProc(HWND, UINT, WPARAM, LPARAM);
    bool RegisterClassOnce(const WindowClassInfo& info);

    DefaultProc m_defaultProc = DefaultProc::Window;
    HWND m_mdiClient = nullptr;
    WNDPROC m_originalProc = nullptr;
    const MSG* m_current = nullptr;
    int m_depth = 0;
    bool m_gone = false;
};
