#include "TypingAids.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <memory>

#include <SciLexer.h>

#include "CommandProbe.h"
#include "EditorView.h"
#include "resource.h"

namespace {

// Only characters below 0x80 are looked for in the character sets: the
// component reports whole code points, and a CJK character whose low byte
// is '(' must not act as one.
bool IsIn(const std::string& set, int ch) {
    return ch > 0 && ch < 0x80 && set.find(static_cast<char>(ch)) != std::string::npos;
}
bool IsIn(const std::string& set, char c) { return IsIn(set, static_cast<int>(static_cast<unsigned char>(c))); }

bool IsBlank(char c) { return c == ' ' || (c >= 9 && c <= 13); }
bool IsTagNameChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           std::strchr(":_-.", c) != nullptr;
}
bool IsBraceChar(char c) { return c != 0 && std::strchr("()[]{}", c) != nullptr; }

constexpr int kPythonOperatorStyle = 10;
constexpr size_t kMaxLineParts = 20;
constexpr int kXmlLookBack = 511;

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

// Of each run of equal neighbours in a blank-separated list, one stays.
std::string DropAdjacentDuplicates(const std::string& words) {
    std::string out;
    std::string previous;
    size_t start = 0;
    while (start <= words.size()) {
        size_t end = words.find(' ', start);
        if (end == std::string::npos) end = words.size();
        const std::string word = words.substr(start, end - start);
        if (out.empty() || word != previous) {
            if (!out.empty()) out += ' ';
            out += word;
            previous = word;
        }
        start = end + 1;
    }
    return out;
}

sptr_t Caret(const CEditorView& view) { return view.Send(SCI_GETCURRENTPOS); }
int LineOf(const CEditorView& view, sptr_t position) {
    return static_cast<int>(view.Send(SCI_LINEFROMPOSITION, static_cast<uptr_t>(position)));
}
sptr_t LineStart(const CEditorView& view, int line) { return view.Send(SCI_POSITIONFROMLINE, static_cast<uptr_t>(line)); }
int Indentation(const CEditorView& view, int line) {
    return static_cast<int>(view.Send(SCI_GETLINEINDENTATION, static_cast<uptr_t>(line)));
}
char CharAt(const CEditorView& view, sptr_t position) {
    return static_cast<char>(view.Send(SCI_GETCHARAT, static_cast<uptr_t>(position)));
}

// The caret line from its start up to the caret, for the walks that look
// for ASCII characters: in a double-byte code page every byte of a
// double-byte character reads as 0xFF, since a trail byte can look like a
// letter or a brace. Positions stay those of the text.
std::string LineToCaret(const CEditorView& view) {
    const sptr_t caret = Caret(view);
    std::string line = view.GetTextRange(static_cast<int>(LineStart(view, LineOf(view, caret))), static_cast<int>(caret));
    const UINT codePage = static_cast<UINT>(view.Send(SCI_GETCODEPAGE));
    if (codePage == 0 || codePage == SC_CP_UTF8) return line;
    for (size_t i = 0; i < line.size(); ++i) {
        if (::IsDBCSLeadByteEx(codePage, static_cast<BYTE>(line[i])) && i + 1 < line.size()) {
            line[i] = line[i + 1] = '\xFF';
            ++i;
        }
    }
    return line;
}

bool OnlyBlanks(const CEditorView& view, sptr_t start, sptr_t end) {
    for (sptr_t p = start; p < end; ++p) {
        const char c = CharAt(view, p);
        if (c != ' ' && c != '\t') return false;
    }
    return true;
}

// A style-word value whose words are one character: that character.
int SingleCharacter(const std::string& words) {
    return words.size() == 1 ? static_cast<unsigned char>(words[0]) : -1;
}

}  // namespace

CTypingAids::CTypingAids(std::string languageFolder, IViewHooks* next)
    : m_languageFolder(std::move(languageFolder)), m_next(next) {}

// ---- hooks ---------------------------------------------------------------------

