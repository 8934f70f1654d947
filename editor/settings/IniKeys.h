#pragma once
// Every section and key of tarnwick.ini, in one place.
namespace ini {

inline constexpr char kFileName[] = "tarnwick.ini";

inline constexpr char kEditor[] = "EDITOR";
inline constexpr char kEditorMask[] = "EditorMask";
inline constexpr char kMruSize[] = "MRUSize";
inline constexpr char kTemplateBack[] = "TemplateBack";
inline constexpr char kSymbolBack[] = "SymbolBack";
inline constexpr char kFind1Back[] = "Find1Back";
inline constexpr char kFind2Back[] = "Find2Back";
inline constexpr char kTemplateFore[] = "TemplateFore";
inline constexpr char kSymbolFore[] = "SymbolFore";
inline constexpr char kFind1Fore[] = "Find1Fore";
inline constexpr char kFind2Fore[] = "Find2Fore";
inline constexpr char kHighLightColor[] = "HighLightColor";
inline constexpr char kLineEdgeColor[] = "LineEdgeColor";
inline constexpr char kTabSize[] = "TabSize";
inline constexpr char kIndentSize[] = "IndentSize";
inline constexpr char kLineTransparent[] = "LineTransparent";
inline constexpr char kLineEdgePos[] = "LineEdgePos";
inline constexpr char kStatusBarVisible[] = "StatusBarVisible";

inline constexpr char kSearch[] = "SEARCH";
inline constexpr char kFindText[] = "FindText";
inline constexpr char kReplaceText[] = "ReplaceText";
inline constexpr char kSearchMask[] = "SearchMask";

inline constexpr char kUpdate[] = "UPDATE";
inline constexpr char kLastUpdate[] = "LastUpdate";
inline constexpr char kUpdateInterval[] = "UpdateInterval";

inline constexpr char kUser[] = "USER";
inline constexpr char kUserName[] = "USER";
inline constexpr char kUserCompany[] = "COMPANY";
inline constexpr char kUserEmail[] = "EMAIL";
inline constexpr char kUserPath[] = "path";
inline constexpr char kUserFilter[] = "filter";
inline constexpr char kUserTemplate[] = "template";
inline constexpr char kDefaultUserName[] = "YourName";
inline constexpr char kDefaultUserCompany[] = "YourCompany";
inline constexpr char kDefaultUserEmail[] = "YourEmail";
inline constexpr char kDefaultFilter[] = "*.*";

inline constexpr char kFont[] = "FONT";  // keys "1" to "10"
inline constexpr char kFontCurSel[] = "CurSel";
inline constexpr char kDefaultFontScheme[] = "font:fixedsys,back:#CCE8CF";

inline constexpr char kTool[] = "TOOL";          // tool name = ToolEntry text
inline constexpr char kFavorite[] = "FAVORITE";  // keys "1", "2", ...
inline constexpr char kFilter[] = "FILTER";      // raw lines "description|patterns"

}  // namespace ini
