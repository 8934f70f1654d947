#include "FillSymbols.h"

#include <string>

#include "DocumentFrame.h"
#include "TextConversion.h"

bool FillSymbols(const CDocumentFrame& document, TagSink& sink, const StatusReporter& status,
                 const CtagsProgram& program) {
    CEditorView* view = document.GetEditor();
    if (!view || document.IsUntitled()) return true;
    if (RunCtags(sink, AnsiToWide(document.Path(), CP_ACP), TagMask{}, view->GetLexerName(), program)) return true;
    if (status) status("Failure to parse.");
    return false;
}
