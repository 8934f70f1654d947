// The hex view inside a document frame: a binary file's bytes, with no text
// options and no language.
#include "DocumentFrame.h"
#include "DocumentView.h"
#include "Globals.h"
#include "HexView.h"

namespace {

class CHexDocumentView : public IDocumentView {
public:
    CHexDocumentView(IHexHost& host, const IDocumentFrameOwner& owner) : m_host(host), m_owner(owner) {}

    HWND Create(HWND parent, const RECT& rect) override {
        m_view = std::make_unique<CHexView>(m_host);
        COLORREF background = ::GetSysColor(COLOR_WINDOW);
        HFONT font = m_owner.HexViewFont(background);
        if (!font) {
            font = g_outputFont;
            background = ::GetSysColor(COLOR_WINDOW);
        }
        if (font) m_view->SetStyle(font, background);
        return m_view->Create(parent, &rect, nullptr, kDocumentViewStyle, WS_EX_CLIENTEDGE);
    }

    bool Load(const char* path, EncodingCode) override { return m_view && m_view->OpenFile(path); }
    bool Save(const char* path) override { return m_view && m_view->Save(path); }

    SaveAsResult SaveAs(const char* path, EncodingCode, EolCode, const std::function<bool()>&) override {
        return Save(path) ? SaveAsResult::kSaved : SaveAsResult::kFailed;
    }

    bool Reload(const char*) override { return m_view && m_view->Reload(); }
    bool IsModified() const override { return m_view && m_view->IsModified(); }
    // The hex view asks its host (IHexHost::IsReadOnly) before each edit.
    void SetReadOnly(bool) override {}

    void Describe(FrameDocumentState& state) const override {
        if (!m_view) return;
        state.kind = DocumentKind::Hex;
        state.canUndo = m_view->CanUndo();
        state.fileSize = m_view->FileSize();
    }

    void FillStatusBar(HWND) const override {
        if (m_view) m_view->UpdateStatusText();
    }

    void Restyle() override {
        if (m_view && m_view->IsWindow()) ::InvalidateRect(*m_view, nullptr, TRUE);
    }

    CHexView* Hex() const override { return m_view.get(); }

private:
    IHexHost& m_host;
    const IDocumentFrameOwner& m_owner;
    std::unique_ptr<CHexView> m_view;
};

}  // namespace

std::unique_ptr<IDocumentView> MakeHexDocumentView(IHexHost& host, const IDocumentFrameOwner& owner) {
    return std::make_unique<CHexDocumentView>(host, owner);
}
