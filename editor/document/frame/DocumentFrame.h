#pragma once
// CDocumentFrame: the MDI child window of one document. It owns the path,
// remembers the file's stamp, shows the document in its view (the text in a
// CEditorView or the bytes in a CHexView, both behind IDocumentView) and
// carries out the document commands: save, save as, reload, close with a save
// prompt, the read-only switches, path copy and the check whether the file
// changed on disk.
#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>

#include "AppMessages.h"
#include "DocumentView.h"
#include "EditorView.h"
#include "FileInfo.h"
#include "FindReplaceCommands.h"
#include "FrameDocument.h"
#include "HexHost.h"
#include "PathParts.h"
#include "TabbedMdiChild.h"
#include "ViewHost.h"
#include "Window.h"

class CDocumentFrame;
class CModifiedDocument;

// What the workspace panes hear of a document's life.
enum class DocumentEvent { Loaded, Saved, Activated, Destroyed };

// What the frame needs of the main frame; the main frame passes itself,
// tests a fake.
class IDocumentFrameOwner {
public:
    virtual ~IDocumentFrameOwner() = default;
    virtual HWND MainWindow() const = 0;
    virtual HWND Toolbar() const = 0;
    virtual HWND StatusBar() const = 0;
    // The menu is in a bar of the main window's rebar, not the window's own.
    virtual bool IsMenuBarVisible() const = 0;
    virtual void UpdateStatusBar() = 0;
    virtual void SetStatusMessage(const char* text) = 0;
    virtual void ShowPane(UINT id) = 0;
    virtual void AddToRecent(const char* path) = 0;
    virtual bool HandleEscape() = 0;
    // After a document window is gone.
    virtual void DocumentClosed() = 0;
    // Loaded and Saved for editor documents only; Destroyed before the object goes.
    virtual void DocumentChanged(CDocumentFrame&, DocumentEvent) {}
    // ID_TOOLS_LOCATE_FILE: the explorer pane shows the file.
    virtual void LocateFile(const char*) { ShowPane(ID_PANE_EXPLORER); }
    // The go-to-symbol dialog over owner: the chosen symbol's line, or -1.
    virtual int PromptSymbolLine(CDocumentFrame&, HWND) { return -1; }
    // The font (not owned) and background of a hex view: the chosen font
    // scheme's. Null keeps the output font on the window colour.
    virtual HFONT HexViewFont(COLORREF& background) const {
        (void)background;
        return nullptr;
    }
};

// When the last document has closed: the toolbar buttons that act on a
// document (each frame enables them as it is made) are disabled.
void DisableDocumentButtons(HWND toolbar);

// The save dialog's answer.
struct SaveAsChoice {
    std::string path;
    EolCode lineEnd = kEolDefault;            // keeps the document's own
    EncodingCode encoding = kEncodingDefault;  // keeps the document's own
};
// Shows the save dialog; false for Cancel.
using SaveAsPrompt = bool (*)(HWND owner, const char* initialName, SaveAsChoice& choice);
// Null restores the real dialog; answers the prompt it replaced.
SaveAsPrompt SetSaveAsPrompt(SaveAsPrompt prompt);

class CDocumentFrame : public IFrameDocument, public CMsgWindow, public IViewHost, public IHexHost {
public:
    static constexpr const char* kUntitled = "<new>";
    static constexpr const char* kWindowClass = "TarnwickDocumentFrame";

    // Null path: an untitled document.
    CDocumentFrame(IDocumentFrameOwner& owner, const char* path, bool binary);
    ~CDocumentFrame() override;

    // The MDI child in the client, attached to its GWLP_USERDATA; the object
    // deletes itself when its window goes. Null (and deleted) on failure.
    static CDocumentFrame* Create(IDocumentFrameOwner& owner, HWND mdiClient, const char* path, bool binary,
                                  bool maximized);
    static CDocumentFrame* FromWindow(HWND window);

