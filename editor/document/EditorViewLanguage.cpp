// Applying a language to the view: lexer, keyword sets, styles,
// indentation, margins, fold markers and the other display properties, all
// read from the property store.
#include <cstdlib>

#include "AppSettings.h"
#include "EditorView.h"
#include "FoldSymbols.h"
#include "HexColour.h"
#include "LanguageTable.h"
#include "PathParts.h"
#include "PropertySets.h"
#include "StyleSpec.h"

namespace {

// Passed to the lexer as they stand (no expansion), in this order.
const char* const kLexerProperties[] = {
    "asp.default.language",
    "fold",
    "fold.at.else",
    "fold.comment",
    "fold.comment.yaml",
    "fold.compact",
    "fold.directive",
    "fold.html",
    "fold.html.preprocessor",
    "fold.perl.package",
    "fold.perl.pod",
    "fold.preprocessor",
    "fold.quotes.python",
    "fold.sql.only.begin",
    "fold.verilog.flags",
    "html.tags.case.sensitive",
    "lexer.caml.magic",
    "lexer.cpp.allow.dollars",
    "lexer.d.fold.at.else",
    "lexer.metapost.comment.process",
    "lexer.metapost.interface.default",
    "lexer.sql.backticks.identifier",
    "lexer.tex.auto.if",
    "lexer.tex.comment.process",
    "lexer.tex.interface.default",
    "lexer.tex.use.keywords",
    "nsis.ignorecase",
    "nsis.uservars",
    "ps.level",
    "ps.tokenize",
    "sql.backslash.escapes",
    "styling.within.preprocessor",
    "tab.timmy.whinge.level",
};

std::string StyleKey(const std::string& name, int style) { return "style." + name + "." + std::to_string(style); }

// The name after the last '\', or the whole path when it has none.
std::string FileNameOf(const char* path) {
    std::string name = GetPathPart(path, PathPart::Name);
    return name.empty() ? std::string(path) : name;
}

// A "#RRGGBB" property turns a colour on; an empty one turns it off again,
// so that no colour of an earlier language stays.
void SendOptionalColour(const CEditingComponent& component, unsigned int message, const std::string& text) {
    if (text.empty())
        component.Send(message, 0, 0);
    else
        component.Send(message, 1, static_cast<sptr_t>(ColourFromString(text)));
}

}  // namespace

CPropertySets& CEditorView::PropertyStore() const {
    static CPropertySets s_empty;
    CPropertySets* sets = m_languageSource ? m_languageSource->PropertySets() : nullptr;
    return sets ? *sets : s_empty;
}

LanguageDisplaySettings CEditorView::DisplaySettings() const {
    return m_languageSource ? m_languageSource->DisplaySettings() : LanguageDisplaySettings();
}

std::string CEditorView::GetLexerName() const { return PropertyStore().GetLanguage(m_languageIndex).lexer; }

