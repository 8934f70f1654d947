#pragma once
// Find, replace and mark-all in one editor view, driven by the SearchMask
// bits, the find text and the replacement of SearchOptions. The view keeps
// the state of a run of finds so that it can tell when a run comes back to
// its first match.
#include <windows.h>

#include <cstdint>
#include <string>

#include "AppSettings.h"

class CEditorView;
struct SearchStopped;

// What Find answers for a regular-expression search the user stopped (or
// that the text changed under); ReplaceAll likewise. Nothing was changed,
// and the notice was shown.
constexpr int kFindStopped = -2;
constexpr int kReplaceStopped = -1;

// Bits the dialogs and the editor's find add to SearchMaskBits.
constexpr uint32_t kSearchWrap = 0x20;
constexpr uint32_t kSearchReplacePending = 0x40;

// Scope values of kSearchScopeMask (bits 8-9).
constexpr uint32_t kScopeDocument = 0;
constexpr uint32_t kScopeSelection = 1;
constexpr uint32_t kScopeAllDocuments = 2;
inline uint32_t ScopeOf(uint32_t mask) { return (mask & kSearchScopeMask) >> 8; }


class CViewSearch {
public:
    // The texts in SearchOptions are in ansiCodePage; notices are the
    // editor's message boxes (ShowMessage).
    explicit CViewSearch(CEditorView& view, unsigned ansiCodePage = ::GetACP());

    // -1 empty text, 0 not found, 1 found and selected, 2 back at the first
    // match of the run (IDS_FIND_WRAPPED shown), kFindStopped.
    int Find(SearchOptions& options);
    // Replaces the selection when it still is a match, then finds; false
    // when that find found nothing.
    bool ReplaceOnce(SearchOptions& options);
    // Bookmarks every line holding a match, once.
    void MarkAll(const SearchOptions& options);
    // The number of replacements, in one undo action, or kReplaceStopped.
    int ReplaceAll(const SearchOptions& options);

    // The search or replacement text as the component holds it: in UTF-8
    // for a UTF-8 document, then unescaped.
    std::string SearchBytes(const char* text, uint32_t mask) const;
    // A text of the document (the word at the caret) in the ANSI code page,
    // cut to fit size bytes with its NUL.
    void ToAnsi(const std::string& documentText, char* buffer, size_t size) const;

    // Shows string id formatted with argument, captioned "Tarnwick".
    void Notify(UINT id, const char* argument, UINT flags) const;

    CEditorView& View() const { return m_view; }

private:
    bool IsUtf8() const;
    // IDS_SEARCH_STOPPED or IDS_SEARCH_ABANDONED.
    void NotifyStopped(const SearchStopped& stop) const;

    CEditorView& m_view;
    unsigned m_ansiCodePage;
    int m_flags = 0;
    bool m_down = true;
    int m_result = 0;
    int m_foundPosition = -1;
    int m_seriesStart = -1;
};
