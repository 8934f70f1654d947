#include "FillSymbols.h"

#include "DocumentFrame.h"
#include "ResourceText.h"

std::optional<SymbolRequest> SymbolRequestOf(const CDocumentFrame& document, const CtagsProgram& program) {
    CEditorView* view = document.GetEditor();
    if (!view || document.IsUntitled()) return std::nullopt;
    return SymbolRequest{ToWide(document.Path()), view->GetLexerName(), TagMask{}, program};
}

bool FillSymbols(const CDocumentFrame& document, TagSink& sink, const StatusReporter& status,
                 const CtagsProgram& program) {
    const std::optional<SymbolRequest> request = SymbolRequestOf(document, program);
    if (!request) return true;
    if (RunCtags(sink, request->path, request->mask, request->lexer, request->program)) return true;
    if (status) status(kParseFailure);
    return false;
}