bool CEditorView::ApplyLanguage(int index, const char* fileName) {
    if (!m_component.IsAttached()) return true;
    CPropertySets& sets = PropertyStore();
    const CPropertySet& props = sets.Main();
    const LanguageDisplaySettings settings = DisplaySettings();
    m_languageIndex = index;
    const LanguageEntry& entry = sets.GetLanguage(index);
    const std::string file = fileName ? std::string(fileName) : LookupNameForExtension(entry.extension);
    const std::string lexer = entry.lexer;
    const bool highlight = HasOption(kViewHighlight);

    // Properties and keywords belong to the lexer object: it comes first.
    if (highlight) {
        m_component.SetLexer(lexer);
        m_lexerId = static_cast<int>(Send(SCI_GETLEXER));
        for (int n = 1; n <= 9; ++n) {
            const std::string key = n == 1 ? "keywords." : "keywords" + std::to_string(n) + ".";
            const std::string words = props.GetExpanded(key, file);
            Send(SCI_SETKEYWORDS, static_cast<uptr_t>(n - 1), reinterpret_cast<sptr_t>(words.c_str()));
        }
    }
    // The api files themselves are read by the typing aids.
    m_apiValue = props.GetExpanded("api.", file);
    ApplyIndentSettings(file);
    Send(SCI_CALLTIPUSESTYLE, STYLE_DEFAULT);
    ReadTypingSettings(file);
    for (const char* name : kLexerProperties)
        Send(SCI_SETPROPERTY, reinterpret_cast<uptr_t>(name), reinterpret_cast<sptr_t>(props.Get(name).c_str()));

    m_characterSet = props.GetInt("character.set", 1);
    Send(SCI_SETCARETFORE, 0);
    Send(SCI_SETMOUSEDWELLTIME, static_cast<uptr_t>(props.GetInt("dwell.period", 10000000)));
    ApplyDisplayProperties(settings);
    ApplyStyles(lexer);

    Send(SCI_SETPRINTMAGNIFICATION, static_cast<uptr_t>(props.GetInt("print.magnification", 0)));
    Send(SCI_SETPRINTCOLOURMODE, static_cast<uptr_t>(props.GetInt("print.colour.mode", 0)));
    Send(SCI_SETMARGINLEFT, 0, props.GetInt("blank.margin.left", 1));
    Send(SCI_SETMARGINRIGHT, 0, props.GetInt("blank.margin.right", 1));
    Send(SCI_SETFOLDFLAGS, static_cast<uptr_t>(props.GetInt("fold.flags", 0)));

    Send(SCI_SETMODEVENTMASK, SC_MOD_CHANGEFOLD);
    Send(SCI_SETMARGINTYPEN, kFoldMargin, SC_MARGIN_SYMBOL);
    Send(SCI_SETMARGINWIDTHN, kBookmarkMargin, 12);
    Send(SCI_SETMARGINWIDTHN, kFoldMargin, 12);
    Send(SCI_SETMARGINMASKN, kFoldMargin, static_cast<sptr_t>(SC_MASK_FOLDERS));
    Send(SCI_SETMARGINSENSITIVEN, kFoldMargin, 1);
    DefineFoldMarkers(m_component, props.GetInt("fold.symbols", 0));

    Send(SCI_SETSCROLLWIDTH, static_cast<uptr_t>(props.GetInt("horizontal.scroll.width", 2000)));
    Send(SCI_SETHSCROLLBAR, static_cast<uptr_t>(props.GetInt("horizontal.scrollbar", 1)));
    Send(SCI_SETENDATLASTLINE, static_cast<uptr_t>(props.GetInt("end.at.last.line", 1)));
    Send(SCI_SETCARETSTICKY, static_cast<uptr_t>(props.GetInt("caret.sticky", 0)));

    Send(SCI_MARKERSETFORE, kBookmarkMarker, 0);
    Send(SCI_MARKERSETBACK, kBookmarkMarker, 0xFFFF00);
    Send(SCI_MARKERDEFINE, kBookmarkMarker, SC_MARK_CIRCLE);
    Send(SCI_SETMARGINSENSITIVEN, kBookmarkMargin, 1);

    m_typing.indentAutomatic = props.GetInt("indent.automatic", 0) != 0;
    m_bracesStyle = props.GetInt("braces." + lexer + ".style", 0);

    Send(SCI_AUTOCSETCANCELATSTART, 0);
    Send(SCI_AUTOCSETDROPRESTOFWORD, 0);
    Send(SCI_SETCHARSDEFAULT);
    const std::string wordCharacters = props.GetExpanded("word.characters.", file);
    if (!wordCharacters.empty()) {
        Send(SCI_SETWORDCHARS, 0, reinterpret_cast<sptr_t>(wordCharacters.c_str()));
        m_typing.wordCharacters = wordCharacters;
    } else {
        m_typing.wordCharacters = kDefaultWordCharacters;
    }
    Send(SCI_SETSELFORE, 1, static_cast<sptr_t>(::GetSysColor(COLOR_HIGHLIGHTTEXT)));
    Send(SCI_SETSELBACK, 1, static_cast<sptr_t>(::GetSysColor(COLOR_HIGHLIGHT)));

    if (!highlight) {
        Send(SCI_SETILEXER, 0, 0);
        Send(SCI_STYLECLEARALL);
    }
    return true;
}

