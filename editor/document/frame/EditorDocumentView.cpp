// The editor view inside a document frame, with what only a text document
// has: the search hooks and typing aids it passes commands through, its
// language, the help keyword and the session's view state and bookmarks.
#include <scintilla/Scintilla.h>

#include "AppSettings.h"
#include "DisplayOptions.h"
#include "DocumentView.h"
#include "EditorView.h"
#include "FindReplaceCommands.h"
#include "Globals.h"
#include "ProgramLanguageSource.h"
#include "SizeText.h"
#include "StatusBar.h"
#include "TypingAids.h"

namespace {

class CEditorDocumentView : public IDocumentView {
public:
    explicit CEditorDocumentView(IViewHost& host) : m_host(host) {}

    HWND Create(HWND parent, const RECT& rect) override {
        m_view = std::make_unique<CEditorView>(m_host, CurrentEditorMask());
        m_view->SetLanguageSource(&ProgramLanguageSource());
        const HWND window = m_view->Create(parent, rect, kDocumentViewStyle);
        if (!window) return nullptr;
        char languageFolder[MAX_PATH] = {};
        if (g_appSettings) g_appSettings->GetFolder(languageFolder, kFolderLanguage);
        m_typingAids = std::make_unique<CTypingAids>(languageFolder);
        m_searchHooks = std::make_unique<CSearchHooks>(*m_view, SharedSearchOptions(), m_typingAids.get());
        m_view->SetHooks(m_searchHooks.get());
        // The component's class has no extended style of its own to create with.
        ::SetWindowLongPtrA(window, GWL_EXSTYLE, ::GetWindowLongPtrA(window, GWL_EXSTYLE) | WS_EX_CLIENTEDGE);
        ::SetWindowPos(window, nullptr, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        return window;
    }

    bool Load(const char* path, EncodingCode openType) override { return m_view && m_view->OpenFile(path, openType); }
    bool Save(const char* path) override { return m_view && m_view->SaveFile(path); }

    SaveAsResult SaveAs(const char* path, EncodingCode encoding, EolCode lineEnd,
                        const std::function<bool()>& confirmLoss) override {
        if (!m_view) return SaveAsResult::kFailed;
        return m_view->File().SaveFileAs(path, encoding, lineEnd, confirmLoss);
    }

    bool Reload(const char* path) override { return m_view && m_view->Reload(path); }
    DWORD LastSaveError() const override { return m_view ? m_view->File().LastSaveError() : 0; }
    long long LastSaveFlushMicroseconds() const override {
        return m_view ? m_view->File().LastSaveFlushMicroseconds() : 0;
    }
    bool DroppedOddByte() const override { return m_view && m_view->File().DroppedOddByte(); }
    bool IsModified() const override { return m_view && m_view->Send(SCI_GETMODIFY) != 0; }

    void SetReadOnly(bool readOnly) override {
        if (m_view) m_view->Send(SCI_SETREADONLY, readOnly ? 1 : 0);
    }

    void Describe(FrameDocumentState& state) const override {
        if (!m_view) return;
        const CEditorView& view = *m_view;
        state.hasSelection = view.Send(SCI_GETSELECTIONEMPTY) == 0;
        state.canUndo = view.Send(SCI_CANUNDO) != 0;
        state.canRedo = view.Send(SCI_CANREDO) != 0;
        state.displayBits = EditorMaskFromViewOptions(view.Options());
        state.useTabs = view.Send(SCI_GETUSETABS) != 0;
        state.encoding = view.GetEncoding();
        state.lineEnds = ToEolCode(static_cast<int>(view.Send(SCI_GETEOLMODE)), kEolCrLf);
        state.overtype = view.Send(SCI_GETOVERTYPE) != 0;
        state.watchesClipboard = view.WatchesClipboard();
        state.language = view.LanguageIndex();
    }

    void FillStatusBar(HWND statusBar) const override {
        if (m_view) ShowViewStatusTexts(statusBar, m_view->StatusTexts());
    }

    void Restyle() override {
        if (m_view) m_view->Restyle();
    }

    bool IsText() const override { return true; }

    void CheckOptionButtons() const override {
        if (!m_view) return;
        m_host.CheckToolbarButton(ID_VIEW_WRAP, m_view->HasOption(kViewWrap));
        m_host.CheckToolbarButton(ID_VIEW_LINE_ENDS, m_view->HasOption(kViewLineEnds));
    }

    void SetLanguage(int index) override {
        if (m_view) m_view->SetLanguage(index);
    }

    int LanguageIndex() const override { return m_view ? m_view->LanguageIndex() : 0; }

    void PathChanged(const char* path) override {
        if (m_view) m_view->ApplyLanguageForFile(path);
    }

    std::string HelpKeyword() const override {
        char word[256] = {};
        if (!m_view || !m_view->GetSelectedOrWordText(word, sizeof(word))) return "";
        return word;
    }

    void DescribeSession(SessionEntry& entry) const override {
        if (!m_view) return;
        const ViewState view = m_view->GetViewState();
        entry.hasViewState = true;
        entry.firstVisibleLine = view.firstLine;
        entry.xOffset = view.xOffset;
        entry.startPos = view.selectionStart;
        entry.endPos = view.selectionEnd;
        entry.marks.clear();
        for (sptr_t line = m_view->Send(SCI_MARKERNEXT, 0, 1 << kBookmarkMarker); line >= 0;
             line = m_view->Send(SCI_MARKERNEXT, (uptr_t)line + 1, 1 << kBookmarkMarker))
            entry.marks.push_back((int)line);
    }

    void RestoreSession(const SessionEntry& entry) override {
        if (!m_view || !entry.hasViewState) return;
        for (int line : entry.marks) m_view->Send(SCI_MARKERADD, (uptr_t)line, kBookmarkMarker);
        m_view->SetViewState({entry.firstVisibleLine, entry.startPos, entry.endPos, entry.xOffset});
    }

    CEditorView* Editor() const override { return m_view.get(); }
    CViewSearch* Search() const override { return m_searchHooks ? &m_searchHooks->Search() : nullptr; }

private:
    IViewHost& m_host;
    // Declared before the view, so that the view never outlives its hooks.
    std::unique_ptr<CTypingAids> m_typingAids;  // after the search hooks, which pass on to it
    std::unique_ptr<CSearchHooks> m_searchHooks;
    std::unique_ptr<CEditorView> m_view;
};

}  // namespace

std::unique_ptr<IDocumentView> MakeEditorDocumentView(IViewHost& host) {
    return std::make_unique<CEditorDocumentView>(host);
}

void ShowViewStatusTexts(HWND statusBar, const ViewStatusTexts& texts) {
    char size[50];
    FormatByteSize(size, sizeof(size), texts.length);
    ::SetStatusText(statusBar, kStatusPosition, texts.position.c_str());
    ::SetStatusText(statusBar, kStatusSize, size);
    ::SetStatusText(statusBar, kStatusEncoding, texts.encoding.c_str());
    ::SetStatusText(statusBar, kStatusMode, texts.mode.c_str());
}
