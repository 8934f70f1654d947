#include "FillSymbols.h"

#include <string>

#include "DocumentFrame.h"
#include "ResourceText.h"

bool FillSymbols(const CDocumentFrame& document, TagSink& sink, const StatusReporter& status,
                 const CtagsProgram& program) {
    CEditorView* view = document.GetEditor();
    if (!view || document.IsUntitled()) return true;
    if (RunCtags(sink, ToWide(document.Path()), TagMask{}, view->GetLexerName(), program)) return true;
    if (status) status("Failure to parse.");
    return false;
}