bool CTypingAids::OnCommand(CEditorView& view, WORD id) {
    switch (id) {
    case ID_EDIT_CALLTIP:
        if (CCommandProbe::Run()) StartCallTip(view);
        return true;
    case ID_EDIT_AUTOCOMPLETE:
        if (CCommandProbe::Run()) {
            m_wordListShowing = false;
            StartAutoComplete(view);
        }
        return true;
    case ID_EDIT_COMPLETE_WORD:
        if (CCommandProbe::Run()) {
            m_wordListShowing = false;
            StartAutoCompleteWord(view, false);
        }
        return true;
    case ID_SEARCH_MATCH_BRACE:
        if (CCommandProbe::Run()) GoMatchingBrace(view, false);
        return true;
    case ID_SEARCH_SELECT_BRACE:
        if (CCommandProbe::Run()) GoMatchingBrace(view, true);
        return true;
    default:
        return m_next && m_next->OnCommand(view, id);
    }
}

void CTypingAids::SetHighlighting(CEditorView& view, bool on) {
    if (m_next) m_next->SetHighlighting(view, on);
}
void CTypingAids::OnFoldChanged(CEditorView& view, const SCNotification& n) {
    if (m_next) m_next->OnFoldChanged(view, n);
}
void CTypingAids::OnFoldMarginClick(CEditorView& view, const SCNotification& n) {
    if (m_next) m_next->OnFoldMarginClick(view, n);
}

void CTypingAids::OnUpdateUI(CEditorView& view) {
    HighlightBraces(view);
    if (m_next) m_next->OnUpdateUI(view);
}

void CTypingAids::OnCharAdded(CEditorView& view, int ch) {
    if (m_next) m_next->OnCharAdded(view, ch);
    const sptr_t caret = Caret(view);
    if (view.Send(SCI_GETSELECTIONSTART) != view.Send(SCI_GETSELECTIONEND) || caret <= 0) return;
    UpdateApi(view);
    const TypingSettings& typing = view.Typing();
    const CallTipSettings& tip = typing.callTip;

    if (view.Send(SCI_CALLTIPACTIVE)) {
        if (IsIn(tip.parametersEnd, ch)) {
            if (--m_braceCount > 0)
                StartCallTip(view);
            else
                view.Send(SCI_CALLTIPCANCEL);
        } else if (IsIn(tip.parametersStart, ch)) {
            ++m_braceCount;
            StartCallTip(view);
        } else {
            ContinueCallTip(view);
        }
        return;
    }
    if (view.Send(SCI_AUTOCACTIVE)) {
        if (IsIn(tip.parametersStart, ch)) {
            ++m_braceCount;
            StartCallTip(view);
        } else if (IsIn(tip.parametersEnd, ch)) {
            --m_braceCount;
        } else if (IsIn(typing.wordCharacters, ch)) {
            if (m_wordListShowing) StartAutoCompleteWord(view, true);
        } else {
            view.Send(SCI_AUTOCCANCEL);
            if (IsIn(typing.autoComplete.startCharacters, ch)) StartAutoComplete(view);
        }
        return;
    }
    const int lexer = view.LexerId();
    if (ch == '>' && typing.closeXmlTags && (lexer == SCLEX_HTML || lexer == SCLEX_XML)) {
        CloseXmlTag(view);
        return;
    }
    if (IsIn(tip.parametersStart, ch)) {
        m_braceCount = 1;
        StartCallTip(view);
        return;
    }
    m_wordListShowing = false;
    if (typing.indentMaintain)
        MaintainIndentation(view, ch);
    else if (typing.indentAutomatic)
        AutomaticIndentation(view, ch);
    if (IsIn(typing.autoComplete.startCharacters, ch)) {
        StartAutoComplete(view);
    } else if (typing.autoCompleteWords && IsIn(typing.wordCharacters, ch)) {
        StartAutoCompleteWord(view, true);
        m_wordListShowing = view.Send(SCI_AUTOCACTIVE) != 0;
    }
}

// ---- api files -----------------------------------------------------------------

void CTypingAids::UpdateApi(const CEditorView& view) {
    if (view.ApiValue() != m_loadedApi) LoadApiFiles(view.ApiValue());
}

