#include "FindReplaceCommands.h"

#include "CommandProbe.h"
#include "EditorView.h"
#include "resource.h"

CSearchHooks::CSearchHooks(CEditorView& view, SearchOptions& options, IViewHooks* next, unsigned ansiCodePage)
    : m_search(view, ansiCodePage), m_options(options), m_next(next) {}

bool CSearchHooks::OnCommand(CEditorView& view, WORD id) {
    switch (id) {
    case ID_SEARCH_FIND_NEXT: if (CCommandProbe::Run()) FindNext(false); return true;
    case ID_SEARCH_FIND_PREV: if (CCommandProbe::Run()) FindNext(true); return true;
    case ID_SEARCH_NEXT_WORD: if (CCommandProbe::Run()) FindWord(false); return true;
    case ID_SEARCH_PREV_WORD: if (CCommandProbe::Run()) FindWord(true); return true;
    case ID_EDIT_TABS_TO_SPACES: if (CCommandProbe::Run()) TabsToSpaces(); return true;
    case ID_EDIT_SPACES_TO_TABS: if (CCommandProbe::Run()) SpacesToTabs(); return true;
    default: return m_next && m_next->OnCommand(view, id);
    }
}

void CSearchHooks::SetHighlighting(CEditorView& view, bool on) {
    if (m_next) m_next->SetHighlighting(view, on);
}
void CSearchHooks::OnCharAdded(CEditorView& view, int ch) {
    if (m_next) m_next->OnCharAdded(view, ch);
}
void CSearchHooks::OnUpdateUI(CEditorView& view) {
    if (m_next) m_next->OnUpdateUI(view);
}
void CSearchHooks::OnFoldChanged(CEditorView& view, const SCNotification& n) {
    if (m_next) m_next->OnFoldChanged(view, n);
}
void CSearchHooks::OnFoldMarginClick(CEditorView& view, const SCNotification& n) {
    if (m_next) m_next->OnFoldMarginClick(view, n);
}

// The main frame's Find command opens the find dialog.
void CSearchHooks::OpenFindDialog() const {
    const HWND frame = ::GetAncestor(m_search.View().Window(), GA_ROOT);
    if (frame) ::PostMessageA(frame, WM_COMMAND, ID_SEARCH_FIND, 0);
}

void CSearchHooks::FindNext(bool flip) {
    if (!m_options.FindText[0]) {
        OpenFindDialog();
        return;
    }
    if (flip) m_options.SearchMask ^= kSearchDown;
    const int result = m_search.Find(m_options);
    if (flip) m_options.SearchMask ^= kSearchDown;
    if (result == 0) m_search.Notify(IDS_STRING_NOT_FOUND, m_options.FindText, MB_OK);
}

void CSearchHooks::FindWord(bool flip) {
    char word[sizeof(m_options.FindText)];
    if (!m_search.View().GetSelectedOrWordText(word, sizeof(word))) {
        OpenFindDialog();
        return;
    }
    // The word is in the document's encoding; FindText holds ANSI text.
    m_search.ToAnsi(word, m_options.FindText, sizeof(m_options.FindText));
    FindNext(flip);
}

// Per line, so that each tab reaches the next tab stop.
void CSearchHooks::TabsToSpaces() {
    CEditorView& view = m_search.View();
    const sptr_t width = view.Send(SCI_GETTABWIDTH);
    if (width < 1) return;
    const sptr_t lines = view.Send(SCI_GETLINECOUNT);
    view.Send(SCI_BEGINUNDOACTION);
    for (sptr_t line = 0; line < lines; ++line) {
        const sptr_t start = view.Send(SCI_POSITIONFROMLINE, static_cast<uptr_t>(line));
        sptr_t position = start, column = 0;
        bool tab = false;
        for (;; ++position) {
            const sptr_t ch = view.Send(SCI_GETCHARAT, static_cast<uptr_t>(position));
            if (ch == ' ') {
                ++column;
            } else if (ch == '\t') {
                column = (column / width + 1) * width;
                tab = true;
            } else {
                break;
            }
        }
        if (!tab) continue;
        const std::string blanks(static_cast<size_t>(column), ' ');
        view.Send(SCI_SETTARGETRANGE, static_cast<uptr_t>(start), position);
        view.Send(SCI_REPLACETARGET, blanks.size(), reinterpret_cast<sptr_t>(blanks.data()));
    }
    view.Send(SCI_ENDUNDOACTION);
}

void CSearchHooks::SpacesToTabs() {
    CEditorView& view = m_search.View();
    const sptr_t width = view.Send(SCI_GETTABWIDTH);
    // A width of 0 would match empty and add tabs for ever.
    if (width < 1) return;
    SearchOptions own;
    own.SearchMask = kSearchRegex | kSearchWrap;
    const std::string pattern = "^\\(\t*\\)" + std::string(static_cast<size_t>(width), ' ');
    lstrcpynA(own.FindText, pattern.c_str(), sizeof(own.FindText));
    lstrcpyA(own.ReplaceText, "\\1\t");
    view.Send(SCI_BEGINUNDOACTION);
    while (m_search.ReplaceAll(own) > 0) {
    }
    view.Send(SCI_ENDUNDOACTION);
}
