#include "ProfileImage.h"

#include <windows.h>

#include <cwctype>

namespace {

// ^Z, the old end-of-file mark, counts as white space too.
bool IsBlank(wchar_t c) { return std::iswspace(c) || c == 0x1a; }

std::wstring Trimmed(const std::wstring& text) {
    size_t from = 0, to = text.size();
    while (from < to && IsBlank(text[from])) ++from;
    while (to > from && IsBlank(text[to - 1])) --to;
    return text.substr(from, to - from);
}

bool SameName(const std::wstring& a, const std::wstring& b) {
    return ::CompareStringOrdinal(a.data(), (int)a.size(), b.data(), (int)b.size(), TRUE) == CSTR_EQUAL;
}

}  // namespace

CProfileImage::CProfileImage(const std::wstring& text) {
    size_t next = 0;
    while (next < text.size()) {
        // A line ends at '\n'; a text without one ends its lines at '\r'.
        size_t end = text.find(L'\n', next);
        if (end == std::wstring::npos) end = text.find(L'\r', next);
        end = end == std::wstring::npos ? text.size() : end + 1;
        const std::wstring line = Trimmed(text.substr(next, end - next));
        next = end;
        if (line.empty()) continue;
        if (line[0] == L'[') {
            const size_t close = line.rfind(L']');
            if (close != std::wstring::npos) {
                m_sections.push_back(Section{Trimmed(line.substr(1, close - 1)), {}});
                continue;
            }
        }
        Key key;
        const size_t equals = line.find(L'=');
        if (equals == std::wstring::npos) {
            key.name = line;
        } else {
            key.name = Trimmed(line.substr(0, equals));
            key.value = Trimmed(line.substr(equals + 1));
        }
        m_sections.back().keys.push_back(std::move(key));
    }
}

const CProfileImage::Section* CProfileImage::FindSection(const std::wstring& name) const {
    const std::wstring wanted = Trimmed(name);
    for (const Section& section : m_sections)
        if (SameName(section.name, wanted)) return &section;
    return nullptr;
}

CProfileImage::Section* CProfileImage::FindSection(const std::wstring& name) {
    return const_cast<Section*>(static_cast<const CProfileImage*>(this)->FindSection(name));
}

std::optional<std::wstring> CProfileImage::Value(const std::wstring& section, const std::wstring& key) const {
    const Section* found = FindSection(section);
    const std::wstring wanted = Trimmed(key);
    // An empty name names no key.
    if (!found || wanted.empty()) return std::nullopt;
    for (const Key& each : found->keys)
        if (SameName(each.name, wanted)) return each.value ? std::optional(Unquoted(*each.value)) : std::nullopt;
    return std::nullopt;
}

std::optional<std::wstring> CProfileImage::SectionLines(const std::wstring& section) const {
    // Here the name asked for is taken as it is, untrimmed.
    const Section* found = nullptr;
    for (const Section& each : m_sections)
        if (SameName(each.name, section)) {
            found = &each;
            break;
        }
    if (!found) return std::nullopt;
    std::wstring lines;
    for (const Key& key : found->keys) {
        // Comments are left out; their values are not quote-stripped.
        if (!key.name.empty() && key.name[0] == L';') continue;
        if (key.name.empty() && !key.value) continue;
        lines += key.name;
        if (key.value) lines += L"=" + *key.value;
        lines += L'\0';
    }
    return lines;
}

void CProfileImage::Set(const std::wstring& section, const std::wstring& key, const std::wstring& value) {
    Section* target = FindSection(section);
    if (!target) {
        m_sections.push_back(Section{Trimmed(section), {}});
        target = &m_sections.back();
    }
    // As it reads back from the file: a line holds no white space at its ends.
    const std::wstring name = Trimmed(key), text = Trimmed(value);
    for (Key& each : target->keys)
        if (SameName(each.name, name)) {
            each.value = text;
            return;
        }
    target->keys.push_back(Key{name, text});
}

std::wstring CProfileImage::TrimDefault(const std::wstring& text) {
    size_t to = text.size();
    while (to > 1 && text[to - 1] == L' ') --to;
    return text.substr(0, to);
}

std::wstring CProfileImage::Unquoted(const std::wstring& value) {
    if (value.size() >= 2 && (value[0] == L'"' || value[0] == L'\'') && value.back() == value[0])
        return value.substr(1, value.size() - 2);
    return value;
}
