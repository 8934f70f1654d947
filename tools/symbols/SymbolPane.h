#pragma once
// CSymbolPane: the dockable pane that shows the active document's symbols,
// one CSymbolTree per open document, refilled from ctags after each save.
// Selecting a symbol moves the active editor view to its line.
#include <windows.h>
#include <commctrl.h>

#include <map>
#include <memory>

#include "CtagsRunner.h"
#include "DockPane.h"
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
    // The context menu's state as it would be shown; the caller destroys it.
    HMENU BuildContextMenu() const;

    TW_BEGIN_MSG_MAP(CSymbolPane)
        TW_MESSAGE_HANDLER(WM_CREATE, OnCreate)
        TW_MESSAGE_HANDLER(WM_SIZE, OnSize)
        TW_MESSAGE_HANDLER(WM_PAINT, OnPaint)
        TW_MESSAGE_HANDLER(WM_GETMINMAXINFO, OnGetMinMaxInfo)
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

    void Fill(CDocumentFrame* document, CSymbolTree& tree);
    void Refill(CDocumentFrame* document, CSymbolTree& tree);
    CDocumentFrame* DocumentOf(const CSymbolTree* tree) const;
    void FitCurrent();

    ISymbolPaneHost& m_host;
    CtagsProgram m_program;
    std::map<CDocumentFrame*, std::unique_ptr<CSymbolTree>> m_trees;
    CSymbolTree* m_current = nullptr;
    bool m_busy = false;
    UniqueIcon m_icon;
};
