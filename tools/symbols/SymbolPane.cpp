#include "SymbolPane.h"

#include <windowsx.h>

#include <algorithm>

#include "AppMessages.h"
#include "AppSettings.h"
#include "DocumentFrame.h"
#include "FillSymbols.h"
#include "Globals.h"
#include "resource.h"

namespace {

// Clears a flag when the scope ends, however it ends.
class BusyScope {
public:
    explicit BusyScope(bool& flag) : m_flag(flag) { m_flag = true; }
    ~BusyScope() { m_flag = false; }

private:
    bool& m_flag;
};

}  // namespace

CSymbolPane::CSymbolPane(ISymbolPaneHost& host, CtagsProgram program) : m_host(host), m_program(std::move(program)) {}

CSymbolPane::~CSymbolPane() = default;

LRESULT CSymbolPane::OnCreate(UINT, WPARAM, LPARAM, bool& handled) {
    m_icon.reset(static_cast<HICON>(::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_SYMBOL_PANE),
                                                 IMAGE_ICON, ::GetSystemMetrics(SM_CXSMICON),
                                                 ::GetSystemMetrics(SM_CYSMICON), 0)));
    if (m_icon) ::SendMessageA(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_icon.get()));
    handled = false;
    return 0;
}

LRESULT CSymbolPane::OnDestroy(UINT, WPARAM, LPARAM, bool& handled) {
    RemoveAllDocuments();
    // No answer can arrive any more: the workers end now, not with the pane.
    m_jobs.StopAll();
    handled = false;
    return 0;
}

CSymbolTree* CSymbolPane::TreeOf(CDocumentFrame* document) const {
    auto found = m_trees.find(document);
    return found == m_trees.end() ? nullptr : found->second.get();
}

CDocumentFrame* CSymbolPane::DocumentOf(const CSymbolTree* tree) const {
    for (const auto& [document, owned] : m_trees)
        if (owned.get() == tree) return document;
    return nullptr;
}