void CTypingAids::LoadApiFiles(const std::string& value) {
    m_loadedApi = value;
    m_api.Clear();
    std::string text;
    size_t start = 0;
    while (start < value.size()) {
        size_t end = value.find(';', start);
        if (end == std::string::npos) end = value.size();
        const std::string name = value.substr(start, end - start);
        start = end + 1;
        if (name.empty()) continue;
        const std::string path = m_languageFolder + "\\" + name;
        if (path.size() >= MAX_PATH) continue;
        std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
        if (!file) continue;
        // Read to its end, whatever its size is now: the text grows with it.
        char block[16384];
        size_t got = 0;
        while ((got = std::fread(block, 1, sizeof(block), file.get())) > 0) text.append(block, got);
        // The next file's first line is not joined to this one's last.
        if (!text.empty() && text.back() != '\n' && text.back() != '\r') text += '\n';
    }
    if (!text.empty()) m_api.Set(text);
}

// ---- autocompletion ------------------------------------------------------------

void CTypingAids::StartAutoComplete(CEditorView& view) {
    UpdateApi(view);
    const TypingSettings& typing = view.Typing();
    const std::string line = LineToCaret(view);
    const std::string rootChars = typing.callTip.wordCharacters + typing.autoComplete.startCharacters;
    size_t rootStart = line.size();
    while (rootStart > 0 && IsIn(rootChars, line[rootStart - 1])) --rootStart;
    if (m_api.Empty()) return;
    const std::string root = line.substr(rootStart);
    std::optional<std::string> words;
    for (char separator : typing.callTip.parametersStart) {
        words = m_api.NearestWords(root, typing.autoComplete.ignoreCase, separator, false);
        if (words) break;
    }
    if (!words) return;
    const std::string list = DropAdjacentDuplicates(*words);
    view.Send(SCI_AUTOCSHOW, root.size(), reinterpret_cast<sptr_t>(list.c_str()));
}

void CTypingAids::StartAutoCompleteWord(CEditorView& view, bool onlyOneWord) {
    const TypingSettings& typing = view.Typing();
    const std::string line = LineToCaret(view);
    size_t rootStart = line.size();
    while (rootStart > 0 && IsIn(typing.wordCharacters, line[rootStart - 1])) --rootStart;
    const std::string root = line.substr(rootStart);
    if (root.empty() || root.find_first_not_of("0123456789") == std::string::npos) return;

    const sptr_t caret = Caret(view);
    const sptr_t rootPosition = caret - static_cast<sptr_t>(root.size());
    const bool ignoreCase = typing.autoComplete.ignoreCase;
    const int flags = SCFIND_WORDSTART | (ignoreCase ? 0 : SCFIND_MATCHCASE);
    Sci_TextToFindFull find{};
    find.chrg.cpMin = 0;
    find.chrg.cpMax = view.Send(SCI_GETLENGTH);
    find.lpstrText = root.c_str();
    std::vector<std::string> words;
    size_t longest = 0;
    for (;;) {
        const sptr_t found = view.Send(SCI_FINDTEXTFULL, static_cast<uptr_t>(flags), reinterpret_cast<sptr_t>(&find));
        if (found < 0) break;
        find.chrg.cpMin = found + static_cast<sptr_t>(root.size());
        if (found == rootPosition) continue;
        const sptr_t end = view.Send(SCI_WORDENDPOSITION, static_cast<uptr_t>(found), 1);
        if (end - found <= static_cast<sptr_t>(root.size())) continue;
        const std::string word = view.GetTextRange(static_cast<int>(found), static_cast<int>(end));
        if (std::find(words.begin(), words.end(), word) != words.end()) continue;
        // With only one word, a second one means the user must go on typing.
        if (onlyOneWord && !words.empty()) return;
        words.push_back(word);
        longest = std::max(longest, word.size());
    }
    if (words.empty() || (onlyOneWord && longest <= root.size())) {
        view.Send(SCI_AUTOCCANCEL);
        return;
    }
    std::sort(words.begin(), words.end(), [ignoreCase](const std::string& a, const std::string& b) {
        if (!ignoreCase) return a < b;
        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
            return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
        });
    });
    std::string sorted;
    for (const std::string& word : words) sorted += (sorted.empty() ? "" : " ") + word;
    view.Send(SCI_AUTOCSHOW, root.size(), reinterpret_cast<sptr_t>(sorted.c_str()));
}

