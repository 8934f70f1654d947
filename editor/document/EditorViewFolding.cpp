// Folding: the fold commands, clicks in the fold margin, and keeping lines
// visible while editing changes the fold levels.
#include "EditorView.h"

namespace {

constexpr int kTopLevel = SC_FOLDLEVELBASE;

bool IsHeader(int level) { return (level & SC_FOLDLEVELHEADERFLAG) != 0; }
int LevelNumber(int level) { return level & SC_FOLDLEVELNUMBERMASK; }

}  // namespace

int CEditorView::Expand(int& line, bool expand, bool force, int visibleLevels, int level) {
    const int last = static_cast<int>(Send(SCI_GETLASTCHILD, static_cast<uptr_t>(line), LevelNumber(level)));
    ++line;
    while (line <= last) {
        if (force)
            Send(visibleLevels > 0 ? SCI_SHOWLINES : SCI_HIDELINES, static_cast<uptr_t>(line), line);
        else if (expand)
            Send(SCI_SHOWLINES, static_cast<uptr_t>(line), line);
        const int lineLevel = level != -1 ? level : static_cast<int>(Send(SCI_GETFOLDLEVEL, static_cast<uptr_t>(line)));
        if (!IsHeader(lineLevel)) {
            ++line;
            continue;
        }
        if (force) {
            Send(SCI_SETFOLDEXPANDED, static_cast<uptr_t>(line), visibleLevels > 1);
            Expand(line, expand, true, visibleLevels - 1, -1);
        } else if (expand) {
            if (!Send(SCI_GETFOLDEXPANDED, static_cast<uptr_t>(line)))
                Send(SCI_SETFOLDEXPANDED, static_cast<uptr_t>(line), 1);
            Expand(line, true, false, visibleLevels - 1, -1);
        } else {
            Expand(line, false, false, visibleLevels - 1, -1);
        }
    }
    return last;
}

void CEditorView::OnFoldChanged(int line, int newLevel, int previousLevel) {
    const uptr_t l = static_cast<uptr_t>(line);
    if (IsHeader(newLevel) && !IsHeader(previousLevel)) {
        Send(SCI_SETFOLDEXPANDED, l, 1);
        int walk = line;
        Expand(walk, true, false, 0, previousLevel);
    } else if (!IsHeader(newLevel) && IsHeader(previousLevel)) {
        if (!Send(SCI_GETFOLDEXPANDED, l)) {
            Send(SCI_SETFOLDEXPANDED, l, 1);
            int walk = line;
            Expand(walk, true, false, 0, previousLevel);
        }
    }
    // A line whose level fell may have left a collapsed fold, header or not:
    // it is shown unless its new parent keeps it hidden.
    if (newLevel & SC_FOLDLEVELWHITEFLAG) return;
    if (LevelNumber(previousLevel) <= LevelNumber(newLevel)) return;
    const sptr_t parent = Send(SCI_GETFOLDPARENT, l);
    const uptr_t p = static_cast<uptr_t>(parent);
    if (parent < 0 || (Send(SCI_GETFOLDEXPANDED, p) && Send(SCI_GETLINEVISIBLE, p))) Send(SCI_SHOWLINES, l, line);
}

void CEditorView::OnFoldMarginClick(sptr_t position, int modifiers) {
    const bool shift = (modifiers & SCMOD_SHIFT) != 0;
    const bool control = (modifiers & SCMOD_CTRL) != 0;
    if (shift && control) {
        FoldAll();
        return;
    }
    int line = static_cast<int>(Send(SCI_LINEFROMPOSITION, static_cast<uptr_t>(position)));
    const int level = static_cast<int>(Send(SCI_GETFOLDLEVEL, static_cast<uptr_t>(line)));
    if (!IsHeader(level)) return;
    const uptr_t l = static_cast<uptr_t>(line);
    if (shift || (control && !Send(SCI_GETFOLDEXPANDED, l))) {
        Send(SCI_SETFOLDEXPANDED, l, 1);
        Expand(line, true, true, 100, level);
    } else if (control) {
        Send(SCI_SETFOLDEXPANDED, l, 0);
        Expand(line, false, true, 0, level);
    } else {
        Send(SCI_TOGGLEFOLD, l);
    }
}

void CEditorView::ToggleFoldAtCaret() {
    sptr_t line = CaretLine();
    if (!IsHeader(static_cast<int>(Send(SCI_GETFOLDLEVEL, static_cast<uptr_t>(line)))))
        line = Send(SCI_GETFOLDPARENT, static_cast<uptr_t>(line));
    if (line >= 0) Send(SCI_TOGGLEFOLD, static_cast<uptr_t>(line));
}

void CEditorView::FoldAll() {
    Send(SCI_COLOURISE, 0, -1);
    const sptr_t lines = Send(SCI_GETLINECOUNT);
    for (sptr_t line = 0; line < lines; ++line) {
        const int level = static_cast<int>(Send(SCI_GETFOLDLEVEL, static_cast<uptr_t>(line)));
        if (!IsHeader(level) || LevelNumber(level) != kTopLevel) continue;
        const sptr_t last = Send(SCI_GETLASTCHILD, static_cast<uptr_t>(line), -1);
        Send(SCI_SETFOLDEXPANDED, static_cast<uptr_t>(line), 0);
        if (last > line) Send(SCI_HIDELINES, static_cast<uptr_t>(line + 1), last);
    }
}

void CEditorView::UnfoldAll() {
    Send(SCI_COLOURISE, 0, -1);
    int line = 0;
    while (line < Send(SCI_GETLINECOUNT)) {
        const int level = static_cast<int>(Send(SCI_GETFOLDLEVEL, static_cast<uptr_t>(line)));
        if (IsHeader(level) && LevelNumber(level) == kTopLevel) {
            Send(SCI_SETFOLDEXPANDED, static_cast<uptr_t>(line), 1);
            Expand(line, true, false, 0, level);
        } else {
            ++line;
        }
    }
}

void CEditorView::FoldLevel(int level, bool expand) {
    Send(SCI_COLOURISE, 0, -1);
    const sptr_t lines = Send(SCI_GETLINECOUNT);
    for (sptr_t line = 0; line < lines; ++line) {
        const int lineLevel = static_cast<int>(Send(SCI_GETFOLDLEVEL, static_cast<uptr_t>(line)));
        if (!IsHeader(lineLevel) || ((lineLevel - kTopLevel) & SC_FOLDLEVELNUMBERMASK) != level) continue;
        if ((Send(SCI_GETFOLDEXPANDED, static_cast<uptr_t>(line)) != 0) != expand)
            Send(SCI_TOGGLEFOLD, static_cast<uptr_t>(line));
    }
}
