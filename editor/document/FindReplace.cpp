#include "FindReplace.h"

#include <algorithm>
#include <vector>

#include "EditorView.h"
#include "FindReplaceEscapes.h"
#include "QuietChanges.h"
#include "RegexSearch.h"
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

void CViewSearch::NotifyStopped(const SearchStopped& stop) const {
    Notify(stop.reason == SearchStop::User ? IDS_SEARCH_STOPPED : IDS_SEARCH_ABANDONED, nullptr, MB_ICONINFORMATION);
}

int CViewSearch::Find(SearchOptions& options) {
    const std::string pattern = SearchBytes(options.FindText, options.SearchMask);
    if (pattern.empty()) return -1;
    const auto [selectionStart, selectionEnd] = m_view.GetSelection();
    const int flags = SearchFlags(options.SearchMask);
    const bool down = (options.SearchMask & kSearchDown) != 0;
    const bool run = flags == m_flags && down == m_down && selectionStart == m_foundPosition;

    m_view.Send(SCI_SETSEARCHFLAGS, static_cast<uptr_t>(flags));
    const sptr_t length = m_view.Send(SCI_GETLENGTH);
    sptr_t found = -1;
    try {
        CSearchWatch watch(m_view);
        const CViewFinder finder(m_view, pattern, &watch);
        // Upward the component finds only a match that lies wholly inside
        // the target: it starts at the selection start, so that a match
        // ending there (the one right before a selected match too) is found.
        // An empty match would be the selection again: then from one before.
        found = down ? finder.Search(selectionEnd, length) : finder.Search(selectionStart, 0);
        if (!down && found == selectionStart && m_view.Send(SCI_GETTARGETEND) == selectionEnd)
            found = selectionStart > 0 ? finder.Search(selectionStart - 1, 0) : -1;
        if (found < 0 && (options.SearchMask & kSearchWrap))
            found = down ? finder.Search(0, length) : finder.Search(length, 0);
    } catch (const SearchStopped& stop) {
        // As if the find had not been asked for: selection, run and the
        // pending replacement stay.
        NotifyStopped(stop);
        return kFindStopped;
    }

    options.SearchMask &= ~kSearchReplacePending;
    if (!run) {
        m_result = 0;
        m_foundPosition = -1;
        m_flags = flags;
        m_down = down;
    }
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
        // while it still is a match, which also gives the regex groups.
        try {
            CSearchWatch watch(m_view);
            const CViewFinder finder(m_view, pattern, &watch);
            const bool stillMatch = !pattern.empty() && finder.Search(start, end) == start &&
                                    m_view.Send(SCI_GETTARGETEND) == end;
            if (stillMatch) {
                const std::string text =
                    Substitute(m_view, finder, SearchBytes(options.ReplaceText, options.SearchMask));
                m_view.Send(SCI_REPLACETARGET, text.size(), reinterpret_cast<sptr_t>(text.data()));
                m_view.Send(SCI_SETSEL, static_cast<uptr_t>(start + static_cast<sptr_t>(text.size())), start);
            }
        } catch (const SearchStopped& stop) {
            NotifyStopped(stop);
            return false;
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
    // line, and the step never depends on the pattern's length. The lines
    // are marked once all are found, so that a stopped search marks none.
    std::vector<sptr_t> marked;
    try {
        CSearchWatch watch(m_view);
        const CViewFinder finder(m_view, pattern, &watch);
        sptr_t from = 0;
        while (from <= length) {
            const sptr_t found = finder.Search(from, length);
            if (found < 0) break;
            const sptr_t line = m_view.Send(SCI_LINEFROMPOSITION, static_cast<uptr_t>(found));
            marked.push_back(line);
            if (line + 1 >= lines) break;
            from = m_view.Send(SCI_POSITIONFROMLINE, static_cast<uptr_t>(line + 1));
        }
    } catch (const SearchStopped& stop) {
        NotifyStopped(stop);
        return;
    }
    for (const sptr_t line : marked)
        if (!(m_view.Send(SCI_MARKERGET, static_cast<uptr_t>(line)) & (1 << kBookmarkMarker)))
            m_view.Send(SCI_MARKERADD, static_cast<uptr_t>(line), kBookmarkMarker);
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
    int count = 0;
    sptr_t last = rangeStart;
    CQuietChanges quiet(m_view);
    const bool wholeWord = (options.SearchMask & kSearchWholeWord) != 0;
    // Once it has taken long the window is shown as it goes.
    CSearchWatch watch(m_view, [&quiet] { quiet.ResumePainting(); });
    const CViewFinder finder(m_view, pattern, &watch);
    if (!regex && CanKeepReplaceAllRecord(m_view)) {
        if (finder.Search(rangeStart, rangeEnd) < 0) return 0;
        // The component's history would keep every replaced text twice.
        count = ReplaceAllRecorded(m_view, pattern, replacement, wholeWord, rangeStart, rangeEnd, &last);
    } else {
        m_view.Send(SCI_BEGINUNDOACTION);
        sptr_t written = -1;  // set by the first edit
        try {
            if (finder.Search(rangeStart, rangeEnd) >= 0)
                count = ReplaceAllInBatches(m_view, finder, replacement, wholeWord, rangeStart, rangeEnd, &written);
        } catch (const SearchStopped& stop) {
            // The edits made so far are one undo step: taken back whole.
            m_view.Send(SCI_ENDUNDOACTION);
            if (written >= 0) m_view.Send(SCI_UNDO);
            NotifyStopped(stop);
            return kReplaceStopped;
        }
        m_view.Send(SCI_ENDUNDOACTION);
        if (count == 0) return 0;
        last = written;
    }

    if (inSelection)
        m_view.Send(SCI_SETSEL, static_cast<uptr_t>(rangeStart), rangeEnd);
    else
        m_view.Send(SCI_GOTOPOS, static_cast<uptr_t>(last));
    return count;
}
