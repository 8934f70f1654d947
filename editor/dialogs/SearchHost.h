#pragma once
// What the find and replace dialogs need from the main frame: the active
// document's search, every open document's search, and the toolbar's
// search buttons.
#include <windows.h>

#include <cstdint>
#include <functional>

class CViewSearch;

class ISearchHost {
public:
    virtual ~ISearchHost() = default;
    // The active document's search; null without an editor document.
    virtual CViewSearch* ActiveSearch() = 0;
    // Every open editor document, in tab order, until call answers false.
    virtual void ForEachSearch(const std::function<bool(CViewSearch&)>& call) = 0;
    // Toolbar buttons ID_SEARCH_FIND, ID_SEARCH_REPLACE and ID_SEARCH_FIND_IN_FILES.
    virtual void EnableSearchButtons(bool enable) = 0;
    virtual uint32_t EditorMask() const = 0;
};

// Counts the open search dialogs: the buttons are disabled when the first
// opens and enabled again only when the last closes.
class CSearchButtonsGate {
public:
    void Opened(ISearchHost& host) {
        if (m_open++ == 0) host.EnableSearchButtons(false);
    }
    void Closed(ISearchHost& host) {
        if (m_open > 0 && --m_open == 0) host.EnableSearchButtons(true);
    }
    int OpenCount() const { return m_open; }

private:
    int m_open = 0;
};
