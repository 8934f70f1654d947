#pragma once
// What find in files needs from the main frame.
#include <string>

class CEditorView;
class CFindInFilesRunner;
class CFindResultsPane;

// For a result pane opening the file of a line.
class IResultFileOpener {
public:
    virtual ~IResultFileOpener() = default;
    // Opens the file (default encoding, into the recent files) or activates
    // its document; its editor view, or null when it has none (hex view, or
    // it could not be opened).
    virtual CEditorView* OpenResultFile(const char* path) = 0;
    virtual void SetStatusMessage(const char* text) = 0;
};

// For the dialog starting a search.
class IFindInFilesHost {
public:
    virtual ~IFindInFilesHost() = default;
    // The active document's path; empty without one.
    virtual std::string ActiveDocumentPath() = 0;
    // Shows result pane 1 or 2 and answers it; null when it is missing.
    virtual CFindResultsPane* ShowFindResultsPane(bool second) = 0;
    virtual CFindInFilesRunner& SearchRunner() = 0;
};
