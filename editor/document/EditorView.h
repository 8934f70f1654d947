#pragma once
// The window of one text document: the editing component's window under the
// class "languagewnd", its display options, the editing commands that act on
// the text, the status-bar position texts and the component's notifications.
// Loading and saving pass through to CDocumentFile.
#include <windows.h>

#include <cstdint>
#include <string>
#include <utility>

#include "AppMessages.h"
#include "DocumentFile.h"
#include "EditingComponent.h"
#include "DisplayOptions.h"
#include "LanguageSource.h"
#include "MessageMap.h"
#include "TypingSettings.h"
#include "ViewHooks.h"
#include "ViewHost.h"
#include "resource.h"

constexpr int kBookmarkMarker = 1;
constexpr int kBookmarkMargin = 1;
constexpr int kFoldMargin = 2;

// Four ints that a session keeps per document.
struct ViewState {
    int firstLine = 0;
    int selectionStart = 0;
    int selectionEnd = 0;
    int xOffset = 0;
};

// A popup menu and the menu resource it came from, destroyed together.
class CContextMenu {
public:
    CContextMenu() = default;
    explicit CContextMenu(HMENU resource) : m_resource(resource) {}
    ~CContextMenu() {
        if (m_resource) ::DestroyMenu(m_resource);
    }
    CContextMenu(CContextMenu&& other) noexcept : m_resource(std::exchange(other.m_resource, nullptr)) {}
    CContextMenu& operator=(CContextMenu&&) = delete;
    HMENU Popup() const { return m_resource ? ::GetSubMenu(m_resource, 0) : nullptr; }

private:
    HMENU m_resource = nullptr;
};

class CPropertySets;
class CStyleSpec;

class CEditorView : public CMessageMap, private IHistoryObserver {
public:
    // Options from the settings' EditorMask (g_appSettings->EditorMask);
    // the host outlives the view.
    CEditorView(IViewHost& host, uint32_t editorMask, unsigned ansiCodePage = ::GetACP());
    ~CEditorView() override;
    CEditorView(const CEditorView&) = delete;
    CEditorView& operator=(const CEditorView&) = delete;

    // Creates the window with control id 0 (the component's own WM_COMMAND
    // ids 10-16 would otherwise collide with its notifications) and sets the
    // component up once.
    HWND Create(HWND parent, const RECT& rect, DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS);
    HWND Window() const { return m_window; }
    operator HWND() const { return m_window; }

    void SetHooks(IViewHooks* hooks) { m_hooks = hooks; }
    IViewHost& Host() const { return m_host; }
    CEditingComponent& Component() { return m_component; }
    const CEditingComponent& Component() const { return m_component; }
    CDocumentFile& File() { return m_file; }
    // The component's document (SCI_GETDOCPOINTER), which views may share.
    sptr_t Document() const { return m_document; }
    // Whether the component's notifications have come back to the view (the
    // parent reflects them), which the undo of a kept record relies on.
    bool HearsNotifications() const { return m_hearsNotifications; }
    sptr_t Send(unsigned int message, uptr_t wParam = 0, sptr_t lParam = 0) const {
        return m_component.Send(message, wParam, lParam);
    }

    // Loading and saving (CDocumentFile), with the line-number margin kept
    // wide enough afterwards.
    bool OpenFile(const char* path, EncodingCode code);
    bool Reload(const char* path);
    bool SaveFile(const char* path) { return m_file.SaveFile(path); }
    EncodingCode GetEncoding() const { return m_file.GetEncoding(); }

    uint32_t Options() const { return m_options; }
    bool HasOption(uint32_t bit) const { return (m_options & bit) != 0; }
    int LanguageIndex() const { return m_languageIndex; }
    void SetLanguageIndex(int index) { m_languageIndex = index; }

    // Language styling (EditorViewLanguage.cpp). Without a source the view
    // styles from an empty property store and the default settings.
    void SetLanguageSource(const ILanguageSource* source) { m_languageSource = source; }
    // fileName is the name the "*.ext" keys are matched against; null uses
    // "x." + the language's extension. Always true.
    bool ApplyLanguage(int index, const char* fileName);
    // The language of a path's file name, applied with that name.
    void ApplyLanguageForFile(const char* path);
    // The Language menu: restyles the whole text as language index.
    void SetLanguage(int index);
    // ID_VIEW_HIGHLIGHT after the option bit flipped.
    void SetHighlighting(bool on);
    void ApplyStyles(const std::string& lexer);
    // The current language's styles again, after fonts or colours changed.
    void Restyle();
    void ApplyIndentSettings(const std::string& fileName);
    // The current language's lexer text ("" for none).
    std::string GetLexerName() const;
    int LexerId() const { return m_lexerId; }
    int BracesStyle() const { return m_bracesStyle; }
    int CharacterSet() const { return m_characterSet; }
    const std::string& ApiValue() const { return m_apiValue; }
    const TypingSettings& Typing() const { return m_typing; }

    // Folding (EditorViewFolding.cpp); levels carry SC_FOLDLEVELBASE.
    void ToggleFoldAtCaret();
    void FoldAll();
    void UnfoldAll();
    // Level 0 is the top level (SC_FOLDLEVELBASE): the menu items "&1" to "&8".
    void FoldLevel(int level, bool expand);
    void OnFoldChanged(int line, int newLevel, int previousLevel);
    void OnFoldMarginClick(sptr_t position, int modifiers);
    // Walks the lines below header line (left after them); level -1 reads
    // each line's own level. Returns the header's last child.
    int Expand(int& line, bool expand, bool force, int visibleLevels, int level);
    bool WatchesClipboard() const { return m_watchingClipboard; }

