#include "EditorView.h"

#include <cstdio>

#include "AppSettings.h"
#include "EncodingCodes.h"
#include "ReplaceAllUndo.h"
#include "resource.h"

namespace {

const wchar_t kClassName[] = L"languagewnd";

WNDPROC g_componentProc = nullptr;
// The view's pointer lives in window bytes of our own after the component's:
// every message of the window looks it up, and under Wine a window property
// is a round trip to the server each time.
int g_viewOffset = 0;
thread_local CEditorView* t_creating = nullptr;

CEditorView* ViewOf(HWND window) {
    return reinterpret_cast<CEditorView*>(::GetWindowLongPtrW(window, g_viewOffset));
}

}  // namespace

CEditorView::CEditorView(IViewHost& host, uint32_t editorMask, unsigned ansiCodePage)
    : m_host(host), m_file(m_component, ansiCodePage), m_options(ViewOptionsFromEditorMask(editorMask)) {
    for (int id : {ID_FILE_SAVE_ALL, ID_VIEW_ZOOM_IN, ID_VIEW_ZOOM_OUT, ID_VIEW_WRAP, ID_VIEW_LINE_ENDS,
                   ID_SEARCH_FIND, ID_SEARCH_REPLACE})
        m_host.EnableToolbarButton(id, true);
    m_host.CheckToolbarButton(ID_VIEW_WRAP, HasOption(kViewWrap));
    m_host.CheckToolbarButton(ID_VIEW_LINE_ENDS, HasOption(kViewLineEnds));
}

CEditorView::~CEditorView() {
    if (m_window && ::IsWindow(m_window)) ::DestroyWindow(m_window);
}

bool CEditorView::RegisterViewClass() {
    const HINSTANCE module = ::GetModuleHandleW(nullptr);
    WNDCLASSEXW existing{sizeof(existing)};
    if (::GetClassInfoExW(module, kClassName, &existing)) return true;
    // A Unicode superclass with a Unicode procedure keeps the window
    // Unicode: typed characters outside the ANSI page reach the component.
    WNDCLASSEXW wc{sizeof(wc)};
    if (!::GetClassInfoExW(module, L"Scintilla", &wc) && !::GetClassInfoExW(nullptr, L"Scintilla", &wc))
        return false;
    g_componentProc = wc.lpfnWndProc;
    g_viewOffset = wc.cbWndExtra;
    wc.cbWndExtra += static_cast<int>(sizeof(CEditorView*));
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = module;
    wc.lpszClassName = kClassName;
    wc.style &= ~CS_GLOBALCLASS;
    return ::RegisterClassExW(&wc) != 0;
}

HWND CEditorView::Create(HWND parent, const RECT& rect, DWORD style) {
    if (m_window || !RegisterViewClass()) return nullptr;
    t_creating = this;
    HWND window = ::CreateWindowExW(0, kClassName, L"", style, rect.left, rect.top, rect.right - rect.left,
                                    rect.bottom - rect.top, parent, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    t_creating = nullptr;
    if (!window) return nullptr;
    SetUp();
    return window;
}

LRESULT CALLBACK CEditorView::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    CEditorView* view = ViewOf(window);
    if (!view && t_creating) {
        view = t_creating;
        t_creating = nullptr;
        view->m_window = window;
        ::SetWindowLongPtrW(window, g_viewOffset, reinterpret_cast<LONG_PTR>(view));
    }
    // The view hears of every undo of a container action.
    if (message == SCI_SETMODEVENTMASK) wParam |= SC_MOD_CONTAINER;
    CUndoRecords& records = CUndoRecords::OfThread();
    if (message == WM_NCDESTROY && view) records.RemoveView(*view);
    // Any message may undo (the component's own keys among them): what the
    // undo left to do is done when the outermost one returns.
    records.Enter();
    LRESULT result = 0;
    bool handled = view && view->ProcessWindowMessage(window, message, wParam, lParam, result);
    if (!handled || message == WM_NCDESTROY)
        result = ::CallWindowProcW(g_componentProc, window, message, wParam, lParam);
    if (message == WM_NCDESTROY && view) {
        ::SetWindowLongPtrW(window, g_viewOffset, 0);
        view->m_window = nullptr;
        view->m_component.SetObserver(nullptr);
        view = nullptr;
    }
    if (view && view->m_component.IsAttached() && CEditingComponent::IsHistoryMessage(message))
        view->AfterHistoryMessage(message);
    records.Leave(view && view->m_component.IsAttached() ? view : nullptr);
    return result;
}

