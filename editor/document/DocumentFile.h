#pragma once
// The file side of one editor view: the document's encoding code, and
// loading and saving its text through the editing component.
#include <windows.h>

#include <functional>

#include "ByteStreams.h"
#include "EditingComponent.h"
#include "EncodingCodes.h"
#include "TextStreams.h"

class CDocumentFile {
public:
    explicit CDocumentFile(CEditingComponent& component, unsigned ansiCodePage = ::GetACP())
        : m_component(component), m_ansiCodePage(ansiCodePage) {}

    EncodingCode GetEncoding() const { return m_encoding; }
    // The code and the component's code page change; the bytes do not.
    void SetEncoding(EncodingCode code);
    // 65001, or the ANSI page when the component can hold it (else 0).
    void SetCodePage(bool unicode);

    // LoadFile, then the undo history is emptied. The caller applies the
    // language for the file name.
    bool OpenFile(const char* path, EncodingCode code);
    // Replaces the text with the file's, as one undo step, and sets the
    // save point. kEncodingDefault detects the encoding. On failure (unreadable file,
    // read error) the text, encoding and code page are as before.
    bool LoadFile(const char* path, EncodingCode code);
    // sizeHint: the file size, when known.
    bool Load(IByteSource& source, EncodingCode code, size_t sizeHint = 0);
    // LoadFile in the current encoding, keeping caret and scroll position.
    bool Reload(const char* path);
    // Writes the text in the current encoding beside path and replaces path
    // with it; the save point is set only when that all worked.
    bool SaveFile(const char* path);
    DWORD LastSaveError() const { return m_saveError; }
    // Microseconds the last save or Save As that wrote a file spent waiting
    // for its flushes (CReplacingFile::FlushMicroseconds).
    long long LastSaveFlushMicroseconds() const { return m_saveFlushMicroseconds; }
    // The last load dropped the odd last byte of a UTF-16 file.
    bool DroppedOddByte() const { return m_droppedOddByte; }

    // ID_DOC_ENC_ANSI to ID_DOC_ENC_UTF8_NOBOM: the text's bytes are taken in the new encoding.
    bool OnEncodingCommand(int command);
    // ID_DOC_EOL_CRLF to ID_DOC_EOL_CR: the mode for new lines, and existing lines converted.
    bool OnConvertEols(int command);
    // ID_DOC_USE_TABS.
    void ToggleUseTabs();
    // Save As with a new encoding code (kEncodingDefault keeps it) and
    // line ends (kEolDefault keeps them). The converted text is written first; only a written file
    // changes the document (its text, code and save point), so a failed or
    // cancelled save leaves it exactly as it was. confirmLoss is asked when
    // characters have no form in the ANSI page; false cancels the save.
    enum class SaveAsResult { kSaved, kCancelled, kFailed };
    SaveAsResult SaveFileAs(const char* path, EncodingCode code, EolCode lineEnd, const std::function<bool()>& confirmLoss);

    // For Save As: between code 0 and codes 1-4 the text is converted (one
    // undo action) and *lost tells whether characters had no ANSI form;
    // otherwise only the code changes.
    void ConvertEncoding(EncodingCode code, bool* lost = nullptr);

private:
    friend class CComponentTextTarget;

    // Writes the runs in code to path through CReplacingFile; keeps why it
    // failed, or how long its flushes took.
    bool WriteRuns(std::initializer_list<TextRun> runs, EncodingCode code, const char* path);

    CEditingComponent& m_component;
    unsigned m_ansiCodePage;
    EncodingCode m_encoding = kEncodingAnsi;
    bool m_droppedOddByte = false;
    DWORD m_saveError = 0;
    long long m_saveFlushMicroseconds = 0;
};