    bool Load(const char* path, EncodingCode openType);
    // The system's error code of the last failed load or reload, 0 when unknown.
    DWORD LoadError() const { return m_loadError; }
    bool Save();
    bool SaveAs();
    // False when the reload failed; the document then stays as it was.
    bool Reload();
    bool QuerySave();
    // Microseconds the last save of this document spent in its flushes.
    long long LastSaveFlushMicroseconds() const { return m_view->LastSaveFlushMicroseconds(); }
    // True when the file changed on disk since it was loaded, saved or checked.
    bool CheckFile(bool quiet);
    bool IsModified() const;
    void SetDiskChanged(bool changed);
    bool IsUntitled() const { return m_path.empty() || m_path[0] == '<'; }
    bool IsBinary() const { return m_binary; }
    bool IsClosing() const { return m_closing; }
    bool IsViewReadOnly() const { return m_viewReadOnly; }
    bool IsFileReadOnly() const { return m_fileReadOnly; }
    const char* Path() const { return m_path.c_str(); }
    const char* Title() const { return m_path.c_str() + m_titleOffset; }
    std::string GetPathPart(PathPart kind) const { return ::GetPathPart(m_path.c_str(), kind); }
    void SetPath(const char* path);
    void UpdateTitle();
    // The editor view; null for a hex document.
    CEditorView* GetEditor() const { return m_view->Editor(); }
    // The editor view's search; null for a hex document.
    CViewSearch* GetSearch() const { return m_view->Search(); }
    // The Language menu's index for the editor; the current language again;
    // the current styles again. A hex view repaints.
    void SetLanguage(int index) { m_view->SetLanguage(index); }
    void ReapplyLanguage() { m_view->SetLanguage(m_view->LanguageIndex()); }
    void RestyleView() { m_view->Restyle(); }
    // The hex view; null for a text document.
    CHexView* GetHexView() const { return m_view->Hex(); }
    HWND ViewWindow() const { return m_viewWindow; }

    // IFrameDocument
    FrameDocumentState Describe() const override;
    void FillStatusBar(HWND statusBar) const override;
    std::string HelpKeyword() const override;
    void DescribeSession(SessionEntry& entry) const override;
    void RestoreSession(const SessionEntry& entry) override;

    // IViewHost and IHexHost
    void UpdateStatusBar(const ViewStatusTexts& texts) override;
    void SetStatusMessage(const char* text) override { m_owner.SetStatusMessage(text); }
    void SetTabState(DocumentTabState state) override;
    void EnableToolbarButton(int id, bool enable) override;
    void CheckToolbarButton(int id, bool check) override;
    bool IsMenuBarVisible() const override;
    bool IsToolbarVisible() const override;
    HWND MenuOwner() const override { return m_owner.MainWindow(); }
    int PromptLineNumber(HWND owner, int lineCount) override;
    int PromptSymbolLine(HWND owner) override;
    bool IsReadOnly() const override { return m_viewReadOnly; }
    void SetStatusText(const char* text) override;