sptr_t CEditorView::SendObserved(unsigned int message, uptr_t wParam, sptr_t lParam) {
    if (message == SCI_SETMODEVENTMASK) wParam |= SC_MOD_CONTAINER;
    CUndoRecords& records = CUndoRecords::OfThread();
    records.Enter();
    const sptr_t result = m_component.SendDirect(message, wParam, lParam);
    AfterHistoryMessage(message);
    records.Leave(this);
    return result;
}

void CEditorView::AfterHistoryMessage(unsigned int message) {
    CUndoRecords& records = CUndoRecords::OfThread();
    if (message == SCI_EMPTYUNDOBUFFER) {
        records.Forget(m_document);
    } else if (message == SCI_SETDOCPOINTER) {
        const sptr_t old = m_document;
        m_document = m_component.SendDirect(SCI_GETDOCPOINTER);
        records.DocumentChanged(old);
    }
}

// Once only: a later WM_SHOWWINDOW must not reset the zoom or the code page
// of a loaded document.
void CEditorView::SetUp() {
    m_component.Attach(m_window);
    m_document = Send(SCI_GETDOCPOINTER);
    m_component.SetObserver(this);
    CUndoRecords::OfThread().AddView(*this);
    Send(SCI_USEPOPUP, SC_POPUP_NEVER);
    Send(SCI_SETWRAPMODE, HasOption(kViewWrap) ? SC_WRAP_WORD : SC_WRAP_NONE);
    ShowLineNumbers(HasOption(kViewLineNumbers));
    Send(SCI_SETVIEWWS, HasOption(kViewWhiteSpace) ? SCWS_VISIBLEALWAYS : SCWS_INVISIBLE);
    Send(SCI_SETVIEWEOL, HasOption(kViewLineEnds));
    Send(SCI_SETINDENTATIONGUIDES, HasOption(kViewIndentGuides) ? SC_IV_REAL : SC_IV_NONE);
    m_file.SetCodePage(false);
    m_initialZoom = static_cast<int>(Send(SCI_GETZOOM));
}

bool CEditorView::OpenFile(const char* path, EncodingCode code) {
    if (!m_file.OpenFile(path, code)) return false;
    ApplyLanguageForFile(path);
    UpdateLineNumberWidth(false);
    return true;
}

bool CEditorView::Reload(const char* path) {
    if (!m_file.Reload(path)) return false;
    UpdateLineNumberWidth(false);
    return true;
}

void CEditorView::SetOption(uint32_t bit, bool on) {
    m_options = on ? (m_options | bit) : (m_options & ~bit);
}

void CEditorView::ShowLineNumbers(bool on) {
    if (on)
        UpdateLineNumberWidth(true);
    else
        Send(SCI_SETMARGINWIDTHN, 0, 0);
}

void CEditorView::UpdateLineNumberWidth(bool force) {
    if (!force && Send(SCI_GETMARGINWIDTHN, 0) <= 0) return;
    int digits = 1;
    for (sptr_t lines = Send(SCI_GETLINECOUNT); lines >= 10; lines /= 10) ++digits;
    if (digits < 4) digits = 4;
    const int width = static_cast<int>(Send(SCI_TEXTWIDTH, STYLE_LINENUMBER, reinterpret_cast<sptr_t>("9")));
    Send(SCI_SETMARGINWIDTHN, 0, digits * width + 4);
}

