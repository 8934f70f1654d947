#pragma once
// The search commands of an editor view (ID_SEARCH_FIND_NEXT to
// ID_SEARCH_PREV_WORD: find next and previous, of the text or of the word at
// the caret; ID_EDIT_TABS_TO_SPACES and ID_EDIT_SPACES_TO_TABS: leading tabs
// to spaces and back), plugged in through the view's hooks. Hooks of another
// kind (language styling) are passed on to next.
#include "FindReplace.h"
#include "ViewHooks.h"

class CSearchHooks : public IViewHooks {
public:
    CSearchHooks(CEditorView& view, SearchOptions& options, IViewHooks* next = nullptr,
                 unsigned ansiCodePage = ::GetACP());

    CViewSearch& Search() { return m_search; }

    bool OnCommand(CEditorView& view, WORD id) override;
    void SetHighlighting(CEditorView& view, bool on) override;
    void OnCharAdded(CEditorView& view, int ch) override;
    void OnUpdateUI(CEditorView& view) override;
    void OnFoldChanged(CEditorView& view, const SCNotification& n) override;
    void OnFoldMarginClick(CEditorView& view, const SCNotification& n) override;

private:
    // The finds: bit 3 flipped for up; not found shows IDS_STRING_NOT_FOUND.
    void FindNext(bool flip);
    void FindWord(bool flip);
    void OpenFindDialog() const;
    void TabsToSpaces();
    void SpacesToTabs();

    CViewSearch m_search;
    SearchOptions& m_options;
    IViewHooks* m_next;
};