    void ShowLineNumbers(bool on);
    // Margin 0 holds the digits of the line count (at least 4); it is left
    // at 0 when hidden unless force.
    void UpdateLineNumberWidth(bool force);

    // Parts 0, 1 and 3 of the status bar, with the selection as it is now;
    // UpdateStatusBar sends them to the host.
    ViewStatusTexts StatusTexts() const;
    void UpdateStatusBar();

    int CaretLine() const;
    int LineLength(int line) const;
    std::pair<int, int> GetSelection() const;
    // Opens the folds over the lines from the position a to the position b.
    void EnsureLinesVisible(int a, int b);
    void GoToLine(int line);
    std::string GetTextRange(int start, int end) const;
    // line -1: the caret line. The line end is included.
    std::string GetLineText(int line) const;
    // The selection when it lies within one line and is shorter than size,
    // else the word at the caret when the selection is empty; false for none.
    bool GetSelectedOrWordText(char* buffer, size_t size) const;
    size_t CountWords() const;

    void ToggleBookmark(int line = -1);
    void NextBookmark();
    void PreviousBookmark();

    ViewState GetViewState() const;
    void SetViewState(const ViewState& state);

    // WM_GOTOLINE: 1-based line n becomes the third visible line.
    void OnGoToLine(int line);

    // The context menu for a point in client coordinates, with the caret
    // moved there when it lies outside the selection; not tracked.
    CContextMenu PrepareContextMenu(POINT client);

    // A component notification, from the reflected WM_NOTIFY or from a frame
    // that hands it on; notifications of other windows are ignored.
    bool OnNotify(const NMHDR* header);

    // Runs one command of the view's table; false when it is not the view's.
    bool OnCommand(WORD id);

    TW_BEGIN_MSG_MAP(CEditorView)
        TW_MESSAGE_HANDLER(WM_CONTEXTMENU, OnContextMenuMessage)
        TW_MESSAGE_HANDLER(WM_COMMAND, OnCommandMessage)
        TW_MESSAGE_HANDLER(WM_DRAWCLIPBOARD, OnDrawClipboard)
        TW_MESSAGE_HANDLER(WM_CHANGECBCHAIN, OnChangeCbChain)
        TW_MESSAGE_HANDLER(WM_GOTOLINE, OnGoToLineMessage)
        TW_MESSAGE_HANDLER(OCM__BASE + WM_NOTIFY, OnReflectedNotify)
        TW_MESSAGE_HANDLER(WM_DESTROY, OnDestroy)
    TW_END_MSG_MAP()

private:
    static LRESULT CALLBACK WindowProc(HWND, UINT, WPARAM, LPARAM);
    sptr_t SendObserved(unsigned int message, uptr_t wParam, sptr_t lParam) override;
    // What a history message that reached the component leaves to do.
    void AfterHistoryMessage(unsigned int message);
    static bool RegisterViewClass();

    void SetUp();
    void SetOption(uint32_t bit, bool on);
    CPropertySets& PropertyStore() const;
    LanguageDisplaySettings DisplaySettings() const;
    void ApplyStylesFor(const std::string& name);
    void ApplyStyle(int style, const CStyleSpec& spec);
    void ApplyDisplayProperties(const LanguageDisplaySettings& settings);
    void ReadTypingSettings(const std::string& fileName);
    void ShowAllLines();
    void ToggleOption(const DisplayOption& option);

    void MoveLine(bool up);
    void StripTrailingBlanks();
    void SwapWithClipboard();
    void SetClipboardWatch(bool on);
    void LeaveClipboardChain();
    void GoToLineDialog();
    void GoToSymbolDialog();

    LRESULT OnContextMenuMessage(UINT, WPARAM, LPARAM, bool& handled);
    LRESULT OnCommandMessage(UINT, WPARAM, LPARAM, bool& handled);
    LRESULT OnDrawClipboard(UINT, WPARAM, LPARAM, bool& handled);
    LRESULT OnChangeCbChain(UINT, WPARAM, LPARAM, bool& handled);
    LRESULT OnGoToLineMessage(UINT, WPARAM, LPARAM, bool& handled);
    LRESULT OnReflectedNotify(UINT, WPARAM, LPARAM, bool& handled);
    LRESULT OnDestroy(UINT, WPARAM, LPARAM, bool& handled);

    IViewHost& m_host;
    IViewHooks* m_hooks = nullptr;
    HWND m_window = nullptr;
    CEditingComponent m_component;
    CDocumentFile m_file;
    uint32_t m_options = 0;
    int m_languageIndex = 0;
    const ILanguageSource* m_languageSource = nullptr;
    int m_lexerId = 0;
    int m_bracesStyle = 0;
    int m_characterSet = 1;
    std::string m_apiValue;
    TypingSettings m_typing;
    int m_initialZoom = 0;
    bool m_watchingClipboard = false;
    bool m_skipNextClipboard = false;
    HWND m_nextViewer = nullptr;
    sptr_t m_document = 0;
    bool m_hearsNotifications = false;
};
