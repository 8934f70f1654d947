#pragma once
// What the editor view does as the user types: autocompletion lists from
// the language's api files and from the document's words, call tips with
// the current parameter highlighted, closing of XML and HTML tags, kept and
// computed indentation, and the highlighted brace at the caret with its
// match. Plugged into a view through its hooks; hooks of another kind are
// passed on to next.
#include <string>
#include <vector>

#include "ApiWordList.h"
#include "ViewHooks.h"

struct TypingSettings;

class CTypingAids : public IViewHooks {
public:
    // languageFolder is where the names of "api." are taken from (no
    // trailing '\').
    explicit CTypingAids(std::string languageFolder, IViewHooks* next = nullptr);

    // ID_EDIT_CALLTIP to ID_EDIT_COMPLETE_WORD (call tip, api list, word
    // list), ID_SEARCH_MATCH_BRACE and ID_SEARCH_SELECT_BRACE (go to and
    // select to the matching brace).
    bool OnCommand(CEditorView& view, WORD id) override;
    void SetHighlighting(CEditorView& view, bool on) override;
    void OnCharAdded(CEditorView& view, int ch) override;
    void OnUpdateUI(CEditorView& view) override;
    void OnFoldChanged(CEditorView& view, const SCNotification& n) override;
    void OnFoldMarginClick(CEditorView& view, const SCNotification& n) override;

    // Reads the ';'-separated api files of value (relative to the language
    // folder) into the api list; names whose path does not fit MAX_PATH and
    // files that do not open are passed over.
    void LoadApiFiles(const std::string& value);
    const CApiWordList& ApiList() const { return m_api; }

    void StartCallTip(CEditorView& view);
    void StartAutoComplete(CEditorView& view);
    void StartAutoCompleteWord(CEditorView& view, bool onlyOneWord);
    void GoMatchingBrace(CEditorView& view, bool select);

private:
    enum class IndentState { None, KeywordStart, BlockStart, BlockEnd };

    // The api files of the view's language, read again when its value changed.
    void UpdateApi(const CEditorView& view);
    void ContinueCallTip(CEditorView& view);
    bool FillFunctionDefinition(CEditorView& view, sptr_t position);
    bool CloseXmlTag(CEditorView& view);
    void MaintainIndentation(CEditorView& view, int ch);
    void AutomaticIndentation(CEditorView& view, int ch);
    void SetLineIndentation(CEditorView& view, int line, int indent);
    int IndentOfBlock(CEditorView& view, int line);
    IndentState GetIndentState(CEditorView& view, int line);
    std::vector<std::string> GetLinePartsInStyle(CEditorView& view, int line, int style, size_t maxParts);
    void HighlightBraces(CEditorView& view);
    // The brace at (or before) the caret and its opposite, -1 for none;
    // true when the caret is inside the pair.
    bool FindMatchingBracePosition(CEditorView& view, sptr_t& brace, sptr_t& opposite);

    std::string m_languageFolder;
    IViewHooks* m_next;
    std::string m_loadedApi;
    CApiWordList m_api;
    int m_braceCount = 0;
    std::string m_callTipWord;
    size_t m_callTipWordStart = 0;  // byte offset in the caret line
    std::string m_definition;
    int m_definitionCount = 0;
    sptr_t m_lastCallTipPosition = 0;
    bool m_wordListShowing = false;
};
