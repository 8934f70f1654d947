#include "FindReplace.h"

#include <algorithm>
#include <vector>

#include "EditorView.h"
#include "FindReplaceEscapes.h"
#include "QuietChanges.h"
#include "ReplaceAllBatches.h"
#include "ReplaceAllUndo.h"
#include "ResourceText.h"
#include "UiSeams.h"
#include "resource.h"

namespace {

int SearchFlags(uint32_t mask) {
    int flags = 0;
    if (mask & kSearchWholeWord) flags |= SCFIND_WHOLEWORD;
    if (mask & kSearchMatchCase) flags |= SCFIND_MATCHCASE;
    if (mask & kSearchRegex) flags |= SCFIND_REGEXP;
    return flags;
}

sptr_t Replace(const CEditorView& view, bool regex, const std::string& replacement) {
    return view.Send(regex ? SCI_REPLACETARGETRE : SCI_REPLACETARGET, replacement.size(),
                     reinterpret_cast<sptr_t>(replacement.data()));
}

}  // namespace

CViewSearch::CViewSearch(CEditorView& view, unsigned ansiCodePage) : m_view(view), m_ansiCodePage(ansiCodePage) {}

bool CViewSearch::IsUtf8() const { return m_view.Send(SCI_GETCODEPAGE) == SC_CP_UTF8; }

// The conversion comes first, so that escapes stay raw bytes.
std::string CViewSearch::SearchBytes(const char* text, uint32_t mask) const {
    std::string bytes(text);
    if (IsUtf8()) bytes = ::ToAnsi(ToWide(bytes, m_ansiCodePage), CP_UTF8);
    return UnescapePattern(bytes, (mask & kSearchBackslash) != 0, (mask & kSearchRegex) != 0);
}

void CViewSearch::ToAnsi(const std::string& documentText, char* buffer, size_t size) const {
    if (size == 0) return;
    std::wstring wide = ToWide(documentText, IsUtf8() ? CP_UTF8 : m_ansiCodePage);
    std::string text = ::ToAnsi(wide, m_ansiCodePage);
    // Drop whole characters until it fits.
    while (text.size() >= size && !wide.empty()) {
        wide.pop_back();
        text = ::ToAnsi(wide, m_ansiCodePage);
    }
    std::copy(text.begin(), text.end(), buffer);
    buffer[text.size()] = '\0';
}

void CViewSearch::Notify(UINT id, const char* argument, UINT flags) const {
    const std::string text = argument ? FormatText(id, {argument}) : LoadText(id);
    ShowMessage(m_view.Window(), text, flags);
}

int CViewSearch::Find(SearchOptions& options) {
    const std::string pattern = SearchBytes(options.FindText, options.SearchMask);
    if (pattern.empty()) return -1;
    options.SearchMask &= ~kSearchReplacePending;
    const auto [selectionStart, selectionEnd] = m_view.GetSelection();
    const int flags = SearchFlags(options.SearchMask);
    const bool down = (options.SearchMask & kSearchDown) != 0;

    const bool run = flags == m_flags && down == m_down && selectionStart == m_foundPosition;
    if (!run) {
        m_result = 0;
        m_foundPosition = -1;
        m_flags = flags;
        m_down = down;
    }

    m_view.Send(SCI_SETSEARCHFLAGS, static_cast<uptr_t>(flags));
    const sptr_t length = m_view.Send(SCI_GETLENGTH);
    // Upward the component finds only a match that lies wholly inside the
    // target: it starts at the selection start, so that a match ending
    // there (the one right before a selected match too) is found. An empty
    // match would be the selection again: then from one before it.
    sptr_t found = down ? SearchIn(m_view, selectionEnd, length, pattern) : SearchIn(m_view, selectionStart, 0, pattern);
    if (!down && found == selectionStart && m_view.Send(SCI_GETTARGETEND) == selectionEnd)
        found = selectionStart > 0 ? SearchIn(m_view, selectionStart - 1, 0, pattern) : -1;
    if (found < 0 && (options.SearchMask & kSearchWrap))
        found = down ? SearchIn(m_view, 0, length, pattern) : SearchIn(m_view, length, 0, pattern);

    int result = 0;
    if (found >= 0) {
        const int start = static_cast<int>(m_view.Send(SCI_GETTARGETSTART));
        const int end = static_cast<int>(m_view.Send(SCI_GETTARGETEND));
        if (run && m_result == 1 && start == m_seriesStart) {
            result = 2;
        } else {
            m_view.EnsureLinesVisible(start, end);
            m_view.Send(SCI_SETSEL, static_cast<uptr_t>(start), end);
            result = 1;
        }
        options.SearchMask |= kSearchReplacePending;
        m_foundPosition = start;
    } else {
        m_foundPosition = -1;
    }
    m_result = result;
    if (!run) m_seriesStart = m_view.GetSelection().first;
    if (result == 2) Notify(IDS_FIND_WRAPPED, nullptr, MB_ICONINFORMATION);
    return result;
}

