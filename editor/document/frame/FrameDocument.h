#pragma once
// What the main frame asks of a document window: the state its menus,
// toolbar and status bar follow. An MDI child's GWLP_USERDATA holds its
// IFrameDocument; the document frames implement it.
#include <windows.h>

#include <cstdint>
#include <string>

#include "EncodingCodes.h"
#include "SessionFile.h"

enum class DocumentKind { Editor, Hex };

struct FrameDocumentState {
    DocumentKind kind = DocumentKind::Editor;
    std::string path;            // "<...>" for an untitled document
    bool modified = false;
    bool hasSelection = false;
    bool canUndo = false;        // the hex view's own undo state for a hex document
    bool canRedo = false;
    uint32_t displayBits = 0;    // the EditorMask bits of the view's display options (DisplayOptions.h)
    bool useTabs = false;
    EncodingCode encoding = kEncodingAnsi;  // kEncodingAnsi to kEncodingUtf8NoBom
    EolCode lineEnds = kEolCrLf;            // CRLF, CR or LF
    bool readOnly = false;       // the view
    bool fileReadOnly = false;   // the file on disk
    bool overtype = false;
    bool watchesClipboard = false;
    int language = 0;            // index into the language table
    uint64_t fileSize = 0;       // the hex view's file size
};

class IFrameDocument {
public:
    virtual ~IFrameDocument() = default;
    virtual FrameDocumentState Describe() const = 0;
    // The view's own status-bar parts (position and size) into the bar.
    virtual void FillStatusBar(HWND statusBar) const = 0;
    // The selection or the word at the caret, in the component's code page;
    // "" when there is none.
    virtual std::string HelpKeyword() const = 0;
    // The document's entry of a session file: the path, and for an editor
    // document its view state and bookmarks.
    virtual void DescribeSession(SessionEntry& entry) const { entry.path = Describe().path; }
    // Gives an opened document the view state and bookmarks of its entry.
    virtual void RestoreSession(const SessionEntry&) {}
};

inline void AttachFrameDocument(HWND window, IFrameDocument* document) {
    ::SetWindowLongPtrA(window, GWLP_USERDATA, (LONG_PTR)document);
}

inline IFrameDocument* FrameDocumentOf(HWND window) {
    return window ? reinterpret_cast<IFrameDocument*>(::GetWindowLongPtrA(window, GWLP_USERDATA)) : nullptr;
}
