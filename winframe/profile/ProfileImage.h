#pragma once
// An ini file's sections and keys held in memory, parsed as the platform's
// profile functions parse the file: lines and section names trimmed of
// white space, a section name up to its last ']', names compared without
// case, the first section and the first key of a name winning, and a
// value's enclosing quotes dropped when one is read. Pure: the text is
// handed in already as UTF-16.
#include <optional>
#include <string>
#include <vector>

class CProfileImage {
public:
    CProfileImage() = default;
    explicit CProfileImage(const std::wstring& text);

    // A key's value as GetPrivateProfileString gives it; nothing when the
    // section, the key or its '=' is missing.
    std::optional<std::wstring> Value(const std::wstring& section, const std::wstring& key) const;
    // The section's "name=value" lines, each with its NUL, as
    // GetPrivateProfileSection gives them (without the final NUL); nothing
    // when there is no such section. Unlike a value's, the section's name is
    // matched untrimmed, as the platform does.
    std::optional<std::wstring> SectionLines(const std::wstring& section) const;

    // The platform's write of a value: the key of the first such section set,
    // or added at its end, or a new section added at the end of the file.
    void Set(const std::wstring& section, const std::wstring& key, const std::wstring& value);

    // The same rules for the platform's defaults and names: ' ' dropped from
    // the end of a default, white space from both ends of a name.
    static std::wstring TrimDefault(const std::wstring& text);
    static std::wstring Unquoted(const std::wstring& value);

private:
    struct Key {
        std::wstring name;
        std::optional<std::wstring> value;  // none for a line without '='
    };
    struct Section {
        std::wstring name;
        std::vector<Key> keys;
    };
    const Section* FindSection(const std::wstring& name) const;
    Section* FindSection(const std::wstring& name);

    // The first, nameless section holds the keys before any section line.
    std::vector<Section> m_sections{Section{}};
};
