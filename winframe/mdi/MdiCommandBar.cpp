#include "MdiCommandBar.h"

#include <string>

#include "GdiHandles.h"

namespace {

const int kMargin = 2;

// The toolbar's own class under another name: the bar behaves as a toolbar
// and its map sees every message first through the subclass.
bool RegisterBarClass(const char* name) {
    HINSTANCE instance = ::GetModuleHandleA(nullptr);
    WNDCLASSEXA wc{sizeof(wc)};
    if (::GetClassInfoExA(instance, name, &wc)) return true;
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_BAR_CLASSES | ICC_COOL_CLASSES};
    ::InitCommonControlsEx(&icc);
    if (!::GetClassInfoExA(nullptr, TOOLBARCLASSNAMEA, &wc)) return false;
    wc.cbSize = sizeof(wc);
    wc.hInstance = instance;
    wc.lpszClassName = name;
    return ::RegisterClassExA(&wc) != 0;
}

int ButtonWidth() { return ::GetSystemMetrics(SM_CXMENUSIZE); }
int ButtonHeight() { return ::GetSystemMetrics(SM_CYMENUSIZE); }

}  // namespace

CMdiCommandBar::~CMdiCommandBar() {
    if (IsWindow() && FromHandle(m_hWnd) == this) ::DestroyWindow(UnsubclassWindow());
}

HWND CMdiCommandBar::CreateBar(HWND parent, HWND frame, UINT id) {
    const char* name = BarClassName();
    if (m_hWnd || !RegisterBarClass(name)) return nullptr;
    HWND bar = ::CreateWindowExA(0, name, nullptr, kBarStyle, 0, 0, 100, 22, parent, (HMENU)(UINT_PTR)id,
                                 ::GetModuleHandleA(nullptr), nullptr);
    if (!bar) return nullptr;
    if (!SubclassWindow(bar)) {
        ::DestroyWindow(bar);
        return nullptr;
    }
    m_frame = frame;
    SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
    SendMessage(TB_SETIMAGELIST, 0, 0);
    SendMessage(TB_SETBITMAPSIZE, 0, MAKELPARAM(0, 0));
    SendMessage(TB_SETMAXTEXTROWS, 1);
    return bar;
}

bool CMdiCommandBar::AttachMenu(HMENU menu) {
    if (!m_hWnd || (menu && !::IsMenu(menu))) return false;
    while (ButtonCount() > 0) SendMessage(TB_DELETEBUTTON, 0);
    m_menu = menu;
    TBBUTTON spacer{};
    spacer.iBitmap = I_IMAGENONE;
    spacer.idCommand = kSpacerId;
    spacer.fsState = m_controlsShown ? 0 : TBSTATE_HIDDEN;
    spacer.fsStyle = BTNS_BUTTON;
    SendMessage(TB_INSERTBUTTONA, 0, (LPARAM)&spacer);
    SizeSpacer();
    const int count = menu ? ::GetMenuItemCount(menu) : 0;
    for (int i = 0; i < count; ++i) {
        char text[128] = "";
        ::GetMenuStringA(menu, i, text, sizeof(text), MF_BYPOSITION);
        TBBUTTON button{};
        button.iBitmap = I_IMAGENONE;
        button.idCommand = i + 1;
        button.fsState = TBSTATE_ENABLED;
        button.fsStyle = BTNS_BUTTON | BTNS_AUTOSIZE;
        button.iString = (INT_PTR)text;
        SendMessage(TB_INSERTBUTTONA, i + kFirstItem, (LPARAM)&button);
    }
    SendMessage(TB_AUTOSIZE);
    return true;
}

bool CMdiCommandBar::AddToRebar(int index) {
    HWND rebar = GetParent();
    if (!m_hWnd || !rebar) return false;
    SIZE size{};
    SendMessage(TB_GETMAXSIZE, 0, (LPARAM)&size);
    REBARBANDINFOA band{};
    band.cbSize = sizeof(band);
    band.fMask = RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_STYLE | RBBIM_SIZE | RBBIM_IDEALSIZE;
    // The chevron style is what lets the band widen for the child's controls.
    band.fStyle = RBBS_USECHEVRON | RBBS_CHILDEDGE | RBBS_GRIPPERALWAYS;
    band.hwndChild = m_hWnd;
    band.cyMinChild = size.cy;
    band.cx = IdealWidth();
    band.cxIdeal = IdealWidth();
    return ::SendMessageA(rebar, RB_INSERTBANDA, (WPARAM)index, (LPARAM)&band) != 0;
}

int CMdiCommandBar::LeftReservedWidth() const { return ::GetSystemMetrics(SM_CXSMICON) + 2 * kMargin; }
int CMdiCommandBar::RightReservedWidth() const { return 3 * ButtonWidth() + 3 * kMargin; }

int CMdiCommandBar::IdealWidth() const {
    RECT last{};
    const int count = ButtonCount();
    int width = count > 0 && ::SendMessageA(m_hWnd, TB_GETITEMRECT, count - 1, (LPARAM)&last) ? last.right : 0;
    if (m_controlsShown) width += RightReservedWidth();
    return width;
}

void CMdiCommandBar::SetControls(HWND child, HICON icon, bool shown) {
    m_child = child;
    m_childIcon = icon;
    if (shown != m_controlsShown) {
        m_controlsShown = shown;
        SizeSpacer();
    }
}