// ---- call tips -----------------------------------------------------------------

void CTypingAids::StartCallTip(CEditorView& view) {
    UpdateApi(view);
    const CallTipSettings& tip = view.Typing().callTip;
    m_callTipWord.clear();
    m_definition.clear();
    const std::string line = LineToCaret(view);
    size_t pos = line.size();
    for (;;) {
        int nesting = 0;
        while (pos > 0 && !(IsIn(tip.parametersStart, line[pos - 1]) && nesting == 0)) {
            if (IsIn(tip.parametersStart, line[pos - 1]))
                --nesting;
            else if (IsIn(tip.parametersEnd, line[pos - 1]))
                ++nesting;
            --pos;
        }
        if (pos == 0) return;
        --pos;  // at the parameter start character
        while (pos > 0 && IsBlank(line[pos - 1])) --pos;
        if (pos == 0) return;
        if (IsIn(tip.wordCharacters, line[pos - 1])) break;
    }
    size_t wordStart = pos;
    while (wordStart > 0 && IsIn(tip.wordCharacters, line[wordStart - 1])) --wordStart;
    m_callTipWord = line.substr(wordStart, pos - wordStart);
    m_callTipWordStart = wordStart;
    m_lastCallTipPosition = LineStart(view, view.CaretLine()) + static_cast<sptr_t>(pos);
    if (!FillFunctionDefinition(view, m_lastCallTipPosition)) return;
    view.Send(SCI_CALLTIPSHOW, static_cast<uptr_t>(m_lastCallTipPosition - static_cast<sptr_t>(m_callTipWord.size())),
              reinterpret_cast<sptr_t>(m_definition.c_str()));
    ContinueCallTip(view);
}

bool CTypingAids::FillFunctionDefinition(CEditorView& view, sptr_t position) {
    const CallTipSettings& tip = view.Typing().callTip;
    if (position > 0) m_lastCallTipPosition = position;
    if (m_api.Empty()) return false;
    std::optional<std::string> words;
    for (char separator : tip.parametersStart) {
        words = m_api.NearestWords(m_callTipWord, tip.ignoreCase, separator, true);
        if (words) break;
    }
    if (!words) return false;
    m_definitionCount = 1 + static_cast<int>(std::count(words->begin(), words->end(), ' '));
    const std::optional<std::string> definition = m_api.NearestWord(m_callTipWord, tip.ignoreCase, tip.wordCharacters);
    if (!definition) return false;
    m_definition = *definition;
    const bool several = m_definitionCount > 1;
    if (several) m_definition = "\001" + m_definition;
    if (!tip.endDefinition.empty()) {
        const size_t at = m_definition.find(tip.endDefinition, 2);
        const size_t after = at == std::string::npos ? at : at + tip.endDefinition.size();
        if (at != std::string::npos && after < m_definition.size())
            m_definition = m_definition.substr(0, after) + (several ? "\n\002" : "\n") + m_definition.substr(after);
        else if (several)
            m_definition += "\n\002";
    } else if (several) {
        m_definition = m_definition.substr(0, 1) + "\002" + m_definition.substr(1);
    }
    return true;
}

