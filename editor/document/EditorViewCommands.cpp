// The commands of the view's table, line moves, trailing blanks, bookmarks
// and going to a line.
#include "EditorView.h"

#include "CommandProbe.h"
#include "resource.h"

namespace {

// One undo action for the lifetime of the object.
class CUndoAction {
public:
    explicit CUndoAction(const CEditorView& view) : m_view(view) { m_view.Send(SCI_BEGINUNDOACTION); }
    ~CUndoAction() { m_view.Send(SCI_ENDUNDOACTION); }
    CUndoAction(const CUndoAction&) = delete;
    CUndoAction& operator=(const CUndoAction&) = delete;

private:
    const CEditorView& m_view;
};

// Commands that are one component message.
struct SimpleCommand {
    WORD id;
    unsigned int message;
};

// 205 clears the selection (or the character after the caret), as Delete
// does elsewhere; deleting backwards was a slip.
const SimpleCommand kSimpleCommands[] = {
    {ID_EDIT_UNDO, SCI_UNDO},
    {ID_EDIT_REDO, SCI_REDO},
    {ID_EDIT_DELETE, SCI_CLEAR},
    {ID_EDIT_SELECT_ALL, SCI_SELECTALL},
    {ID_EDIT_LINE_CUT, SCI_LINECUT},
    {ID_EDIT_LINE_COPY, SCI_LINECOPY},
    {ID_EDIT_LINE_DELETE, SCI_LINEDELETE},
    {ID_EDIT_LINE_DUPLICATE, SCI_LINEDUPLICATE},
    {ID_EDIT_LOWERCASE, SCI_LOWERCASE},
    {ID_EDIT_UPPERCASE, SCI_UPPERCASE},
    {ID_EDIT_TAB, SCI_TAB},
    {ID_EDIT_BACKTAB, SCI_BACKTAB},
    {ID_VIEW_ZOOM_IN, SCI_ZOOMIN},
    {ID_VIEW_ZOOM_OUT, SCI_ZOOMOUT},
};

}  // namespace

bool CEditorView::OnCommand(WORD id) {
    if (!m_component.IsAttached()) return false;
    // Each branch asks the command probe before it acts.
    for (const SimpleCommand& command : kSimpleCommands) {
        if (command.id == id) {
            if (CCommandProbe::Run()) Send(command.message);
            return true;
        }
    }
    if (const DisplayOption* option = DisplayOptionOfCommand(id)) {
        if (CCommandProbe::Run()) ToggleOption(*option);
        return true;
    }
    switch (id) {
    case ID_EDIT_LINE_UP: if (CCommandProbe::Run()) MoveLine(true); return true;
    case ID_EDIT_LINE_DOWN: if (CCommandProbe::Run()) MoveLine(false); return true;
    case ID_EDIT_LINES_SPLIT:
        if (CCommandProbe::Run()) {
            Send(SCI_TARGETFROMSELECTION);
            Send(SCI_LINESSPLIT, 0);
        }
        return true;
    case ID_EDIT_LINES_JOIN:
        if (CCommandProbe::Run()) {
            Send(SCI_TARGETFROMSELECTION);
            Send(SCI_LINESJOIN);
        }
        return true;
    case ID_EDIT_SWAP_CLIPBOARD: if (CCommandProbe::Run()) SwapWithClipboard(); return true;
    case ID_EDIT_STRIP_TRAILING: if (CCommandProbe::Run()) StripTrailingBlanks(); return true;
    case ID_VIEW_ZOOM_RESET: if (CCommandProbe::Run()) Send(SCI_SETZOOM, static_cast<uptr_t>(m_initialZoom)); return true;
    case ID_VIEW_FOLD_TOGGLE: if (CCommandProbe::Run()) ToggleFoldAtCaret(); return true;
    case ID_VIEW_FOLD_ALL: if (CCommandProbe::Run()) FoldAll(); return true;
    case ID_VIEW_UNFOLD_ALL: if (CCommandProbe::Run()) UnfoldAll(); return true;
    case ID_SEARCH_GOTO_LINE: if (CCommandProbe::Run()) GoToLineDialog(); return true;
    case ID_SEARCH_GOTO_SYMBOL: if (CCommandProbe::Run()) GoToSymbolDialog(); return true;
    case ID_SEARCH_BOOKMARK: if (CCommandProbe::Run()) ToggleBookmark(); return true;
    case ID_SEARCH_NEXT_BOOKMARK: if (CCommandProbe::Run()) NextBookmark(); return true;
    case ID_SEARCH_PREV_BOOKMARK: if (CCommandProbe::Run()) PreviousBookmark(); return true;
    case ID_SEARCH_CLEAR_BOOKMARKS: if (CCommandProbe::Run()) Send(SCI_MARKERDELETEALL, kBookmarkMarker); return true;
    case ID_DOC_USE_TABS: if (CCommandProbe::Run()) m_file.ToggleUseTabs(); return true;
    case ID_TOOLS_WATCH_CLIPBOARD: if (CCommandProbe::Run()) SetClipboardWatch(!m_watchingClipboard); return true;
    case ID_FILE_PRINT_SETUP:
    case ID_FILE_PRINT: CCommandProbe::Run(); return true;
    default: break;
    }
    if (id >= ID_VIEW_FOLD_LEVEL_FIRST && id <= ID_VIEW_FOLD_LEVEL_LAST) {
        if (CCommandProbe::Run()) FoldLevel(id - ID_VIEW_FOLD_LEVEL_FIRST, false);
        return true;
    }
    if (id >= ID_VIEW_UNFOLD_LEVEL_FIRST && id <= ID_VIEW_UNFOLD_LEVEL_LAST) {
        if (CCommandProbe::Run()) FoldLevel(id - ID_VIEW_UNFOLD_LEVEL_FIRST, true);
        return true;
    }
    if (id >= ID_DOC_ENC_ANSI && id <= ID_DOC_EOL_CR) {
        if (!CCommandProbe::Run()) return true;
        if (id <= ID_DOC_ENC_UTF8_NOBOM)
            m_file.OnEncodingCommand(id);
        else
            m_file.OnConvertEols(id);
        UpdateStatusBar();
        return true;
    }
    return m_hooks && m_hooks->OnCommand(*this, id);
}

