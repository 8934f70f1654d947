// The main frame's side of the template pane: the pane made at start over
// "template.mdb" in the program folder, and the active view and the buffer
// it inserts through.
#include <memory>
#include <string>

#include "AppSettings.h"
#include "DocumentFrame.h"
#include "DocumentMacros.h"
#include "Globals.h"
#include "MainFrame.h"
#include "PaneCreation.h"
#include "TemplatePane.h"

namespace {
constexpr char kTemplateDatabase[] = "\\template.mdb";
}  // namespace

class CTemplateParts : public ITemplateHost {
public:
    CTemplateParts(CMainFrame& frame, CAppSettings& settings) : m_frame(frame), m_settings(settings) {
        char folder[MAX_PATH] = {};
        settings.GetFolder(folder, kFolderData);
        m_pane = std::make_unique<CTemplatePane>(*this, settings, std::string(folder) + kTemplateDatabase);
    }

    // The second tab beside `beside`; without it the left side, position 1,
    // as the layout store expects it.
    bool CreatePane(HWND frame, HWND beside) {
        return CreateTabbedPane(*m_pane, frame, IDS_PANE_TEMPLATES, {kSideLeft, 1, 0.0f}, beside, 1);
    }
    CTemplatePane* Pane() const { return m_pane.get(); }

    CEditorView* ActiveEditorView() override {
        CDocumentFrame* document = CDocumentFrame::FromWindow(m_frame.GetActiveMdiChild());
        return document ? document->GetEditor() : nullptr;
    }
    PackBuf* TemplateBuffer() override { return m_frame.ToolBuffer(); }
    MacroSources TemplateMacroSources() override {
        CDocumentFrame* document = CDocumentFrame::FromWindow(m_frame.GetActiveMdiChild());
        return DocumentMacroSources(m_settings, document ? document->Path() : "");
    }

private:
    CMainFrame& m_frame;
    CAppSettings& m_settings;
    std::unique_ptr<CTemplatePane> m_pane;
};

void TemplatePartsDeleter::operator()(CTemplateParts* parts) const { delete parts; }

void CMainFrame::CreateTemplatePane() {
    if (!g_appSettings) return;
    m_templates.reset(new CTemplateParts(*this, *g_appSettings));
    CDockPaneBase* symbols = PaneOfCommand(ID_PANE_SYMBOLS);
    if (!m_templates->CreatePane(m_hWnd, symbols ? symbols->m_hWnd : nullptr)) return;
    m_paneOfCommand[ID_PANE_TEMPLATES - ID_PANE_EXPLORER] = m_templates->Pane();
}

CTemplatePane* CMainFrame::GetTemplatePane() const { return m_templates ? m_templates->Pane() : nullptr; }