    TW_BEGIN_MSG_MAP(CDocumentFrame)
        TW_MESSAGE_HANDLER(WM_CREATE, OnCreate)
        TW_MESSAGE_HANDLER(WM_CLOSE, OnClose)
        TW_NOTIFY_CODE_HANDLER(TBN_GETINFOTIPA, OnToolTipText)
        TW_COMMAND_ID_HANDLER(ID_FILE_CLOSE, OnCloseCommand)
        TW_COMMAND_ID_HANDLER(ID_FILE_SAVE, OnSaveCommand)
        TW_COMMAND_ID_HANDLER(ID_FILE_SAVE_AS, OnSaveAsCommand)
        TW_COMMAND_ID_HANDLER(ID_FILE_RELOAD, OnReloadCommand)
        TW_COMMAND_RANGE_HANDLER(ID_EDIT_COPY_FILENAME, ID_EDIT_COPY_PATH, OnCopyPathPart)
        TW_COMMAND_ID_HANDLER(ID_DOC_READONLY, OnToggleReadOnly)
        TW_COMMAND_ID_HANDLER(ID_DOC_CLEAR_READONLY, OnToggleFileReadOnly)
        TW_COMMAND_ID_HANDLER(ID_TOOLS_LOCATE_FILE, OnLocateFile)
        TW_COMMAND_ID_HANDLER(ID_TOOLS_OPEN_DEFAULT, OnOpenWithDefaultProgram)
        TW_MESSAGE_HANDLER(WM_COMMAND, OnOtherCommand)
        TW_MESSAGE_HANDLER(WM_MDIACTIVATE, OnMdiActivate)
        TW_MESSAGE_HANDLER(WM_FORWARDMSG, OnForwardMessage)
        TW_MESSAGE_HANDLER(WM_DOC_CHECKFILE, OnCheckFileMessage)
        TW_MESSAGE_HANDLER(WM_DOC_TABMENU, OnTabMenu)
        TW_MESSAGE_HANDLER(WM_DOC_SAVE, OnDocSave)
        TW_MESSAGE_HANDLER(WM_DOC_DESCRIBE, OnDocDescribe)
        TW_MESSAGE_HANDLER(WM_DOC_CLOSE, OnDocClose)
        TW_REFLECT_NOTIFICATIONS()
        TW_CHAIN_MSG_MAP_MEMBER(m_tabbedChild)
    TW_END_MSG_MAP()

protected:
    WindowClassInfo GetWindowClassInfo() const override;
    void OnFinalMessage(HWND) override;

private:
    LRESULT OnCreate(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnClose(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnToolTipText(int, NMHDR*, bool&);
    LRESULT OnCloseCommand(WORD, WORD, HWND, bool&);
    LRESULT OnSaveCommand(WORD, WORD, HWND, bool&);
    LRESULT OnSaveAsCommand(WORD, WORD, HWND, bool&);
    LRESULT OnReloadCommand(WORD, WORD, HWND, bool&);
    LRESULT OnCopyPathPart(WORD, WORD, HWND, bool&);
    LRESULT OnToggleReadOnly(WORD, WORD, HWND, bool&);
    LRESULT OnToggleFileReadOnly(WORD, WORD, HWND, bool&);
    LRESULT OnLocateFile(WORD, WORD, HWND, bool&);
    LRESULT OnOpenWithDefaultProgram(WORD, WORD, HWND, bool&);
    LRESULT OnOtherCommand(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnMdiActivate(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnForwardMessage(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnCheckFileMessage(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnTabMenu(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnDocSave(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnDocDescribe(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnDocClose(UINT, WPARAM, LPARAM, bool&);

    void ReportSaveFailure(const char* path);
    // The stamp and the state it is judged by, of the file now.
    void RememberFileState();
    // After a load: a copy left by an interrupted save is offered, and an
    // odd last byte of a UTF-16 file is reported.
    void OfferSaveCopy();
    void ReportDroppedByte();
    DocumentTabState CurrentTabState() const;
    void SendToClient(UINT message, LPARAM lParam) const;
    // Wrap and Line ends are enabled for a view that shows text.
    void EnableOptionButtons();

    IDocumentFrameOwner& m_owner;
    CTabbedMdiChild m_tabbedChild;
    // Made with the frame, its window at WM_CREATE; never null.
    const std::unique_ptr<IDocumentView> m_view;
    HWND m_viewWindow = nullptr;
    FileStamp m_stamp = kNoFileStamp;
    FileStampDetail m_fileState;  // m_stamp with the full-precision time and size
    bool m_diskChanged = false;
    bool m_closing = false;
    bool m_checking = false;  // a check's question is open
    // Whole, however long: a save never goes to a cut name.
    std::string m_path;
    size_t m_titleOffset = 0;  // the title text: the whole path or its file name
    const bool m_binary;
    bool m_viewReadOnly = false;
    bool m_fileReadOnly = false;
    DWORD m_loadError = 0;
};
