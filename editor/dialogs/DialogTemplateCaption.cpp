#include "DialogTemplateCaption.h"

#include "DbcsText.h"

namespace {

// Walks the 16-bit words of a template.
class WordReader {
public:
    WordReader(const void* data, size_t size) : m_words((const WORD*)data), m_count(size / sizeof(WORD)) {}
    bool Skip(size_t words) {
        if (m_at + words > m_count) return Fail();
        m_at += words;
        return true;
    }
    bool Read(WORD& word) {
        if (m_at >= m_count) return Fail();
        word = m_words[m_at++];
        return true;
    }
    // A menu or class field: 0 (none), 0xFFFF and an ordinal, or a string.
    bool SkipNameOrOrdinal() {
        WORD first = 0;
        if (!Read(first)) return false;
        if (first == 0) return true;
        if (first == 0xFFFF) return Skip(1);
        return SkipString();
    }
    bool SkipString() {
        WORD word = 0;
        do {
            if (!Read(word)) return false;
        } while (word != 0);
        return true;
    }
    bool ReadString(std::wstring& text) {
        WORD word = 0;
        while (Read(word)) {
            if (word == 0) return true;
            text.push_back((wchar_t)word);
        }
        return false;
    }
    bool Failed() const { return m_failed; }

private:
    bool Fail() {
        m_failed = true;
        return false;
    }
    const WORD* m_words;
    size_t m_count;
    size_t m_at = 0;
    bool m_failed = false;
};

}  // namespace

std::wstring DialogTemplateCaption(const void* data, size_t size) {
    if (!data) return std::wstring();
    WordReader reader(data, size);
    WORD version = 0, signature = 0;
    if (!reader.Read(version) || !reader.Read(signature)) return std::wstring();
    const bool extended = version == 1 && signature == 0xFFFF;
    // Extended: version, signature, help id, ex-style, style, count, x, y, cx, cy.
    // Classic: style, ex-style, count, x, y, cx, cy.
    if (!reader.Skip(extended ? 11 : 7)) return std::wstring();
    std::wstring caption;
    if (!reader.SkipNameOrOrdinal() || !reader.SkipNameOrOrdinal() || !reader.ReadString(caption))
        return std::wstring();
    return caption;
}

std::string DialogResourceCaption(HINSTANCE instance, int id, size_t maxBytes) {
    HRSRC found = ::FindResourceA(instance, MAKEINTRESOURCEA(id), (LPCSTR)RT_DIALOG);
    HGLOBAL loaded = found ? ::LoadResource(instance, found) : nullptr;
    const void* data = loaded ? ::LockResource(loaded) : nullptr;
    if (!data || maxBytes == 0) return std::string();
    const std::wstring caption = DialogTemplateCaption(data, ::SizeofResource(instance, found));
    if (caption.empty()) return std::string();
    const int length = ::WideCharToMultiByte(CP_ACP, 0, caption.c_str(), (int)caption.size(), nullptr, 0, nullptr, nullptr);
    std::string text(length > 0 ? length : 0, '\0');
    if (length > 0)
        ::WideCharToMultiByte(CP_ACP, 0, caption.c_str(), (int)caption.size(), text.data(), length, nullptr, nullptr);
    text.resize(FitCharacters(text.c_str(), maxBytes - 1));
    return text;
}