// Caret line, edge, fold margin, drawing and white-space colours.
void CEditorView::ApplyDisplayProperties(const LanguageDisplaySettings& settings) {
    const CPropertySet& props = PropertyStore().Main();
    const uint32_t mask = settings.editorMask;
    if (mask & kMaskHighlightLine) {
        Send(SCI_SETCARETLINEVISIBLE, 1);
        Send(SCI_SETCARETLINEBACK, static_cast<uptr_t>(settings.highLightColor));
        Send(SCI_SETCARETLINEBACKALPHA,
             (mask & kMaskTransparentLine) ? static_cast<uptr_t>(settings.lineTransparent) : SC_ALPHA_NOALPHA);
    } else {
        Send(SCI_SETCARETLINEVISIBLE, 0);
    }
    if (mask & kMaskShowEdge) {
        Send(SCI_SETEDGECOLUMN, static_cast<uptr_t>(settings.lineEdgePos));
        Send(SCI_SETEDGEMODE, (mask & kMaskEdgeLine) ? EDGE_LINE : EDGE_BACKGROUND);
        Send(SCI_SETEDGECOLOUR, static_cast<uptr_t>(settings.lineEdgeColor));
    } else {
        Send(SCI_SETEDGEMODE, EDGE_NONE);
    }
    SendOptionalColour(m_component, SCI_SETFOLDMARGINCOLOUR, props.Get("fold.margin.colour"));
    SendOptionalColour(m_component, SCI_SETFOLDMARGINHICOLOUR, props.Get("fold.margin.highlight.colour"));
    Send(SCI_SETBUFFEREDDRAW, static_cast<uptr_t>(props.GetInt("buffered.draw", 1)));
    // The component's two-phase switch became the phases setting.
    Send(SCI_SETPHASESDRAW, props.GetInt("two.phase.draw", 1) ? SC_PHASES_TWO : SC_PHASES_ONE);
    Send(SCI_SETLAYOUTCACHE, static_cast<uptr_t>(props.GetInt("cache.layout", 1)));
    SendOptionalColour(m_component, SCI_SETWHITESPACEFORE, props.Get("whitespace.fore"));
    SendOptionalColour(m_component, SCI_SETWHITESPACEBACK, props.Get("whitespace.back"));
}

void CEditorView::ReadTypingSettings(const std::string& file) {
    const CPropertySet& props = PropertyStore().Main();
    m_typing.indentOpening = props.GetInt("indent.opening", 0) != 0;
    m_typing.indentClosing = props.GetInt("indent.closing", 0) != 0;
    m_typing.indentMaintain = std::atoi(props.GetExpanded("indent.maintain.", file).c_str()) != 0;
    m_typing.statementLookback = std::atoi(props.GetExpanded("statement.lookback.", file).c_str());
    m_typing.statementIndent = ParseStyleWords(props.GetExpanded("statement.indent.", file));
    m_typing.statementEnd = ParseStyleWords(props.GetExpanded("statement.end.", file));
    m_typing.blockStart = ParseStyleWords(props.GetExpanded("block.start.", file));
    m_typing.blockEnd = ParseStyleWords(props.GetExpanded("block.end.", file));

    const std::string lexer = GetLexerName();
    m_typing.callTip = ReadCallTipSettings(props, lexer);
    m_typing.autoComplete = ReadAutoCompleteSettings(props, lexer);
    m_typing.autoCompleteWords = props.GetInt("autocompleteword.automatic", 0) != 0;
    const std::string closeTags = props.GetExpanded("xml.auto.close.tags", file);
    m_typing.closeXmlTags = !closeTags.empty() && closeTags != "0";
    Send(SCI_AUTOCSETFILLUPS, 0, reinterpret_cast<sptr_t>(m_typing.autoComplete.fillups.c_str()));
    Send(SCI_AUTOCSETIGNORECASE, m_typing.autoComplete.ignoreCase ? 1 : 0);
    Send(SCI_AUTOCSETCHOOSESINGLE, static_cast<uptr_t>(m_typing.autoComplete.chooseSingle));
}

void CEditorView::ApplyIndentSettings(const std::string& file) {
    const CPropertySet& props = PropertyStore().Main();
    const LanguageDisplaySettings settings = DisplaySettings();
    const uint32_t mask = settings.editorMask;
    if (mask & (kMaskIndentSpaces | kMaskIndentTabs)) {
        const bool spacesOnly = (mask & kMaskIndentSpaces) && !(mask & kMaskIndentTabs);
        Send(SCI_SETUSETABS, spacesOnly ? 0 : 1);
        Send(SCI_SETTABWIDTH, settings.tabSize);
        Send(SCI_SETINDENT, settings.indentSize);
        return;
    }
    const std::string useTabs = props.GetExpanded("use.tabs.", file);
    const int tabs = useTabs.empty() ? props.GetInt("use.tabs", 1) : std::atoi(useTabs.c_str());
    Send(SCI_SETUSETABS, static_cast<uptr_t>(tabs));
    const std::string tabSize = props.GetExpanded("tab.size.", file);
    if (!tabSize.empty())
        Send(SCI_SETTABWIDTH, static_cast<uptr_t>(std::atoi(tabSize.c_str())));
    else if (settings.tabSize != 0)
        Send(SCI_SETTABWIDTH, settings.tabSize);
    const std::string indentSize = props.GetExpanded("indent.size.", file);
    Send(SCI_SETINDENT, indentSize.empty() ? settings.indentSize : static_cast<uptr_t>(std::atoi(indentSize.c_str())));
}