ViewStatusTexts CEditorView::StatusTexts() const {
    ViewStatusTexts texts;
    const sptr_t caret = Send(SCI_GETCURRENTPOS);
    const auto [start, end] = GetSelection();
    char buffer[96];
    std::snprintf(buffer, sizeof(buffer), "Ln %d : %d  Col %d  Sel %d", CaretLine() + 1,
                  static_cast<int>(Send(SCI_GETLINECOUNT)), static_cast<int>(Send(SCI_GETCOLUMN, caret)) + 1,
                  end - start);
    texts.position = buffer;
    texts.length = static_cast<uint64_t>(Send(SCI_GETLENGTH));
    texts.mode = Send(SCI_GETOVERTYPE) ? "OVR" : "INS";
    // The encoding commands change it without a save or an activation.
    texts.encoding = EncodingStatusName(GetEncoding());
    return texts;
}

void CEditorView::UpdateStatusBar() { m_host.UpdateStatusBar(StatusTexts()); }

bool CEditorView::OnNotify(const NMHDR* header) {
    if (!header || !m_window || header->hwndFrom != m_window || !m_component.IsAttached()) return false;
    const auto& n = *reinterpret_cast<const SCNotification*>(header);
    m_hearsNotifications = true;
    switch (n.nmhdr.code) {
    case SCN_CHARADDED:
        if (m_hooks) m_hooks->OnCharAdded(*this, n.ch);
        break;
    case SCN_SAVEPOINTLEFT:
        if (!HasOption(kViewModified)) {
            SetOption(kViewModified, true);
            m_host.SetTabState(kTabModified);
        }
        break;
    case SCN_SAVEPOINTREACHED:
        if (HasOption(kViewModified)) {
            SetOption(kViewModified, false);
            m_host.SetTabState(kTabNormal);
        }
        break;
    case SCN_UPDATEUI:
        if (m_hooks) m_hooks->OnUpdateUI(*this);
        UpdateStatusBar();
        break;
    case SCN_MODIFIED:
        // Only noted: the component is inside its undo and takes no edits.
        if (n.modificationType & SC_MOD_CONTAINER)
            CUndoRecords::OfThread().NoteStep(m_document, n.token, (n.modificationType & SC_PERFORMED_UNDO) != 0);
        if (n.modificationType & SC_MOD_CHANGEFOLD) {
            OnFoldChanged(static_cast<int>(n.line), n.foldLevelNow, n.foldLevelPrev);
            if (m_hooks) m_hooks->OnFoldChanged(*this, n);
        }
        break;
    case SCN_MARGINCLICK:
        if (n.margin == kBookmarkMargin) {
            ToggleBookmark(static_cast<int>(Send(SCI_LINEFROMPOSITION, n.position)));
        } else if (n.margin == kFoldMargin) {
            OnFoldMarginClick(n.position, n.modifiers);
            if (m_hooks) m_hooks->OnFoldMarginClick(*this, n);
        }
        break;
    case SCN_NEEDSHOWN:
        EnsureLinesVisible(static_cast<int>(n.position), static_cast<int>(n.position + n.length));
        break;
    default:
        return false;
    }
    return true;
}

LRESULT CEditorView::OnReflectedNotify(UINT, WPARAM, LPARAM lParam, bool& handled) {
    handled = OnNotify(reinterpret_cast<const NMHDR*>(lParam));
    return 0;
}

LRESULT CEditorView::OnCommandMessage(UINT, WPARAM wParam, LPARAM, bool& handled) {
    handled = OnCommand(LOWORD(wParam));
    return 0;
}

LRESULT CEditorView::OnGoToLineMessage(UINT, WPARAM, LPARAM lParam, bool&) {
    OnGoToLine(static_cast<int>(lParam));
    return 0;
}

LRESULT CEditorView::OnDestroy(UINT, WPARAM, LPARAM, bool& handled) {
    // The chain must be left while the window still exists.
    LeaveClipboardChain();
    handled = false;
    return 0;
}