void CMdiCommandBar::SizeSpacer() {
    // Shown, it moves the menus right of the child's icon; hidden, it takes no room.
    TBBUTTONINFOA info{sizeof(info)};
    info.dwMask = TBIF_STATE | TBIF_SIZE;
    info.fsState = m_controlsShown ? 0 : TBSTATE_HIDDEN;
    info.cx = (WORD)LeftReservedWidth();
    SendMessage(TB_SETBUTTONINFOA, kSpacerId, (LPARAM)&info);
}

RECT CMdiCommandBar::ItemRect(int item) const {
    RECT rc{};
    ::SendMessageA(m_hWnd, TB_GETITEMRECT, item + kFirstItem, (LPARAM)&rc);
    return rc;
}

int CMdiCommandBar::GetHotItem() const {
    const int hot = (int)::SendMessageA(m_hWnd, TB_GETHOTITEM, 0, 0);
    return hot >= kFirstItem ? hot - kFirstItem : -1;
}

RECT CMdiCommandBar::ControlRect(int control) const {
    RECT client{};
    GetClientRect(&client);
    const int cy = ButtonHeight();
    const int top = (client.bottom - cy) / 2;
    if (control == 0) {
        const int icon = ::GetSystemMetrics(SM_CXSMICON);
        const int y = (client.bottom - icon) / 2;
        return RECT{kMargin, y, kMargin + icon, y + icon};
    }
    const int cx = ButtonWidth();
    // Minimize and restore side by side, close apart from them.
    int right = client.right - kMargin;
    if (control < 3) right -= cx + kMargin + (2 - control) * cx;
    return RECT{right - cx, top, right, top + cy};
}

int CMdiCommandBar::ControlAt(POINT pt) const {
    if (!m_controlsShown || !m_child) return -1;
    for (int control = 0; control < 4; ++control) {
        const RECT rc = ControlRect(control);
        if (::PtInRect(&rc, pt)) return control;
    }
    return -1;
}

void CMdiCommandBar::DrawControls(HDC dc) const {
    if (!m_controlsShown || !m_child) return;
    if (m_childIcon) {
        const RECT rc = ControlRect(0);
        ::DrawIconEx(dc, rc.left, rc.top, m_childIcon, rc.right - rc.left, rc.bottom - rc.top, 0, nullptr, DI_NORMAL);
    }
    const UINT kinds[] = {DFCS_CAPTIONMIN, DFCS_CAPTIONRESTORE, DFCS_CAPTIONCLOSE};
    for (int control = 1; control < 4; ++control) {
        RECT rc = ControlRect(control);
        ::DrawFrameControl(dc, &rc, DFC_CAPTION, kinds[control - 1]);
    }
}

LRESULT CMdiCommandBar::OnPaint(UINT, WPARAM, LPARAM, bool&) {
    const LRESULT result = DefWindowProc();
    if (m_controlsShown) {
        const CClientDc dc(m_hWnd);
        DrawControls(dc);
    }
    return result;
}

void CMdiCommandBar::ControlClicked(int control) {
    HWND child = m_child;
    if (control == 0) {
        // The child's system menu under its icon.
        RECT rc = ControlRect(0);
        ::MapWindowPoints(m_hWnd, nullptr, (POINT*)&rc, 2);
        HMENU system = ::GetSystemMenu(child, FALSE);
        const UINT cmd = system ? (UINT)::TrackPopupMenuEx(system, TPM_RETURNCMD | TPM_VERTICAL | TPM_LEFTBUTTON,
                                                            rc.left, rc.bottom, m_hWnd, nullptr)
                                : 0;
        if (cmd) ::PostMessageA(child, WM_SYSCOMMAND, cmd, 0);
        return;
    }
    const WPARAM commands[] = {SC_MINIMIZE, SC_RESTORE, SC_CLOSE};
    ::PostMessageA(child, WM_SYSCOMMAND, commands[control - 1], 0);
}

int CMdiCommandBar::ItemAt(POINT pt) const {
    const int index = (int)::SendMessageA(m_hWnd, TB_HITTEST, 0, (LPARAM)&pt);
    return index >= kFirstItem && index < ButtonCount() ? index - kFirstItem : -1;
}

LRESULT CMdiCommandBar::OnLButtonDown(UINT, WPARAM, LPARAM l, bool& handled) {
    const POINT pt{(short)LOWORD(l), (short)HIWORD(l)};
    LeaveKeyboardMode();
    const int control = ControlAt(pt);
    if (control >= 0) {
        ControlClicked(control);
        return 0;
    }
    const int button = ItemAt(pt);
    if (button < 0) {
        handled = false;
        return 0;
    }
    TrackPopup(button, false);
    return 0;
}

int CMdiCommandBar::FindMnemonic(char ch) const {
    const char wanted = (char)(UINT_PTR)::CharLowerA((LPSTR)(UINT_PTR)(BYTE)ch);
    const int count = m_menu ? ::GetMenuItemCount(m_menu) : 0;
    for (int i = 0; i < count; ++i) {
        char text[128] = "";
        ::GetMenuStringA(m_menu, i, text, sizeof(text), MF_BYPOSITION);
        const std::string s = text;
        for (size_t at = s.find('&'); at != std::string::npos && at + 1 < s.size(); at = s.find('&', at + 2)) {
            if (s[at + 1] == '&') continue;
            if ((char)(UINT_PTR)::CharLowerA((LPSTR)(UINT_PTR)(BYTE)s[at + 1]) == wanted) return i;
            break;
        }
    }
    return -1;
}
