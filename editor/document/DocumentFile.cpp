#include "DocumentFile.h"

#include "EncodingCodes.h"
#include "LoadingHold.h"
#include "OpenForRead.h"
#include "ReplacingFile.h"
#include "TextConversion.h"
#include "TextStreams.h"

class CComponentTextTarget : public ITextTarget {
public:
    CComponentTextTarget(CDocumentFile& file, size_t sizeHint) : m_file(file), m_sizeHint(sizeHint) {}
    void Begin(EncodingCode encoding, EolCode) override {
        m_file.m_encoding = encoding;
        m_file.SetCodePage(encoding != kEncodingAnsi);
        // Room for the whole text at once; growing block by block copies
        // the document over and over.
        if (m_sizeHint > 0) m_file.m_component.Send(SCI_ALLOCATE, m_sizeHint + 1);
    }
    void Append(const char* text, size_t length) override {
        if (length == 0) return;
        m_file.m_component.AddText(text, length);
        m_appended = true;
    }
    bool Appended() const { return m_appended; }

private:
    CDocumentFile& m_file;
    size_t m_sizeHint;
    bool m_appended = false;
};

void CDocumentFile::SetEncoding(EncodingCode code) {
    m_encoding = code;
    SetCodePage(code != kEncodingAnsi);
}

void CDocumentFile::SetCodePage(bool unicode) {
    m_component.SetCodePage(ComponentCodePage(unicode ? kEncodingUtf8 : kEncodingAnsi, m_ansiCodePage));
}

bool CDocumentFile::OpenFile(const char* path, EncodingCode code) {
    if (!LoadFile(path, code)) return false;
    m_component.Send(SCI_EMPTYUNDOBUFFER);
    return true;
}

bool CDocumentFile::LoadFile(const char* path, EncodingCode code) {
    UniqueHandle file = OpenForRead(path, nullptr, true);
    if (!file) return false;
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file.get(), &size) || size.QuadPart >= 0x40000000) size.QuadPart = 0;
    CFileByteSource source(file.get());
    return Load(source, code, static_cast<size_t>(size.QuadPart));
}

bool CDocumentFile::Load(IByteSource& source, EncodingCode code, size_t sizeHint) {
    const CEditingComponent& c = m_component;
    const EncodingCode oldEncoding = m_encoding;
    const int oldCodePage = c.CodePage();
    const bool hadText = c.Length() > 0;
    const bool wasModified = c.Send(SCI_GETMODIFY) != 0;
    // A read-only document refuses the new text.
    const bool readOnly = c.Send(SCI_GETREADONLY) != 0;
    if (readOnly) c.Send(SCI_SETREADONLY, 0);

    bool ok = false;
    {
        // Collected (unless there is nothing to go back to), so that a
        // failed read can be taken back.
        const CLoadingHold hold(c);
        c.Send(SCI_BEGINUNDOACTION);
        c.Send(SCI_CLEARALL);
        CComponentTextTarget target(*this, sizeHint);
        ReadSummary summary;
        ok = ReadText(source, code, target, &summary);
        c.Send(SCI_SETSEL, 0, 0);
        c.Send(SCI_ENDUNDOACTION);

        if (ok) {
            c.Send(SCI_SETEOLMODE, static_cast<uptr_t>(summary.eolMode));
            m_droppedOddByte = summary.droppedOddByte;
        } else {
            // Undo only what this load did, not the edit before it.
            if (hold.Uncollected()) c.Send(SCI_CLEARALL);
            else if (hadText || target.Appended()) c.Send(SCI_UNDO);
            m_encoding = oldEncoding;
            c.SetCodePage(oldCodePage);
        }
    }
    if (ok || !wasModified) c.Send(SCI_SETSAVEPOINT);
    if (readOnly) c.Send(SCI_SETREADONLY, 1);
    return ok;
}

