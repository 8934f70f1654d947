#include "FindResultsPane.h"

#include <dovari.h>

#include <cstdio>
#include <cstring>

#include "AppSettings.h"
#include "EditorView.h"
#include "GdiHandles.h"
#include "ResultLine.h"
#include "resource.h"

ResultPaneLook ResultPaneLookOf(const CAppSettings& settings, int index, HFONT font, HDC measureDc) {
    ResultPaneLook look;
    look.font = font;
    look.measureDc = measureDc;
    look.textColour = index == 1 ? &settings.Find1Fore : &settings.Find2Fore;
    look.backBrush = index == 1 ? &settings.find1Brush : &settings.find2Brush;
    return look;
}

CFindResultsPane::CFindResultsPane(int index, IResultFileOpener& opener, const ResultPaneLook& look)
    : m_index(index), m_opener(opener), m_look(look) {}

CFindResultsPane::~CFindResultsPane() = default;

void CFindResultsPane::Clear() { ::SendMessageA(m_hWnd, kClearMessage, 0, 0); }

void CFindResultsPane::AddText(const char* text) {
    ::SendMessageA(m_hWnd, WM_FINDRESULTS_ADDTEXT, 0, reinterpret_cast<LPARAM>(text));
}

void CFindResultsPane::AddResultLine(const char* path, int line, const char* text) {
    const std::string formatted = FormatResultLine(path, line, text);
    AddText(formatted.c_str());
}

LRESULT CFindResultsPane::OnCreate(UINT, WPARAM, LPARAM, bool& handled) {
    m_icon.reset(static_cast<HICON>(::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_FIND_RESULTS_PANE),
                                             IMAGE_ICON, ::GetSystemMetrics(SM_CXSMICON),
                                             ::GetSystemMetrics(SM_CYSMICON), 0)));
    if (m_icon) ::SendMessageA(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_icon.get()));
    RECT client{};
    GetClientRect(&client);
    m_list = ::CreateWindowExA(WS_EX_CLIENTEDGE, "LISTBOX", nullptr, 0x54310541, 0, 0, client.right, client.bottom,
                               m_hWnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kListId)),
                               ::GetModuleHandleA(nullptr), nullptr);
    if (!m_list) return -1;
    if (m_look.font) ::SendMessageA(m_list, WM_SETFONT, reinterpret_cast<WPARAM>(m_look.font), FALSE);
    m_widest = 0;
    handled = false;
    return 0;
}

LRESULT CFindResultsPane::OnDestroy(UINT, WPARAM, LPARAM, bool& handled) {
    m_list = nullptr;
    handled = false;
    return 0;
}

LRESULT CFindResultsPane::OnSize(UINT, WPARAM, LPARAM lParam, bool& handled) {
    if (m_list)
        ::SetWindowPos(m_list, nullptr, 0, 0, LOWORD(lParam), HIWORD(lParam),
                       SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    handled = false;
    return 0;
}

LRESULT CFindResultsPane::OnGetMinMaxInfo(UINT, WPARAM, LPARAM lParam, bool&) {
    reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = POINT{0, 0};
    return 0;
}

int CFindResultsPane::SelectedIndex() const {
    return m_list ? static_cast<int>(::SendMessageA(m_list, LB_GETCURSEL, 0, 0)) : LB_ERR;
}

LRESULT CFindResultsPane::OnVKeyToItem(UINT, WPARAM wParam, LPARAM, bool&) {
    if (LOWORD(wParam) != VK_RETURN) return -1;
    OpenResultLine(SelectedIndex());
    return -2;
}

LRESULT CFindResultsPane::OnDoubleClick(WORD, WORD, HWND, bool&) {
    OpenResultLine(SelectedIndex());
    return 0;
}

LRESULT CFindResultsPane::OnCtlColorListBox(UINT, WPARAM wParam, LPARAM, bool& handled) {
    if (!m_look.textColour || !m_look.backBrush) {
        handled = false;
        return 0;
    }
    const HDC dc = reinterpret_cast<HDC>(wParam);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, *m_look.textColour);
    return reinterpret_cast<LRESULT>(*m_look.backBrush);
}

int CFindResultsPane::MeasureText(const char* text) const {
    // The handed-down DC holds the list's font; without it the list's own
    // DC and font.
    const int length = static_cast<int>(strlen(text)) + 1;
    SIZE size{};
    if (m_look.measureDc) {
        ::GetTextExtentPoint32A(m_look.measureDc, text, length, &size);
        return size.cx;
    }
    const CClientDc dc(m_list);
    const CSelectObject selected(dc, reinterpret_cast<HFONT>(::SendMessageA(m_list, WM_GETFONT, 0, 0)));
    ::GetTextExtentPoint32A(dc, text, length, &size);
    return size.cx;
}

LRESULT CFindResultsPane::OnAddText(UINT, WPARAM, LPARAM lParam, bool&) {
    const char* text = reinterpret_cast<const char*>(lParam);
    if (!m_list || !text) return 0;
    const int width = MeasureText(text);
    if (width > m_widest) {
        m_widest = width;
        ::SendMessageA(m_list, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(width), 0);
    }
    // A visible list redrawn for every line costs milliseconds each under
    // Wine: a search's lines are drawn a few times a second instead.
    if (!m_redrawPending) {
        m_redrawPending = true;
        ::SendMessageA(m_list, WM_SETREDRAW, FALSE, 0);
        ::SetTimer(m_hWnd, kRedrawTimer, kRedrawDelayMs, nullptr);
    }
    ::SendMessageA(m_list, LB_ADDSTRING, 0, lParam);
    return 0;
}

LRESULT CFindResultsPane::OnRedrawTimer(UINT, WPARAM wParam, LPARAM, bool& handled) {
    if (wParam != kRedrawTimer) {
        handled = false;
        return 0;
    }
    ::KillTimer(m_hWnd, kRedrawTimer);
    if (!m_redrawPending || !m_list) return 0;
    m_redrawPending = false;
    ::SendMessageA(m_list, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(m_list, nullptr, TRUE);
    return 0;
}

LRESULT CFindResultsPane::OnClear(UINT, WPARAM, LPARAM, bool&) {
    m_widest = 0;
    if (!m_list) return 0;
    ::SendMessageA(m_list, LB_RESETCONTENT, 0, 0);
    ::SendMessageA(m_list, LB_SETHORIZONTALEXTENT, 0, 0);
    return 0;
}

void CFindResultsPane::OpenResultLine(int index) {
    if (!m_list || index < 0) return;
    const LRESULT length = ::SendMessageA(m_list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == LB_ERR) return;
    std::string text(static_cast<size_t>(length) + 1, '\0');
    ::SendMessageA(m_list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    std::string path;
    int line = 0;
    if (!ParseResultLine(text, path, line)) return;
    if (!::CheckFileExists(path.c_str())) {
        char message[kResultLineMax + 64];
        snprintf(message, sizeof(message), "Could not locate file %s.", path.c_str());
        m_opener.SetStatusMessage(message);
        return;
    }
    if (CEditorView* view = m_opener.OpenResultFile(path.c_str())) {
        ::SetFocus(view->Window());
        view->OnGoToLine(line);
    }
}
