// Save As with a change of encoding or line ends: the text is converted
// apart from the document, and the document takes the conversion only once
// the file is written.
#include "DocumentFile.h"

#include <string>

#include "EncodingCodes.h"
#include "TextConversion.h"

CDocumentFile::SaveAsResult CDocumentFile::SaveFileAs(const char* path, EncodingCode code, EolCode lineEnd,
                                                      const std::function<bool()>& confirmLoss) {
    const EncodingCode newCode = code == kEncodingDefault ? m_encoding : code;
    const bool fromAnsi = m_encoding == kEncodingAnsi && IsUnicodeEncoding(newCode);
    const bool toAnsi = IsUnicodeEncoding(m_encoding) && newCode == kEncodingAnsi;
    const bool convertEols = lineEnd >= kEolCrLf && lineEnd <= kEolLf;

    if (!fromAnsi && !toAnsi && !convertEols) {
        // Only the code changes: the bytes are written as they stand.
        const EncodingCode oldCode = m_encoding;
        SetEncoding(newCode);
        if (SaveFile(path)) return SaveAsResult::kSaved;
        SetEncoding(oldCode);
        return SaveAsResult::kFailed;
    }

    std::string text = m_component.GetText();
    if (convertEols) text = ConvertLineEnds(text, lineEnd);
    if (fromAnsi || toAnsi) {
        bool lost = false;
        text = fromAnsi ? AnsiToUtf8(text, m_ansiCodePage, &lost) : Utf8ToAnsi(text, m_ansiCodePage, &lost);
        if (lost && toAnsi && confirmLoss && !confirmLoss()) return SaveAsResult::kCancelled;
    }
    if (!WriteRuns({{text.data(), text.size()}}, newCode, path)) return SaveAsResult::kFailed;

    // The file holds the new text: now the document takes it, as one undo
    // action, keeping the caret on its line.
    const CEditingComponent& c = m_component;
    const sptr_t line = c.Send(SCI_LINEFROMPOSITION, static_cast<uptr_t>(c.Send(SCI_GETCURRENTPOS)));
    // A read-only view would refuse the text the file now holds.
    const bool readOnly = c.Send(SCI_GETREADONLY) != 0;
    if (readOnly) c.Send(SCI_SETREADONLY, 0);
    c.Send(SCI_BEGINUNDOACTION);
    if (convertEols) c.Send(SCI_SETEOLMODE, static_cast<uptr_t>(lineEnd));
    if (fromAnsi || toAnsi) {
        c.ReplaceAll(text);
    } else {
        c.Send(SCI_CONVERTEOLS, static_cast<uptr_t>(lineEnd));
    }
    c.Send(SCI_ENDUNDOACTION);
    if (readOnly) c.Send(SCI_SETREADONLY, 1);
    SetEncoding(newCode);
    if (fromAnsi || toAnsi) {
        const sptr_t position = c.Send(SCI_POSITIONFROMLINE, static_cast<uptr_t>(line));
        c.Send(SCI_SETSEL, static_cast<uptr_t>(position), position);
    }
    c.Send(SCI_SETSAVEPOINT);
    // Undo would bring back bytes of the old encoding into a document that
    // now holds the new one: the history ends with the conversion.
    if (fromAnsi || toAnsi) c.Send(SCI_EMPTYUNDOBUFFER);
    return SaveAsResult::kSaved;
}