bool CViewSearch::ReplaceOnce(SearchOptions& options) {
    if (options.SearchMask & kSearchReplacePending) {
        const std::string pattern = SearchBytes(options.FindText, options.SearchMask);
        const auto [start, end] = m_view.GetSelection();
        m_view.Send(SCI_SETSEARCHFLAGS, static_cast<uptr_t>(SearchFlags(options.SearchMask)));
        // The selection may have moved since the find: replace it only
        // while it still is a match, which also refreshes the regex groups.
        const bool stillMatch = !pattern.empty() && SearchIn(m_view, start, end, pattern) == start &&
                                m_view.Send(SCI_GETTARGETEND) == end;
        if (stillMatch) {
            const bool regex = (options.SearchMask & kSearchRegex) != 0;
            const sptr_t written = Replace(m_view, regex, SearchBytes(options.ReplaceText, options.SearchMask));
            m_view.Send(SCI_SETSEL, static_cast<uptr_t>(start + written), start);
        }
        options.SearchMask &= ~kSearchReplacePending;
    }
    return Find(options) != 0;
}

void CViewSearch::MarkAll(const SearchOptions& options) {
    const std::string pattern = SearchBytes(options.FindText, options.SearchMask);
    if (pattern.empty()) return;
    const sptr_t length = m_view.Send(SCI_GETLENGTH);
    const sptr_t lines = m_view.Send(SCI_GETLINECOUNT);
    m_view.Send(SCI_SETSEARCHFLAGS, static_cast<uptr_t>(SearchFlags(options.SearchMask)));
    // After a match the search moves on to the next line: one bookmark per
    // line, and the step never depends on the pattern's length.
    sptr_t from = 0;
    while (from <= length) {
        const sptr_t found = SearchIn(m_view, from, length, pattern);
        if (found < 0) break;
        const sptr_t line = m_view.Send(SCI_LINEFROMPOSITION, static_cast<uptr_t>(found));
        if (!(m_view.Send(SCI_MARKERGET, static_cast<uptr_t>(line)) & (1 << kBookmarkMarker)))
            m_view.Send(SCI_MARKERADD, static_cast<uptr_t>(line), kBookmarkMarker);
        if (line + 1 >= lines) break;
        from = m_view.Send(SCI_POSITIONFROMLINE, static_cast<uptr_t>(line + 1));
    }
}

int CViewSearch::ReplaceAll(const SearchOptions& options) {
    // The component leaves a read-only text as it is but would still
    // answer each replacement as made.
    if (m_view.Send(SCI_GETREADONLY)) return 0;
    const std::string pattern = SearchBytes(options.FindText, options.SearchMask);
    if (pattern.empty()) return 0;
    const std::string replacement = SearchBytes(options.ReplaceText, options.SearchMask);
    const bool regex = (options.SearchMask & kSearchRegex) != 0;
    const bool inSelection = ScopeOf(options.SearchMask) == kScopeSelection;

    auto [start, end] = m_view.GetSelection();
    sptr_t rangeStart = start, rangeEnd = end;
    if (inSelection) {
        if (start == end) return 0;
    } else {
        rangeStart = (options.SearchMask & kSearchWrap) ? 0 : start;
        rangeEnd = m_view.Send(SCI_GETLENGTH);
    }

    m_view.Send(SCI_SETSEARCHFLAGS, static_cast<uptr_t>(SearchFlags(options.SearchMask)));
    sptr_t found = SearchIn(m_view, rangeStart, rangeEnd, pattern);
    if (found < 0) return 0;

    int count = 0;
    sptr_t last = rangeStart;
    const CQuietChanges quiet(m_view);
    const bool wholeWord = (options.SearchMask & kSearchWholeWord) != 0;
    if (!regex && CanKeepReplaceAllRecord(m_view)) {
        // The component's history would keep every replaced text twice.
        count = ReplaceAllRecorded(m_view, pattern, replacement, wholeWord, rangeStart, rangeEnd, &last);
    } else {
        m_view.Send(SCI_BEGINUNDOACTION);
        count = ReplaceAllInBatches(m_view, pattern, replacement, regex, wholeWord, rangeStart, rangeEnd, &last);
        m_view.Send(SCI_ENDUNDOACTION);
    }

    if (inSelection)
        m_view.Send(SCI_SETSEL, static_cast<uptr_t>(rangeStart), rangeEnd);
    else
        m_view.Send(SCI_GOTOPOS, static_cast<uptr_t>(last));
    return count;
}
