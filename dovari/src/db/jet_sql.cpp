#include "db/jet_sql.h"

#include "db/db_text.h"

#include <cwctype>
#include <vector>

namespace dovari::db {

namespace {

enum class TokenKind { Space, Word, Single, Double, Bracket, Backtick, Punct };

struct Token {
    TokenKind kind;
    size_t begin;
    size_t end;
};

bool IsWordChar(wchar_t c)
{
    return c == L'_' || c == L'$' || c >= 0x80 || std::iswalnum(c);
}

// The end of a quoted run opened at begin by quote (closer for brackets);
// a doubled closer inside stays inside. An unclosed run ends with the text.
size_t QuotedEnd(std::wstring_view text, size_t begin, wchar_t closer, bool doubling)
{
    size_t at = begin + 1;
    while (at < text.size()) {
        if (text[at] == closer) {
            if (doubling && at + 1 < text.size() && text[at + 1] == closer) {
                at += 2;
                continue;
            }
            return at + 1;
        }
        ++at;
    }
    return text.size();
}

std::vector<Token> Tokenize(std::wstring_view text)
{
    std::vector<Token> tokens;
    size_t at = 0;
    while (at < text.size()) {
        const wchar_t c = text[at];
        size_t end = at + 1;
        TokenKind kind = TokenKind::Punct;
        if (std::iswspace(c)) {
            kind = TokenKind::Space;
            while (end < text.size() && std::iswspace(text[end]))
                ++end;
        } else if (IsWordChar(c)) {
            kind = TokenKind::Word;
            while (end < text.size() && IsWordChar(text[end]))
                ++end;
        } else if (c == L'\'') {
            kind = TokenKind::Single;
            end = QuotedEnd(text, at, L'\'', true);
        } else if (c == L'"') {
            kind = TokenKind::Double;
            end = QuotedEnd(text, at, L'"', true);
        } else if (c == L'[') {
            kind = TokenKind::Bracket;
            end = QuotedEnd(text, at, L']', false);
        } else if (c == L'`') {
            kind = TokenKind::Backtick;
            end = QuotedEnd(text, at, L'`', true);
        }
        tokens.push_back({kind, at, end});
        at = end;
    }
    return tokens;
}

// The tokens without the blanks between them.
std::vector<Token> Solid(const std::vector<Token>& tokens)
{
    std::vector<Token> solid;
    for (const Token& t : tokens)
        if (t.kind != TokenKind::Space)
            solid.push_back(t);
    return solid;
}

std::wstring_view TextOf(std::wstring_view text, const Token& t)
{
    return text.substr(t.begin, t.end - t.begin);
}

bool IsWord(std::wstring_view text, const Token& t, std::wstring_view word)
{
    return t.kind == TokenKind::Word && SameIgnoringCase(TextOf(text, t), word);
}

bool IsPunct(std::wstring_view text, const Token& t, wchar_t c)
{
    return t.kind == TokenKind::Punct && text[t.begin] == c;
}

// A double-quoted Jet string as a single-quoted SQLite one.
void AppendAsSingleQuoted(std::wstring& out, std::wstring_view run)
{
    const bool closed = run.size() >= 2 && run.back() == L'"';
    const std::wstring_view inner = run.substr(1, run.size() - (closed ? 2 : 1));
    out += L'\'';
    for (size_t i = 0; i < inner.size(); ++i) {
        const wchar_t c = inner[i];
        if (c == L'"' && i + 1 < inner.size() && inner[i + 1] == L'"')
            ++i;
        if (c == L'\'')
            out += L'\'';
        out += c;
    }
    if (closed)
        out += L'\'';
}

std::wstring NameOf(std::wstring_view text, const Token& t)
{
    const std::wstring_view raw = TextOf(text, t);
    switch (t.kind) {
    case TokenKind::Word:
        return std::wstring(raw);
    case TokenKind::Bracket:
        return std::wstring(Unbracketed(raw));
    case TokenKind::Double:
    case TokenKind::Backtick: {
        if (raw.size() < 2 || raw.back() != raw.front())
            return {};
        std::wstring name;
        const std::wstring_view inner = raw.substr(1, raw.size() - 2);
        for (size_t i = 0; i < inner.size(); ++i) {
            name += inner[i];
            if (inner[i] == raw.front())
                ++i;
        }
        return name;
    }
    default:
        return {};
    }
}

} // namespace

std::wstring TranslateJetSql(std::wstring_view jet)
{
    const std::vector<Token> tokens = Tokenize(jet);
    std::wstring out;
    out.reserve(jet.size() + 16);
    for (size_t i = 0; i < tokens.size(); ++i) {
        const Token& t = tokens[i];
        if (t.kind == TokenKind::Double) {
            AppendAsSingleQuoted(out, TextOf(jet, t));
            continue;
        }
        out += TextOf(jet, t);
        if (IsWord(jet, t, L"delete")) {
            // delete [blank] * [blank] from: drop the star and what follows it.
            size_t star = i + 1;
            if (star < tokens.size() && tokens[star].kind == TokenKind::Space)
                ++star;
            size_t from = star + 1;
            if (from < tokens.size() && tokens[from].kind == TokenKind::Space)
                ++from;
            if (star < tokens.size() && IsPunct(jet, tokens[star], L'*') && from < tokens.size() &&
                IsWord(jet, tokens[from], L"from")) {
                out += L' ';
                i = from - 1;
            }
        }
    }
    return out;
}

SelectShape ShapeOfSelect(std::wstring_view sql)
{
    const std::vector<Token> tokens = Solid(Tokenize(sql));
    if (tokens.size() < 4 || !IsWord(sql, tokens[0], L"select"))
        return {};
    if (IsWord(sql, tokens[1], L"distinct") || IsWord(sql, tokens[1], L"all"))
        return {};
    size_t from = 1;
    while (from < tokens.size() && !IsWord(sql, tokens[from], L"from")) {
        if (IsPunct(sql, tokens[from], L'('))
            return {};
        ++from;
    }
    if (from == 1 || from + 1 >= tokens.size())
        return {};
    const Token& table = tokens[from + 1];
    std::wstring name = NameOf(sql, table);
    if (name.empty())
        return {};
    size_t next = from + 2;
    if (next < tokens.size() && !IsPunct(sql, tokens[next], L';') && !IsWord(sql, tokens[next], L"where") &&
        !IsWord(sql, tokens[next], L"order") && !IsWord(sql, tokens[next], L"limit"))
        return {};
    for (size_t i = next; i < tokens.size(); ++i)
        for (std::wstring_view word : {L"union", L"intersect", L"except", L"group", L"having", L"join"})
            if (IsWord(sql, tokens[i], word))
                return {};
    return {std::move(name), tokens[0].end};
}

std::wstring QuoteIdentifier(std::wstring_view name)
{
    std::wstring quoted = L"\"";
    for (wchar_t c : name) {
        if (c == L'"')
            quoted += L'"';
        quoted += c;
    }
    quoted += L'"';
    return quoted;
}

std::wstring_view Unbracketed(std::wstring_view name)
{
    if (name.size() >= 2 && name.front() == L'[' && name.back() == L']')
        return name.substr(1, name.size() - 2);
    return name;
}

} // namespace dovari::db
