#include "ViewExport.h"

#include <commdlg.h>

#include <cstring>

#include "ClipboardText.h"
#include "ComponentStyledText.h"
#include "EditorView.h"
#include "EncodingFileDialog.h"
#include "HtmlExporter.h"
#include "PdfExporter.h"
#include "PropertySets.h"
#include "ResourceText.h"
#include "RtfExporter.h"
#include "TexExporter.h"
#include "UiSeams.h"
#include "resource.h"

namespace {

struct FormatDialog {
    const char* filter;  // parts separated by NUL
    const char* extension;
};

FormatDialog DialogOf(ExportFormat format) {
    switch (format) {
    case ExportFormat::Html: return {"Web (*.html;*.htm)\0*.html;*.htm\0", "htm"};
    case ExportFormat::Rtf: return {"RTF (*.rtf)\0*.rtf\0", "rtf"};
    case ExportFormat::Pdf: return {"PDF (*.pdf)\0*.pdf\0", "pdf"};
    case ExportFormat::Tex: break;
    }
    return {"TeX (*.tex)\0*.tex\0", "tex"};
}

ExportDocument DocumentOf(const CEditorView& view, const StyledText& text, const CPropertySets& store,
                          const std::string& path) {
    return ExportDocument{text, store.Main(), view.GetLexerName(), view.GetEncoding(), path, ::GetACP()};
}

}  // namespace

bool AskExportPath(HWND owner, ExportFormat format, std::string& path) {
    const FormatDialog dialog = DialogOf(format);
    char name[MAX_PATH] = "";
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = dialog.filter;
    ofn.lpstrFile = name;
    ofn.nMaxFile = MAX_PATH;
    ofn.lpstrDefExt = dialog.extension;
    ofn.Flags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY;
    const FileDialogRunner runner = CurrentFileDialogRunner();
    if (!(runner ? runner(&ofn) : ::GetSaveFileNameA(&ofn))) return false;
    path = name;
    return true;
}

bool ExportView(CEditorView& view, const CPropertySets& store, ExportFormat format, const std::string& path) {
    view.Send(SCI_COLOURISE, 0, -1);
    const ComponentStyledText text(view.Component());
    const ExportDocument document = DocumentOf(view, text, store, path);
    // The article's fonts cannot set Chinese characters: as Save As to
    // ANSI does for what it would lose, say so and let the user choose.
    if (format == ExportFormat::Tex && HasChineseText(document) &&
        ShowMessage(view.Window(), FormatText(IDS_EXPORT_TEX_CHINESE, {path}), MB_YESNO | MB_ICONWARNING) != IDYES)
        return true;
    const ExportFileMode mode = format == ExportFormat::Pdf ? ExportFileMode::Binary : ExportFileMode::Text;
    return WriteExportFile(path, mode, [&](IByteSink& sink) {
        switch (format) {
        case ExportFormat::Html: return CHtmlExporter(document).Write(sink);
        case ExportFormat::Rtf: return CRtfExporter(document, 0, -1).Write(sink);
        case ExportFormat::Pdf: return CPdfExporter(document).Write(sink);
        case ExportFormat::Tex: break;
        }
        return CTexExporter(document).Write(sink);
    });
}

void ShowSaveError(HWND owner, const std::string& path) {
    ShowMessage(owner, FillText("Could not save file \"%s\".", {path}), MB_OK | MB_ICONWARNING, "ERROR");
}

bool CopyAsRtf(CEditorView& view, const CPropertySets& store) {
    view.Send(SCI_COLOURISE, 0, -1);
    const auto [start, end] = view.GetSelection();
    const ComponentStyledText text(view.Component());
    const ExportDocument document = DocumentOf(view, text, store, "");
    // The bytes a text-mode file would have held, without the file.
    StringSink bytes;
    CrLfSink textMode(bytes);
    CRtfExporter(document, static_cast<size_t>(start), end).Write(textMode);

    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes.bytes.size() + 1);
    if (!block) return false;
    if (void* data = ::GlobalLock(block)) {
        std::memcpy(data, bytes.bytes.data(), bytes.bytes.size());
        ::GlobalUnlock(block);
    }
    CClipboard clipboard(view.Window());
    if (!clipboard.IsOpen()) {
        ::GlobalFree(block);
        return false;
    }
    // The plain text too, so that a target without RTF still gets the selection.
    clipboard.WriteText(view.Component().CodePage(), view.GetTextRange(start, end));
    const UINT format = ::RegisterClipboardFormatA("Rich Text Format");
    if (!format || !::SetClipboardData(format, block)) {
        ::GlobalFree(block);
        return false;
    }
    return true;
}
