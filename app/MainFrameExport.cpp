// The main frame's part of the exports (commands ID_FILE_EXPORT_HTML to
// ID_FILE_EXPORT_TEX), copy as RTF and the file statistics: each acts on
// the active document's editor view.
#include "DocumentFrame.h"
#include "FileStatisticsDialog.h"
#include "Globals.h"
#include "MainFrame.h"
#include "PropertySets.h"
#include "ViewExport.h"

namespace {

// Null unless the window is a document frame holding an editor view; other
// documents get the command as any command the frame does not handle.
CDocumentFrame* ActiveEditorDocument(HWND mdiChild) {
    char name[64] = {};
    if (!mdiChild || !::GetClassNameA(mdiChild, name, sizeof name) || lstrcmpA(name, CDocumentFrame::kWindowClass) != 0)
        return nullptr;
    CDocumentFrame* document = CDocumentFrame::FromWindow(mdiChild);
    return document && document->GetEditor() ? document : nullptr;
}

}  // namespace

LRESULT CMainFrame::OnExport(WORD, WORD id, HWND, bool& handled) {
    CDocumentFrame* document = ActiveEditorDocument(GetActiveMdiChild());
    if (!document || !g_propertySets) {
        handled = false;
        return 0;
    }
    static const ExportFormat kFormats[] = {ExportFormat::Html, ExportFormat::Rtf, ExportFormat::Pdf, ExportFormat::Tex};
    const ExportFormat format = kFormats[id - ID_FILE_EXPORT_HTML];
    CEditorView& view = *document->GetEditor();
    std::string path;
    if (!AskExportPath(view.Window(), format, path)) return 0;
    const HCURSOR previous = ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT));
    const bool written = ExportView(view, *g_propertySets, format, path);
    ::SetCursor(previous);
    if (!written) ShowSaveError(m_hWnd, path);
    return 0;
}

LRESULT CMainFrame::OnCopyAsRtf(WORD, WORD, HWND, bool& handled) {
    if (CDocumentFrame* document = ActiveEditorDocument(GetActiveMdiChild()); document && g_propertySets)
        CopyAsRtf(*document->GetEditor(), *g_propertySets);
    else
        handled = false;
    return 0;
}

LRESULT CMainFrame::OnFileStatistics(WORD, WORD, HWND, bool& handled) {
    if (CDocumentFrame* document = ActiveEditorDocument(GetActiveMdiChild()))
        CFileStatisticsDialog::Show(::GetActiveWindow(), *document->GetEditor(), document->Path());
    else
        handled = false;
    return 0;
}
