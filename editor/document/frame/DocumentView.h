#pragma once
// IDocumentView: the view inside a document frame (the editor view of a text
// document, the hex view of a binary one) as the frame drives it. The frame
// keeps the path, the file's stamp and the read-only flags; the view keeps
// the content. The first group is what every view does; the second has
// defaults for a view that has no text, so the frame asks every view the
// same and never which kind it holds. A new kind of view is one more
// adapter and its factory below.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "DocumentFile.h"
#include "FrameDocument.h"
#include "SessionFile.h"

class CEditorView;
class CHexView;
class CViewSearch;
class IDocumentFrameOwner;
class IHexHost;
class IViewHost;
struct ViewStatusTexts;

// The style of every view window in a document frame.
constexpr DWORD kDocumentViewStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;

class IDocumentView {
public:
    using SaveAsResult = CDocumentFile::SaveAsResult;

    virtual ~IDocumentView() = default;

    // Makes the view and its window over rect of the frame (at WM_CREATE);
    // null when the window could not be made. Until then the view is empty.
    virtual HWND Create(HWND parent, const RECT& rect) = 0;
    // openType is an encoding code (kEncodingDefault detects).
    virtual bool Load(const char* path, EncodingCode openType) = 0;
    virtual bool Save(const char* path) = 0;
    // Writes to a new name with the chosen encoding and line ends where the
    // view has them; confirmLoss asks whether characters the encoding cannot
    // hold may be lost.
    virtual SaveAsResult SaveAs(const char* path, EncodingCode encoding, EolCode lineEnd,
                                const std::function<bool()>& confirmLoss) = 0;
    virtual bool Reload(const char* path) = 0;
    virtual bool IsModified() const = 0;
    virtual void SetReadOnly(bool readOnly) = 0;
    // The view's part of the state: kind, selection, undo, options, sizes.
    virtual void Describe(FrameDocumentState& state) const = 0;
    // Its own parts of the main frame's status bar.
    virtual void FillStatusBar(HWND statusBar) const = 0;
    // The current styles again, after fonts or colours changed.
    virtual void Restyle() = 0;

    // Why the last Save or SaveAs failed (a system error code), 0 when unknown.
    virtual DWORD LastSaveError() const { return 0; }
    // Microseconds the last save spent in its flushes; 0 for a view whose
    // save does not go through CReplacingFile.
    virtual long long LastSaveFlushMicroseconds() const { return 0; }
    // The last load dropped the odd last byte of a UTF-16 file.
    virtual bool DroppedOddByte() const { return false; }
    // The view shows text: the Wrap and Line ends buttons act on it, and the
    // panes that read a document's text hear of its loads and saves.
    virtual bool IsText() const { return false; }
    // Checks the Wrap and Line ends buttons as its options are.
    virtual void CheckOptionButtons() const {}
    // The Language menu's index; a view without languages restyles.
    virtual void SetLanguage(int) { Restyle(); }
    virtual int LanguageIndex() const { return 0; }
    // After Save As: the language follows the new name.
    virtual void PathChanged(const char*) {}
    // The selection or the word at the caret; "" for none.
    virtual std::string HelpKeyword() const { return ""; }
    // The view state and bookmarks of a session entry (the path is the frame's).
    virtual void DescribeSession(SessionEntry&) const {}
    virtual void RestoreSession(const SessionEntry&) {}
    virtual CEditorView* Editor() const { return nullptr; }
    virtual CViewSearch* Search() const { return nullptr; }
    virtual CHexView* Hex() const { return nullptr; }
};

// The editor view with its search hooks and typing aids; host is the frame.
std::unique_ptr<IDocumentView> MakeEditorDocumentView(IViewHost& host);
// The hex view; host is the frame, owner gives the font (IDocumentFrameOwner::HexViewFont).
std::unique_ptr<IDocumentView> MakeHexDocumentView(IHexHost& host, const IDocumentFrameOwner& owner);

// An editor view's status texts (position, size, typing mode) into the bar.
void ShowViewStatusTexts(HWND statusBar, const ViewStatusTexts& texts);