void CTypingAids::ContinueCallTip(CEditorView& view) {
    const CallTipSettings& tip = view.Typing().callTip;
    const std::string line = LineToCaret(view);
    int nesting = 0;
    int parameter = 0;
    for (size_t i = m_callTipWordStart; i < line.size(); ++i) {
        const char c = line[i];
        if (IsIn(tip.parametersStart, c))
            ++nesting;
        else if (IsIn(tip.parametersEnd, c) && nesting > 0)
            --nesting;
        else if (nesting == 1 && IsIn(tip.parametersSeparators, c))
            ++parameter;
    }
    const std::string& def = m_definition;
    size_t start = 0;
    while (start < def.size() && !IsIn(tip.parametersStart, def[start])) ++start;
    if (start < def.size()) ++start;
    while (parameter > 0 && start < def.size()) {
        if (IsIn(tip.parametersSeparators, def[start])) {
            --parameter;
        } else if (IsIn(tip.parametersEnd, def[start])) {
            parameter = 0;
            break;
        }
        ++start;
    }
    if (start < def.size() && IsIn(tip.parametersSeparators, def[start])) ++start;
    size_t end = start;
    while (end < def.size() && !IsIn(tip.parametersSeparators, def[end]) && !IsIn(tip.parametersEnd, def[end])) ++end;
    view.Send(SCI_CALLTIPSETHLT, start, static_cast<sptr_t>(end));
}

// ---- tags ----------------------------------------------------------------------

bool CTypingAids::CloseXmlTag(CEditorView& view) {
    const sptr_t caret = Caret(view);
    const sptr_t from = std::max<sptr_t>(0, caret - kXmlLookBack);
    const std::string text = view.GetTextRange(static_cast<int>(from), static_cast<int>(caret));
    if (text.size() < 3 || text[text.size() - 2] == '/') return false;
    size_t open = text.size() - 1;
    while (open > 0 && text[open - 1] != '<' && text[open - 1] != '>') --open;
    if (open == 0 || text[open - 1] != '<') return false;
    size_t nameEnd = open;
    while (nameEnd < text.size() - 1 && IsTagNameChar(text[nameEnd])) ++nameEnd;
    if (nameEnd == open) return false;
    const std::string closing = "</" + text.substr(open, nameEnd - open) + ">";
    view.Send(SCI_BEGINUNDOACTION);
    view.Send(SCI_REPLACESEL, 0, reinterpret_cast<sptr_t>(closing.c_str()));
    view.Send(SCI_SETSEL, static_cast<uptr_t>(caret), caret);
    view.Send(SCI_ENDUNDOACTION);
    return true;
}

// ---- indentation ---------------------------------------------------------------

void CTypingAids::SetLineIndentation(CEditorView& view, int line, int indent) {
    if (indent < 0) return;
    sptr_t anchor = view.Send(SCI_GETANCHOR);
    sptr_t caret = Caret(view);
    const sptr_t before = view.Send(SCI_GETLINEINDENTPOSITION, static_cast<uptr_t>(line));
    view.Send(SCI_SETLINEINDENTATION, static_cast<uptr_t>(line), indent);
    const sptr_t after = view.Send(SCI_GETLINEINDENTPOSITION, static_cast<uptr_t>(line));
    const sptr_t change = after - before;
    for (sptr_t* end : {&anchor, &caret}) {
        if (*end >= before)
            *end += change;
        else if (change < 0 && *end >= after)
            *end = after;
    }
    view.Send(SCI_SETSEL, static_cast<uptr_t>(anchor), caret);
}

void CTypingAids::MaintainIndentation(CEditorView& view, int ch) {
    const int eolMode = static_cast<int>(view.Send(SCI_GETEOLMODE));
    if (ch != (eolMode == SC_EOL_CR ? '\r' : '\n')) return;
    const int line = view.CaretLine();
    int previous = line - 1;
    if (view.Typing().indentAutomatic) {
        while (previous >= 0 &&
               view.Send(SCI_GETLINEENDPOSITION, static_cast<uptr_t>(previous)) == LineStart(view, previous))
            --previous;
    }
    const int indent = previous >= 0 ? Indentation(view, previous) : 0;
    if (indent > 0) SetLineIndentation(view, line, indent);
}

std::vector<std::string> CTypingAids::GetLinePartsInStyle(CEditorView& view, int line, int style, size_t maxParts) {
    std::vector<std::string> parts;
    const sptr_t start = LineStart(view, line);
    sptr_t end = LineStart(view, line + 1);
    if (end < start) end = view.Send(SCI_GETLENGTH);
    std::string current;
    for (sptr_t p = start; p < end && parts.size() < maxParts; ++p) {
        if (view.Send(SCI_GETSTYLEINDEXAT, static_cast<uptr_t>(p)) == style) {
            current += CharAt(view, p);
        } else if (!current.empty()) {
            parts.push_back(current);
            current.clear();
        }
    }
    if (!current.empty() && parts.size() < maxParts) parts.push_back(current);
    return parts;
}

