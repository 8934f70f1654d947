#include "Window.h"

#include <mutex>
#include <unordered_map>

namespace {

// Which object each bound window belongs to, kept in this process: every
// message of every window looks its object up, and under Wine a window
// property is a round trip to the server each time (a seventh of all server
// requests at start). A window of another process is never found here, where
// its property would have answered a pointer of that process. GWLP_USERDATA
// stays free for the window's own use (an MDI child keeps its document frame
// there).
class CBindings {
public:
    CMsgWindow* Find(HWND hWnd) {
        std::lock_guard<std::mutex> hold(m_lock);
        auto found = m_objects.find(hWnd);
        return found == m_objects.end() ? nullptr : found->second;
    }
    void Set(HWND hWnd, CMsgWindow* object) {
        std::lock_guard<std::mutex> hold(m_lock);
        m_objects[hWnd] = object;
    }
    void Remove(HWND hWnd, CMsgWindow* object) {
        std::lock_guard<std::mutex> hold(m_lock);
        auto found = m_objects.find(hWnd);
        if (found != m_objects.end() && found->second == object) m_objects.erase(found);
    }

private:
    std::mutex m_lock;
    std::unordered_map<HWND, CMsgWindow*> m_objects;
};

// Never destroyed: windows may still get messages while the process ends.
CBindings& Bindings() {
    static CBindings* bindings = new CBindings;
    return *bindings;
}

thread_local CMsgWindow* t_creating = nullptr;

}  // namespace

std::string CWindowHandle::GetWindowText() const {
    int length = ::GetWindowTextLengthA(m_hWnd);
    std::string text(length + 1, '\0');
    int got = ::GetWindowTextA(m_hWnd, text.data(), length + 1);
    text.resize(got > 0 ? got : 0);
    return text;
}

CMsgWindow::~CMsgWindow() {
    if (m_hWnd && ::IsWindow(m_hWnd) && FromHandle(m_hWnd) == this) {
        HWND hWnd = m_hWnd;
        bool subclassed = m_defaultProc == DefaultProc::Subclass;
        Unbind();
        if (!subclassed) ::DestroyWindow(hWnd);
    }
}

void CMsgWindow::SetCreating(CMsgWindow* window) { t_creating = window; }

CMsgWindow* CMsgWindow::TakeCreating() {
    CMsgWindow* window = t_creating;
    t_creating = nullptr;
    return window;
}

CMsgWindow* CMsgWindow::FromHandle(HWND hWnd) {
    return hWnd ? Bindings().Find(hWnd) : nullptr;
}

void CMsgWindow::Bind(HWND hWnd) {
    m_hWnd = hWnd;
    m_gone = false;
    Bindings().Set(hWnd, this);
}

void CMsgWindow::Unbind() {
    if (!m_hWnd) return;
    Bindings().Remove(m_hWnd, this);
    if (m_defaultProc == DefaultProc::Subclass && m_originalProc) {
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, (LONG_PTR)m_originalProc);
        m_originalProc = nullptr;
    }
    m_hWnd = nullptr;
}

bool CMsgWindow::RegisterClassOnce(const WindowClassInfo& info) {
    HINSTANCE instance = ::GetModuleHandleA(nullptr);
    WNDCLASSEXA existing{sizeof(existing)};
    if (::GetClassInfoExA(instance, info.name, &existing)) return true;
    WNDCLASSEXA wc{sizeof(wc)};
    wc.style = info.style;
    wc.lpfnWndProc = StartWindowProc;
    wc.hInstance = instance;
    wc.hIcon = info.icon;
    wc.hIconSm = info.iconSmall;
    wc.hCursor = info.cursor ? ::LoadCursorA(nullptr, info.cursor) : nullptr;
    wc.hbrBackground = info.background;
    wc.lpszClassName = info.name;
    return ::RegisterClassExA(&wc) != 0;
}

HWND CMsgWindow::Create(HWND parent, const RECT* rect, const char* title, DWORD style, DWORD exStyle,
                        HMENU menuOrId, void* createParam) {
    WindowClassInfo info = GetWindowClassInfo();
    if (!info.name || !RegisterClassOnce(info)) return nullptr;
    RECT r = rect ? *rect : RECT{CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT};
    int cx = rect ? r.right - r.left : CW_USEDEFAULT;
    int cy = rect ? r.bottom - r.top : CW_USEDEFAULT;
    SetCreating(this);
    HWND hWnd = ::CreateWindowExA(exStyle, info.name, title, style, r.left, r.top, cx, cy, parent, menuOrId,
                                  ::GetModuleHandleA(nullptr), createParam);
    if (t_creating == this) t_creating = nullptr;
    return hWnd;
}

