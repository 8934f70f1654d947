#pragma once
// CSymbolPane: the dockable pane that shows the active document's symbols,
// one CSymbolTree per open document, refilled from ctags after each save.
// Selecting a symbol moves the active editor view to its line. Ctags runs
// on a worker thread; its tree is filled when it answers, and only the
// latest request of a document still open fills one.
#include <windows.h>
#include <commctrl.h>

#include <map>
#include <memory>

#include "CtagsRunner.h"
#include "DockPane.h"
#include "SymbolJobs.h"
#include "SymbolTree.h"
#include "UniqueHandle.h"
#include "resource.h"

class CDocumentFrame;

// What the pane asks of the main frame.
class ISymbolPaneHost {
public:
    virtual ~ISymbolPaneHost() = default;
    virtual CDocumentFrame* ActiveDocument() = 0;
    virtual void SetStatusMessage(const char* text) = 0;
    // While the start-up session is restored, new trees stay hidden.
    virtual bool IsRestoringSession() const = 0;
};

class CSymbolPane : public CDockPaneImpl<CSymbolPane> {
public:
    static constexpr const char* kClassName = "CSymbolPane";

    explicit CSymbolPane(ISymbolPaneHost& host, CtagsProgram program = {});
    ~CSymbolPane() override;

    void AddDocument(CDocumentFrame* document);
    // A document without a tree yet (an untitled one saved for the first time) gets one.
    void RefreshDocument(CDocumentFrame* document);
    void ShowDocument(CDocumentFrame* document);
    void RemoveDocument(CDocumentFrame* document);
    void RemoveAllDocuments();

    // Every tree in new colours, repainted.
    void Recolour(COLORREF text, COLORREF back);
    // Which ctags the pane runs from now on.
    void SetCtagsProgram(CtagsProgram program) { m_program = std::move(program); }
    CSymbolTree* TreeOf(CDocumentFrame* document) const;
    CSymbolTree* CurrentTree() const { return m_current; }
    // True while the document's tree waits for ctags to answer.
    bool IsParsing(CDocumentFrame* document) const { return m_pending.count(document) != 0; }
    // True while some ctags run, one stopped included, may still hold its file open.
    bool RunsCtags() const { return m_jobs.RunningCount() != 0; }
    // The context menu's state as it would be shown; the caller destroys it.
    HMENU BuildContextMenu() const;

    TW_BEGIN_MSG_MAP(CSymbolPane)
        TW_MESSAGE_HANDLER(WM_CREATE, OnCreate)
        TW_MESSAGE_HANDLER(WM_SIZE, OnSize)
        TW_MESSAGE_HANDLER(WM_PAINT, OnPaint)
        TW_MESSAGE_HANDLER(WM_GETMINMAXINFO, OnGetMinMaxInfo)
        TW_MESSAGE_HANDLER(kParsedMessage, OnParsed)
        TW_NOTIFY_CODE_HANDLER(NM_RCLICK, OnRightClick)
        TW_NOTIFY_CODE_HANDLER(TVN_SELCHANGEDA, OnSelChanged)
        TW_NOTIFY_CODE_HANDLER(TVN_SELCHANGEDW, OnSelChanged)
        TW_COMMAND_ID_HANDLER(ID_SEARCH_GOTO_SYMBOL, OnGoToSymbol)
        TW_COMMAND_RANGE_HANDLER(ID_SYMBOL_COLLAPSE_ALL, ID_SYMBOL_EXPAND_ALL, OnExpandCollapse)
        TW_COMMAND_RANGE_HANDLER(ID_SYMBOL_SORT_TYPE, ID_SYMBOL_SORT_LINE, OnSort)
        TW_MESSAGE_HANDLER(WM_DESTROY, OnDestroy)
        TW_CHAIN_MSG_MAP(CDockPaneImpl<CSymbolPane>)
    TW_END_MSG_MAP()

private:
    // A worker's run has ended; wParam: its request's id.
    static constexpr UINT kParsedMessage = WM_APP + 1;
    // A document's run on its way, and how its tree takes the answer.
    struct Pending {
        unsigned id = 0;
        bool refill = false;  // false: the first fill, which expands everything
    };

    LRESULT OnCreate(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnSize(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnPaint(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnGetMinMaxInfo(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnRightClick(int, NMHDR*, bool&);
    LRESULT OnSelChanged(int, NMHDR*, bool&);
    LRESULT OnGoToSymbol(WORD, WORD, HWND, bool&);
    LRESULT OnExpandCollapse(WORD, WORD, HWND, bool&);
    LRESULT OnSort(WORD, WORD, HWND, bool&);
    LRESULT OnDestroy(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnParsed(UINT, WPARAM, LPARAM, bool&);

    // Starts ctags over the document's file, in place of a run still on its way.
    void Request(CDocumentFrame* document, bool refill);
    // The document's run on its way, if any, is stopped and its answer dropped.
    void Forget(CDocumentFrame* document);
    void FillTree(CSymbolTree& tree, const RecordingTagSink& tags, bool refill);
    CDocumentFrame* DocumentOf(const CSymbolTree* tree) const;
    void FitCurrent();

    ISymbolPaneHost& m_host;
    CtagsProgram m_program;
    std::map<CDocumentFrame*, std::unique_ptr<CSymbolTree>> m_trees;
    CSymbolTree* m_current = nullptr;
    bool m_busy = false;
    UniqueIcon m_icon;
    std::map<CDocumentFrame*, Pending> m_pending;
    // Its workers are joined when the pane goes.
    CSymbolJobs m_jobs{kParsedMessage};
};