CTypingAids::IndentState CTypingAids::GetIndentState(CEditorView& view, int line) {
    const TypingSettings& typing = view.Typing();
    IndentState state = IndentState::None;
    for (const std::string& word : GetLinePartsInStyle(view, line, typing.statementIndent.style, kMaxLineParts))
        if (StyleWordListContains(typing.statementIndent.words, word)) state = IndentState::KeywordStart;
    for (const std::string& word : GetLinePartsInStyle(view, line, typing.statementEnd.style, kMaxLineParts))
        if (StyleWordListContains(typing.statementEnd.words, word)) state = IndentState::None;
    // The block-start words are looked for among the words in the
    // block-end style.
    for (const std::string& word : GetLinePartsInStyle(view, line, typing.blockEnd.style, kMaxLineParts)) {
        if (StyleWordListContains(typing.blockEnd.words, word)) state = IndentState::BlockEnd;
        if (StyleWordListContains(typing.blockStart.words, word)) state = IndentState::BlockStart;
    }
    return state;
}

int CTypingAids::IndentOfBlock(CEditorView& view, int line) {
    if (line < 0) return 0;
    const TypingSettings& typing = view.Typing();
    const int indentSize = static_cast<int>(view.Send(SCI_GETINDENT));
    int indent = Indentation(view, line);
    if (typing.statementIndent.words.empty() && typing.blockStart.words.empty() && typing.blockEnd.words.empty())
        return indent;
    const int lowest = std::max(line - typing.statementLookback, 0);
    for (int back = line; back >= lowest; --back) {
        const IndentState state = GetIndentState(view, back);
        if (state == IndentState::None) continue;
        indent = Indentation(view, back);
        if (state == IndentState::BlockStart && !typing.indentOpening) indent += indentSize;
        if (state == IndentState::BlockEnd && typing.indentClosing) indent = std::max(indent - indentSize, 0);
        if (state == IndentState::KeywordStart && back == line) indent += indentSize;
        break;
    }
    return indent;
}

void CTypingAids::AutomaticIndentation(CEditorView& view, int ch) {
    const TypingSettings& typing = view.Typing();
    const sptr_t selectionStart = view.Send(SCI_GETSELECTIONSTART);
    const int line = LineOf(view, Caret(view));
    const sptr_t lineStart = LineStart(view, line);
    const int indentSize = static_cast<int>(view.Send(SCI_GETINDENT));
    int blockIndent = IndentOfBlock(view, line - 1);
    if (SingleCharacter(typing.blockEnd.words) == ch) {
        if (!typing.indentClosing && OnlyBlanks(view, lineStart, selectionStart - 1))
            SetLineIndentation(view, line, blockIndent - indentSize);
    } else if (SingleCharacter(typing.blockStart.words) == ch) {
        if (!typing.indentOpening && GetIndentState(view, line - 1) == IndentState::KeywordStart &&
            OnlyBlanks(view, lineStart, selectionStart - 1))
            SetLineIndentation(view, line, blockIndent - indentSize);
    } else if ((ch == '\r' || ch == '\n') && selectionStart == lineStart) {
        if (!typing.indentClosing && SingleCharacter(typing.blockEnd.words) < 0) {
            const std::vector<std::string> first = GetLinePartsInStyle(view, line - 1, typing.blockEnd.style, 1);
            if (!first.empty() && StyleWordListContains(typing.blockEnd.words, first[0])) {
                SetLineIndentation(view, line - 1, IndentOfBlock(view, line - 2) - indentSize);
                blockIndent = IndentOfBlock(view, line - 1);
            }
        }
        SetLineIndentation(view, line, blockIndent);
    }
}

// ---- braces --------------------------------------------------------------------