void CEditorView::ToggleOption(const DisplayOption& option) {
    const uint32_t bit = option.viewBit;
    SetOption(bit, !HasOption(bit));
    const bool on = HasOption(bit);
    switch (bit) {
    case kViewHighlight:
        SetHighlighting(on);
        if (m_hooks) m_hooks->SetHighlighting(*this, on);
        break;
    case kViewWrap:
        m_host.CheckToolbarButton(option.command, on);
        Send(SCI_SETWRAPMODE, on ? SC_WRAP_WORD : SC_WRAP_NONE);
        break;
    case kViewLineNumbers: ShowLineNumbers(on); break;
    case kViewWhiteSpace: Send(SCI_SETVIEWWS, on ? SCWS_VISIBLEALWAYS : SCWS_INVISIBLE); break;
    case kViewLineEnds:
        m_host.CheckToolbarButton(option.command, on);
        Send(SCI_SETVIEWEOL, on);
        break;
    case kViewIndentGuides: Send(SCI_SETINDENTATIONGUIDES, on ? SC_IV_REAL : SC_IV_NONE); break;
    default: break;
    }
}

void CEditorView::MoveLine(bool up) {
    const int line = CaretLine();
    if (up ? line == 0 : line >= Send(SCI_GETLINECOUNT) - 1) return;
    CUndoAction action(*this);
    if (up) {
        Send(SCI_LINETRANSPOSE);
        Send(SCI_GOTOLINE, line - 1);
    } else {
        Send(SCI_GOTOLINE, line + 1);
        Send(SCI_LINETRANSPOSE);
    }
}

void CEditorView::StripTrailingBlanks() {
    CUndoAction action(*this);
    const int lines = static_cast<int>(Send(SCI_GETLINECOUNT));
    for (int line = 0; line < lines; ++line) {
        const sptr_t start = Send(SCI_POSITIONFROMLINE, line);
        const sptr_t end = Send(SCI_GETLINEENDPOSITION, line);
        sptr_t blanks = end;
        while (blanks > start) {
            const char ch = static_cast<char>(Send(SCI_GETCHARAT, blanks - 1));
            if (ch != ' ' && ch != '\t') break;
            --blanks;
        }
        if (blanks == end) continue;
        Send(SCI_SETTARGETSTART, blanks);
        Send(SCI_SETTARGETEND, end);
        Send(SCI_REPLACETARGET, 0, reinterpret_cast<sptr_t>(""));
    }
}

void CEditorView::ToggleBookmark(int line) {
    if (line < 0) line = CaretLine();
    if (Send(SCI_MARKERGET, line) & (1 << kBookmarkMarker))
        Send(SCI_MARKERDELETE, line, kBookmarkMarker);
    else
        Send(SCI_MARKERADD, line, kBookmarkMarker);
}

void CEditorView::NextBookmark() {
    const int caret = CaretLine();
    sptr_t found = Send(SCI_MARKERNEXT, caret + 1, 1 << kBookmarkMarker);
    if (found < 0) found = Send(SCI_MARKERNEXT, 0, 1 << kBookmarkMarker);
    if (found >= 0 && found != caret) GoToLine(static_cast<int>(found));
}

void CEditorView::PreviousBookmark() {
    const int caret = CaretLine();
    sptr_t found = caret > 0 ? Send(SCI_MARKERPREVIOUS, caret - 1, 1 << kBookmarkMarker) : -1;
    if (found < 0) found = Send(SCI_MARKERPREVIOUS, Send(SCI_GETLINECOUNT), 1 << kBookmarkMarker);
    if (found >= 0 && found != caret) GoToLine(static_cast<int>(found));
}

void CEditorView::GoToLine(int line) {
    Send(SCI_ENSUREVISIBLEENFORCEPOLICY, line);
    Send(SCI_GOTOLINE, line);
}

void CEditorView::OnGoToLine(int line) {
    GoToLine(line - 1);
    Send(SCI_ENSUREVISIBLEENFORCEPOLICY, line - 1);
    Send(SCI_LINESCROLL, 0, line - 3 - Send(SCI_GETFIRSTVISIBLELINE));
    ::SetFocus(m_window);
}

void CEditorView::GoToSymbolDialog() {
    const int line = m_host.PromptSymbolLine(::GetActiveWindow());
    if (line > 0) ::PostMessageA(m_window, WM_GOTOLINE, 0, line);
}

void CEditorView::GoToLineDialog() {
    const int line = m_host.PromptLineNumber(::GetActiveWindow(), static_cast<int>(Send(SCI_GETLINECOUNT)));
    if (line != -1) GoToLine(line - 1);
}
