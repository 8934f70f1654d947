#include "EditingComponent.h"

#include <algorithm>

#include <scintilla/ILexer.h>

#include <lexilla/Lexilla.h>

#include "LexillaName.h"

void CEditingComponent::Attach(HWND window) {
    m_window = window;
    m_function = reinterpret_cast<SciFnDirect>(::SendMessageW(window, SCI_GETDIRECTFUNCTION, 0, 0));
    m_pointer = static_cast<sptr_t>(::SendMessageW(window, SCI_GETDIRECTPOINTER, 0, 0));
}

void CEditingComponent::GetTextRange(size_t start, size_t end, char* buffer) const {
    Sci_TextRangeFull range{};
    range.chrg.cpMin = static_cast<Sci_Position>(start);
    range.chrg.cpMax = static_cast<Sci_Position>(end);
    range.lpstrText = buffer;
    Send(SCI_GETTEXTRANGEFULL, 0, reinterpret_cast<sptr_t>(&range));
}

std::string CEditingComponent::GetText() const {
    const size_t length = Length();
    std::string text(length + 1, '\0');
    GetTextRange(0, length, text.data());
    text.resize(length);
    return text;
}

HeldText CEditingComponent::Held() const {
    const size_t length = Length();
    const size_t gap = std::min(length, static_cast<size_t>(Send(SCI_GETGAPPOSITION)));
    // A range that ends at the gap, or starts there, is handed out where it lies.
    const auto pointer = [this](size_t start, size_t count) {
        return count == 0 ? "" : reinterpret_cast<const char*>(Send(SCI_GETRANGEPOINTER, start, static_cast<sptr_t>(count)));
    };
    return {pointer(0, gap), gap, pointer(gap, length - gap), length - gap};
}

void CEditingComponent::ReplaceAll(const std::string& text) const {
    Send(SCI_TARGETWHOLEDOCUMENT);
    Send(SCI_REPLACETARGET, static_cast<uptr_t>(text.size()), reinterpret_cast<sptr_t>(text.data()));
}

void CEditingComponent::SetLexer(const std::string& lexer) const {
    // Scintilla 5 has no lexer languages by name: the lexer object is made
    // here and handed over; the component owns it from then on.
    const std::string name = LexillaNameFor(lexer);
    Scintilla::ILexer5* instance = name.empty() ? nullptr : CreateLexer(name.c_str());
    Send(SCI_SETILEXER, 0, reinterpret_cast<sptr_t>(instance));
}