HWND CMsgWindow::CreateMdiChild(HWND mdiClient, const char* title, DWORD style, const RECT* rect) {
    WindowClassInfo info = GetWindowClassInfo();
    if (!info.name || !RegisterClassOnce(info)) return nullptr;
    m_defaultProc = DefaultProc::MdiChild;
    MDICREATESTRUCTA mcs{};
    mcs.szClass = info.name;
    mcs.szTitle = title;
    mcs.hOwner = ::GetModuleHandleA(nullptr);
    mcs.x = rect ? rect->left : CW_USEDEFAULT;
    mcs.y = rect ? rect->top : CW_USEDEFAULT;
    mcs.cx = rect ? rect->right - rect->left : CW_USEDEFAULT;
    mcs.cy = rect ? rect->bottom - rect->top : CW_USEDEFAULT;
    mcs.style = style;
    SetCreating(this);
    HWND hWnd = (HWND)::SendMessageA(mdiClient, WM_MDICREATE, 0, (LPARAM)&mcs);
    if (t_creating == this) t_creating = nullptr;
    return hWnd;
}

bool CMsgWindow::SubclassWindow(HWND hWnd) {
    if (m_hWnd || !::IsWindow(hWnd) || FromHandle(hWnd)) return false;
    m_defaultProc = DefaultProc::Subclass;
    Bind(hWnd);
    m_originalProc = (WNDPROC)::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, (LONG_PTR)SubclassProc);
    return true;
}

HWND CMsgWindow::UnsubclassWindow() {
    HWND hWnd = m_hWnd;
    if (m_defaultProc != DefaultProc::Subclass) return nullptr;
    Unbind();
    return hWnd;
}

LRESULT CALLBACK CMsgWindow::StartWindowProc(HWND hWnd, UINT msg, WPARAM w, LPARAM l) {
    CMsgWindow* self = FromHandle(hWnd);
    if (!self) {
        self = TakeCreating();
        if (!self) return ::DefWindowProcA(hWnd, msg, w, l);
        self->Bind(hWnd);
    }
    return self->Dispatch(hWnd, msg, w, l);
}

LRESULT CALLBACK CMsgWindow::SubclassProc(HWND hWnd, UINT msg, WPARAM w, LPARAM l) {
    CMsgWindow* self = FromHandle(hWnd);
    if (!self) return ::DefWindowProcA(hWnd, msg, w, l);
    return self->Dispatch(hWnd, msg, w, l);
}

LRESULT CMsgWindow::DefWindowProc(UINT msg, WPARAM w, LPARAM l) {
    switch (m_defaultProc) {
    case DefaultProc::Frame: return ::DefFrameProcA(m_hWnd, m_mdiClient, msg, w, l);
    case DefaultProc::MdiChild: return ::DefMDIChildProcA(m_hWnd, msg, w, l);
    case DefaultProc::Subclass:
        return m_originalProc ? ::CallWindowProcA(m_originalProc, m_hWnd, msg, w, l)
                              : ::DefWindowProcA(m_hWnd, msg, w, l);
    case DefaultProc::Dialog: return FALSE;
    case DefaultProc::Window: break;
    }
    return ::DefWindowProcA(m_hWnd, msg, w, l);
}

LRESULT CMsgWindow::Dispatch(HWND hWnd, UINT msg, WPARAM w, LPARAM l, bool* handledOut) {
    MSG current{hWnd, msg, w, l, 0, {0, 0}};
    const MSG* outer = m_current;
    m_current = &current;
    ++m_depth;
    LRESULT result = 0;
    bool handled = ProcessWindowMessage(hWnd, msg, w, l, result, 0);
    // The last message always reaches the default procedure as well: a
    // subclassed control frees its own data there.
    if (!handled || msg == WM_NCDESTROY) {
        LRESULT def = DefWindowProc(msg, w, l);
        if (!handled) result = def;
    }
    if (handledOut) *handledOut = handled;
    --m_depth;
    m_current = outer;
    if (msg == WM_NCDESTROY) {
        Unbind();
        m_gone = true;
    }
    if (m_gone && m_depth == 0) {
        m_gone = false;
        OnFinalMessage(hWnd);  // may delete this
    }
    return result;
}

LRESULT CMsgWindow::ReflectNotifications(UINT msg, WPARAM w, LPARAM l, bool& handled) {
    HWND child = nullptr;
    switch (msg) {
    case WM_COMMAND:
        child = (HWND)l;
        break;
    case WM_NOTIFY:
        child = l ? ((LPNMHDR)l)->hwndFrom : nullptr;
        break;
    case WM_DRAWITEM:
        if (w) child = ((LPDRAWITEMSTRUCT)l)->hwndItem;
        break;
    case WM_MEASUREITEM:
        if (w) child = ::GetDlgItem(m_hWnd, ((LPMEASUREITEMSTRUCT)l)->CtlID);
        break;
    case WM_COMPAREITEM:
        if (w) child = ((LPCOMPAREITEMSTRUCT)l)->hwndItem;
        break;
    case WM_DELETEITEM:
        if (w) child = ((LPDELETEITEMSTRUCT)l)->hwndItem;
        break;
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        child = (HWND)l;
        break;
    default:
        break;
    }
    if (!child || !::IsWindow(child)) {
        handled = false;
        return 1;
    }
    return ::SendMessageA(child, OCM__BASE + msg, w, l);
}