void CTypingAids::HighlightBraces(CEditorView& view) {
    const sptr_t caret = Caret(view);
    sptr_t brace = -1;
    // The byte before the caret counts only when it is a character of its
    // own: a double-byte character's trail byte can look like '}'.
    if (caret > 0 && view.Send(SCI_POSITIONBEFORE, static_cast<uptr_t>(caret)) == caret - 1 &&
        IsBraceChar(CharAt(view, caret - 1)))
        brace = caret - 1;
    else if (IsBraceChar(CharAt(view, caret)))
        brace = caret;
    if (brace < 0) {
        view.Send(SCI_BRACEHIGHLIGHT, static_cast<uptr_t>(-1), -1);
        view.Send(SCI_SETHIGHLIGHTGUIDE, 0);
        return;
    }
    const sptr_t match = view.Send(SCI_BRACEMATCH, static_cast<uptr_t>(brace), 0);
    if (match < 0) {
        view.Send(SCI_BRACEBADLIGHT, static_cast<uptr_t>(brace));
        view.Send(SCI_SETHIGHLIGHTGUIDE, 0);
        return;
    }
    view.Send(SCI_BRACEHIGHLIGHT, static_cast<uptr_t>(brace), match);
    view.Send(SCI_SETHIGHLIGHTGUIDE, static_cast<uptr_t>(view.Send(SCI_GETCOLUMN, static_cast<uptr_t>(std::min(brace, match)))));
}

bool CTypingAids::FindMatchingBracePosition(CEditorView& view, sptr_t& brace, sptr_t& opposite) {
    brace = -1;
    opposite = -1;
    const sptr_t caret = Caret(view);
    const sptr_t length = view.Send(SCI_GETLENGTH);
    if (length <= 0) return false;
    const int bracesStyle = view.BracesStyle();
    const bool python = view.LexerId() == SCLEX_PYTHON;
    bool colon = false;
    // The whole style byte is compared: the component has no style mask any more.
    const auto take = [&](sptr_t at) {
        const char c = CharAt(view, at);
        const int style = static_cast<int>(view.Send(SCI_GETSTYLEINDEXAT, static_cast<uptr_t>(at)));
        if (IsBraceChar(c) && (style == bracesStyle || bracesStyle == 0)) {
            brace = at;
        } else if (python && c == ':' && style == kPythonOperatorStyle) {
            brace = at;
            colon = true;
        }
    };
    if (caret > 0 && view.Send(SCI_POSITIONBEFORE, static_cast<uptr_t>(caret)) == caret - 1) take(caret - 1);
    const bool beforeCaret = brace >= 0;
    if (brace < 0 && caret < length && view.Send(SCI_POSITIONAFTER, static_cast<uptr_t>(caret)) == caret + 1) take(caret);
    if (brace < 0) return false;
    if (colon) {
        const sptr_t last = view.Send(SCI_GETLASTCHILD, static_cast<uptr_t>(LineOf(view, brace)), -1);
        opposite = view.Send(SCI_GETLINEENDPOSITION, static_cast<uptr_t>(last));
    } else {
        opposite = view.Send(SCI_BRACEMATCH, static_cast<uptr_t>(brace), 0);
    }
    return opposite > brace ? beforeCaret : !beforeCaret;
}

void CTypingAids::GoMatchingBrace(CEditorView& view, bool select) {
    sptr_t brace = -1;
    sptr_t opposite = -1;
    const bool inside = FindMatchingBracePosition(view, brace, opposite);
    if (opposite < 0) return;
    // Into caret positions: inside the pair the earlier moves past its
    // brace, outside the later one does.
    sptr_t& earlier = brace < opposite ? brace : opposite;
    sptr_t& later = brace < opposite ? opposite : brace;
    if (inside)
        ++earlier;
    else
        ++later;
    view.EnsureLinesVisible(static_cast<int>(brace), static_cast<int>(opposite));
    if (select)
        view.Send(SCI_SETSEL, static_cast<uptr_t>(brace), opposite);
    else
        view.Send(SCI_SETSEL, static_cast<uptr_t>(opposite), opposite);
}