bool CDocumentFile::Reload(const char* path) {
    const CEditingComponent& c = m_component;
    const sptr_t caret = c.Send(SCI_GETCURRENTPOS);
    const sptr_t firstLine = c.Send(SCI_DOCLINEFROMVISIBLE, static_cast<uptr_t>(c.Send(SCI_GETFIRSTVISIBLELINE)));
    if (!LoadFile(path, m_encoding)) return false;
    if (static_cast<sptr_t>(c.Length()) < caret) return true;

    c.Send(SCI_ENSUREVISIBLEENFORCEPOLICY, static_cast<uptr_t>(c.Send(SCI_LINEFROMPOSITION, caret)));
    c.Send(SCI_SETSEL, caret, caret);
    const sptr_t scroll = c.Send(SCI_VISIBLEFROMDOCLINE, firstLine) - c.Send(SCI_GETFIRSTVISIBLELINE);
    c.Send(SCI_LINESCROLL, 0, scroll);
    if (c.Window()) ::InvalidateRect(c.Window(), nullptr, TRUE);
    return true;
}

bool CDocumentFile::WriteRuns(std::initializer_list<TextRun> runs, EncodingCode code, const char* path) {
    CReplacingFile out;
    // The runs stay put until the file is written, so unless they go out
    // converted the file written in place takes them from where they lie
    // too, and the copy is not read back.
    const WrittenBytes bytes = WritesRunsAsTheyLie(code) ? WrittenBytes::kStayPut : WrittenBytes::kReused;
    if (!out.Open(path, bytes) || !WriteText(runs, code, out) || !out.Commit()) {
        m_saveError = out.LastError();
        return false;
    }
    m_saveError = 0;
    m_saveFlushMicroseconds = out.FlushMicroseconds();
    return true;
}

bool CDocumentFile::SaveFile(const char* path) {
    // The component's own text is written where it lies, without a copy.
    const HeldText held = m_component.Held();
    if (!WriteRuns({{held.before, held.beforeLength}, {held.after, held.afterLength}}, m_encoding, path)) return false;
    m_component.Send(SCI_SETSAVEPOINT);
    return true;
}

bool CDocumentFile::OnEncodingCommand(int command) {
    const std::optional<EncodingCode> code = EncodingForCommand(command);
    if (!code) return false;
    if (*code != m_encoding) SetEncoding(*code);
    return true;
}

bool CDocumentFile::OnConvertEols(int command) {
    const std::optional<EolCode> mode = EolModeForCommand(command);
    if (!mode) return false;
    m_component.Send(SCI_SETEOLMODE, static_cast<uptr_t>(*mode));
    m_component.Send(SCI_CONVERTEOLS, static_cast<uptr_t>(m_component.Send(SCI_GETEOLMODE)));
    return true;
}

void CDocumentFile::ToggleUseTabs() { m_component.Send(SCI_SETUSETABS, m_component.Send(SCI_GETUSETABS) ? 0 : 1); }

void CDocumentFile::ConvertEncoding(EncodingCode code, bool* lost) {
    if (lost) *lost = false;
    const bool fromAnsi = m_encoding == kEncodingAnsi && IsUnicodeEncoding(code);
    const bool toAnsi = IsUnicodeEncoding(m_encoding) && code == kEncodingAnsi;
    if (fromAnsi || toAnsi) {
        const CEditingComponent& c = m_component;
        const std::string text = c.GetText();
        const std::string converted =
            fromAnsi ? AnsiToUtf8(text, m_ansiCodePage, lost) : Utf8ToAnsi(text, m_ansiCodePage, lost);
        const sptr_t line = c.Send(SCI_LINEFROMPOSITION, static_cast<uptr_t>(c.Send(SCI_GETCURRENTPOS)));
        c.Send(SCI_BEGINUNDOACTION);
        c.ReplaceAll(converted);
        c.Send(SCI_ENDUNDOACTION);
        SetEncoding(code);
        const sptr_t position = c.Send(SCI_POSITIONFROMLINE, static_cast<uptr_t>(line));
        c.Send(SCI_SETSEL, static_cast<uptr_t>(position), position);
        return;
    }
    SetEncoding(code);
}