void CSymbolPane::FillTree(CSymbolTree& tree, const RecordingTagSink& tags, bool refill) {
    // Reselecting the remembered symbol is no choice of the user's: no caret moves.
    BusyScope busy(m_busy);
    // An answer may come for a tree in the background, which paints nothing
    // anyway; the default handling of WM_SETREDRAW would make it visible.
    const bool shown = (::GetWindowLongA(tree.Window(), GWL_STYLE) & WS_VISIBLE) != 0;
    if (shown) ::SendMessageA(tree.Window(), WM_SETREDRAW, FALSE, 0);
    if (refill) {
        tree.BeginRefill();
        tags.Replay(tree);
        tree.EndRefill();
    } else {
        tags.Replay(tree);
        tree.ExpandAll(true);
    }
    if (!shown) return;
    ::SendMessageA(tree.Window(), WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(tree.Window(), nullptr, TRUE);
}

void CSymbolPane::Request(CDocumentFrame* document, bool refill) {
    const auto pending = m_pending.find(document);
    if (pending != m_pending.end()) {
        // A first fill still on its way stays one: the tree has never been expanded.
        refill = refill && pending->second.refill;
        Forget(document);
    }
    const std::optional<SymbolRequest> request = SymbolRequestOf(*document, m_program);
    if (!request) {
        // Nothing to run ctags over: a refilled tree is empty, as ctags would leave it.
        if (CSymbolTree* tree = TreeOf(document); tree && refill) FillTree(*tree, RecordingTagSink{}, true);
        return;
    }
    const unsigned id = m_jobs.Start(*request, m_hWnd);
    if (!id) {
        m_host.SetStatusMessage(kParseFailure);
        return;
    }
    m_pending[document] = Pending{id, refill};
}

void CSymbolPane::Forget(CDocumentFrame* document) {
    const auto pending = m_pending.find(document);
    if (pending == m_pending.end()) return;
    m_jobs.Stop(pending->second.id);
    m_pending.erase(pending);
}

LRESULT CSymbolPane::OnParsed(UINT, WPARAM wParam, LPARAM, bool&) {
    const unsigned id = static_cast<unsigned>(wParam);
    std::unique_ptr<SymbolResult> result = m_jobs.Take(id);
    // By id: a document closed, or asked again, since this run began waits for nothing from it.
    const auto pending =
        std::find_if(m_pending.begin(), m_pending.end(), [&](const auto& entry) { return entry.second.id == id; });
    if (pending == m_pending.end()) return 0;
    CDocumentFrame* document = pending->first;
    const bool refill = pending->second.refill;
    m_pending.erase(pending);
    CSymbolTree* tree = TreeOf(document);
    if (!tree || !result) return 0;
    FillTree(*tree, result->tags, refill);
    if (!result->parsed) m_host.SetStatusMessage(kParseFailure);
    return 0;
}

void CSymbolPane::AddDocument(CDocumentFrame* document) {
    if (!document || !m_hWnd || TreeOf(document)) return;
    const bool restoring = m_host.IsRestoringSession();
    auto tree = std::make_unique<CSymbolTree>();
    if (!tree->Create(m_hWnd, false)) return;
    m_trees.emplace(document, std::move(tree));
    Request(document, false);
    if (!restoring) ShowDocument(document);
}

void CSymbolPane::RefreshDocument(CDocumentFrame* document) {
    if (!TreeOf(document)) {
        AddDocument(document);
        return;
    }
    Request(document, true);
}

void CSymbolPane::FitCurrent() {
    if (!m_current) return;
    RECT client{};
    GetClientRect(&client);
    ::SetWindowPos(m_current->Window(), nullptr, 0, 0, client.right, client.bottom,
                   SWP_NOACTIVATE | SWP_NOZORDER | SWP_SHOWWINDOW);
}

void CSymbolPane::ShowDocument(CDocumentFrame* document) {
    if (!m_hWnd) return;
    CSymbolTree* tree = TreeOf(document);
    m_current = tree;
    FitCurrent();
    for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        if (!tree || child != tree->Window()) ::ShowWindow(child, SW_HIDE);
}

void CSymbolPane::RemoveDocument(CDocumentFrame* document) {
    auto found = m_trees.find(document);
    if (found == m_trees.end()) return;
    Forget(document);
    // Cleared first: a selection change sent while the tree goes posts nothing.
    if (m_current == found->second.get()) m_current = nullptr;
    BusyScope busy(m_busy);
    m_trees.erase(found);
}

void CSymbolPane::RemoveAllDocuments() {
    for (const auto& [document, pending] : m_pending) m_jobs.Stop(pending.id);
    m_pending.clear();
    m_current = nullptr;
    BusyScope busy(m_busy);
    m_trees.clear();
}

void CSymbolPane::Recolour(COLORREF text, COLORREF back) {
    for (const auto& entry : m_trees) {
        entry.second->Tree().SetColors(text, back);
        ::InvalidateRect(entry.second->Window(), nullptr, TRUE);
    }
    if (m_hWnd) ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

LRESULT CSymbolPane::OnSize(UINT, WPARAM wParam, LPARAM, bool& handled) {
    handled = false;
    if (wParam == SIZE_MINIMIZED) return 0;
    if (m_current) FitCurrent();
    else ::InvalidateRect(m_hWnd, nullptr, TRUE);
    return 0;
}

LRESULT CSymbolPane::OnPaint(UINT, WPARAM, LPARAM, bool&) {
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(m_hWnd, &paint);
    const COLORREF back = g_appSettings ? g_appSettings->SymbolBack : ::GetSysColor(COLOR_WINDOW);
    HBRUSH brush = ::CreateSolidBrush(back);
    ::FillRect(dc, &paint.rcPaint, brush);
    ::DeleteObject(brush);
    ::EndPaint(m_hWnd, &paint);
    return 0;
}

LRESULT CSymbolPane::OnGetMinMaxInfo(UINT, WPARAM, LPARAM lParam, bool&) {
    reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = POINT{0, 0};
    return 0;
}

HMENU CSymbolPane::BuildContextMenu() const {
    HMENU menu = ::LoadMenuA(g_instance ? g_instance : ::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MENU_SYMBOLS));
    if (!menu) return nullptr;
    HMENU popup = ::GetSubMenu(menu, 0);
    if (m_current && m_current->Tree().Count() > 0) {
        const UINT checked = ID_SYMBOL_SORT_TYPE + static_cast<UINT>(m_current->Sort());
        ::CheckMenuRadioItem(popup, ID_SYMBOL_SORT_TYPE, ID_SYMBOL_SORT_LINE, checked, MF_BYCOMMAND);
    } else {
        const UINT ids[] = {ID_SYMBOL_SORT_TYPE, ID_SYMBOL_SORT_NAME,    ID_SYMBOL_SORT_LINE,
                            ID_SEARCH_GOTO_SYMBOL, ID_SYMBOL_COLLAPSE_ALL, ID_SYMBOL_EXPAND_ALL};
        for (UINT id : ids)
            ::EnableMenuItem(popup, id, MF_BYCOMMAND | MF_GRAYED);
    }
    return menu;
}

LRESULT CSymbolPane::OnRightClick(int, NMHDR*, bool&) {
    HMENU menu = BuildContextMenu();
    if (!menu) return 0;
    const DWORD pos = ::GetMessagePos();
    ::TrackPopupMenu(::GetSubMenu(menu, 0), TPM_LEFTBUTTON, GET_X_LPARAM(pos), GET_Y_LPARAM(pos), 0, m_hWnd, nullptr);
    ::DestroyMenu(menu);
    return 1;
}

LRESULT CSymbolPane::OnSelChanged(int, NMHDR* header, bool& handled) {
    if (!m_current || header->hwndFrom != m_current->Window()) {
        handled = false;
        return 0;
    }
    if (m_busy) return 0;
    // Both forms carry the new item's lParam at the same place.
    const LPARAM line = reinterpret_cast<NMTREEVIEWA*>(header)->itemNew.lParam;
    if (line < 1) return 0;  // a scope's group item has no line of its own
    CDocumentFrame* document = m_host.ActiveDocument();
    if (document && document->GetEditor() && document->ViewWindow())
        ::PostMessageA(document->ViewWindow(), WM_GOTOLINE, 0, line);
    return 0;
}

LRESULT CSymbolPane::OnGoToSymbol(WORD, WORD, HWND, bool&) {
    if (CDocumentFrame* document = m_host.ActiveDocument())
        ::PostMessageA(document->m_hWnd, WM_COMMAND, ID_SEARCH_GOTO_SYMBOL, 0);
    return 0;
}

LRESULT CSymbolPane::OnExpandCollapse(WORD, WORD id, HWND, bool&) {
    if (m_current) m_current->ExpandAll(id == ID_SYMBOL_EXPAND_ALL);
    return 0;
}

LRESULT CSymbolPane::OnSort(WORD, WORD id, HWND, bool&) {
    if (!m_current) return 0;
    m_current->SetSort(static_cast<SymbolSort>(id - ID_SYMBOL_SORT_TYPE));
    if (CDocumentFrame* document = DocumentOf(m_current)) Request(document, true);
    return 0;
}