void CEditorView::ApplyStyles(const std::string& lexer) {
    CPropertySet& props = PropertyStore().Main();
    Send(SCI_STYLERESETDEFAULT);
    // The font scheme is the base of every style; the exporters read it back
    // from the store.
    const std::string scheme = DisplaySettings().fontScheme;
    ApplyStyle(STYLE_DEFAULT, CStyleSpec(scheme.c_str()));
    props.Set("style.*.32", scheme);
    ApplyStyle(STYLE_DEFAULT, CStyleSpec(props.GetExpanded(StyleKey(lexer, STYLE_DEFAULT), "").c_str()));
    Send(SCI_STYLECLEARALL);
    ApplyStylesFor("*");
    ApplyStylesFor(lexer);
}

void CEditorView::ApplyStylesFor(const std::string& name) {
    const CPropertySet& props = PropertyStore().Main();
    for (int style = 0; style <= STYLE_MAX; ++style) {
        if (style == STYLE_DEFAULT) continue;
        ApplyStyle(style, CStyleSpec(props.GetExpanded(StyleKey(name, style), "").c_str()));
    }
}

void CEditorView::ApplyStyle(int style, const CStyleSpec& spec) {
    const uptr_t s = static_cast<uptr_t>(style);
    if (spec.mask & CStyleSpec::kItalics) Send(SCI_STYLESETITALIC, s, spec.italics);
    if (spec.mask & CStyleSpec::kBold) Send(SCI_STYLESETBOLD, s, spec.bold);
    if (spec.mask & CStyleSpec::kFace) Send(SCI_STYLESETFONT, s, reinterpret_cast<sptr_t>(spec.face.c_str()));
    if (spec.mask & CStyleSpec::kFore) Send(SCI_STYLESETFORE, s, static_cast<sptr_t>(spec.ForeColour()));
    if (spec.mask & CStyleSpec::kBack) Send(SCI_STYLESETBACK, s, static_cast<sptr_t>(spec.BackColour()));
    if (spec.mask & CStyleSpec::kSize) Send(SCI_STYLESETSIZE, s, spec.size);
    if (spec.mask & CStyleSpec::kEolFilled) Send(SCI_STYLESETEOLFILLED, s, spec.eolfilled);
    if (spec.mask & CStyleSpec::kUnderlined) Send(SCI_STYLESETUNDERLINE, s, spec.underlined);
    if (spec.mask & CStyleSpec::kCase) Send(SCI_STYLESETCASE, s, spec.caseMode);
    if (spec.mask & CStyleSpec::kVisible) Send(SCI_STYLESETVISIBLE, s, spec.visible);
    if (spec.mask & CStyleSpec::kChangeable) Send(SCI_STYLESETCHANGEABLE, s, spec.changeable);
    Send(SCI_STYLESETCHARACTERSET, s, m_characterSet);
}

void CEditorView::ApplyLanguageForFile(const char* path) {
    if (!path) return;
    ApplyLanguage(PropertyStore().LexerForFile(path), FileNameOf(path).c_str());
}

// Fold levels are about to be cleared: no line may stay hidden under a
// header that is gone.
void CEditorView::ShowAllLines() {
    const sptr_t lines = Send(SCI_GETLINECOUNT);
    Send(SCI_SHOWLINES, 0, lines - 1);
    for (sptr_t line = 0; line < lines; ++line) {
        if (Send(SCI_GETFOLDLEVEL, static_cast<uptr_t>(line)) & SC_FOLDLEVELHEADERFLAG)
            Send(SCI_SETFOLDEXPANDED, static_cast<uptr_t>(line), 1);
    }
}

void CEditorView::SetLanguage(int index) {
    if (!m_component.IsAttached()) return;
    ShowAllLines();
    Send(SCI_CLEARDOCUMENTSTYLE);
    ApplyLanguage(index, nullptr);
    UpdateLineNumberWidth(false);
    Send(SCI_COLOURISE, 0, -1);
    ::InvalidateRect(m_window, nullptr, TRUE);
}

void CEditorView::SetHighlighting(bool on) {
    if (!m_component.IsAttached()) return;
    if (on) {
        SetLanguage(m_languageIndex);
        return;
    }
    Send(SCI_SETILEXER, 0, 0);
    ShowAllLines();
    Send(SCI_CLEARDOCUMENTSTYLE);
    Send(SCI_COLOURISE, 0, -1);
    Send(SCI_STYLECLEARALL);
}

void CEditorView::Restyle() {
    if (!m_component.IsAttached()) return;
    ApplyStyles(GetLexerName());
    Send(SCI_COLOURISE, 0, -1);
    ::InvalidateRect(m_window, nullptr, TRUE);
}
