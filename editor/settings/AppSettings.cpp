#include "AppSettings.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "DbcsText.h"

namespace {

PaneRecolourHook g_paneRecolourHook = nullptr;

// Kind -> subfolder appended to the program folder.
const char* const kFolderSuffix[] = {"", "\\language", "\\template", "", "\\ui", "\\dat"};

std::string Cut(const std::string& text, size_t maxBytes) { return text.substr(0, FitCharacters(text.c_str(), maxBytes)); }

}  // namespace

void SetPaneRecolourHook(PaneRecolourHook hook) { g_paneRecolourHook = hook; }

CAppSettings::CAppSettings() {
    char path[MAX_PATH + 1] = {};
    DWORD got = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    // A path that filled the buffer was cut short: no folder can be trusted.
    if (got > 0 && got < MAX_PATH) {
        if (char* slash = const_cast<char*>(FindLastChar(path, '\\'))) {
            *slash = '\0';
            SetFolder(path);
        }
    }
    Load();
}

CAppSettings::CAppSettings(const char* programFolder) {
    SetFolder(programFolder);
    Load();
}

CAppSettings::~CAppSettings() { DeletePaneBrushes(); }

void CAppSettings::SetFolder(const char* programFolder) {
    size_t length = std::strlen(programFolder);
    // Room for the longest composed name: the folder, a kind's subfolder and the ini name.
    if (length == 0 || length + sizeof("\\tarnwick.ini") > sizeof(folder)) return;
    std::memcpy(folder, programFolder, length + 1);
    folderLength = (int32_t)length;
    std::snprintf(iniPath, sizeof(iniPath), "%s\\%s", folder, ini::kFileName);
}

CProfileFile& CAppSettings::Ini() const {
    if (!m_ini) m_ini.emplace(iniPath);
    return *m_ini;
}

void CAppSettings::Load() {
    EditorMask = (uint32_t)ReadInt(ini::kEditor, ini::kEditorMask, 0);
    CopyCharacters(search.FindText, sizeof(search.FindText), Ini().ReadString(ini::kSearch, ini::kFindText, "").c_str());
    CopyCharacters(search.ReplaceText, sizeof(search.ReplaceText),
                   Ini().ReadString(ini::kSearch, ini::kReplaceText, "").c_str());
    search.SearchMask = (uint32_t)ReadInt(ini::kSearch, ini::kSearchMask, 0);

    TemplateBack = (COLORREF)ReadInt(ini::kEditor, ini::kTemplateBack, 0xFFFFFF);
    SymbolBack = (COLORREF)ReadInt(ini::kEditor, ini::kSymbolBack, 0xFFFFFF);
    Find1Back = (COLORREF)ReadInt(ini::kEditor, ini::kFind1Back, 0xFFFFFF);
    Find2Back = (COLORREF)ReadInt(ini::kEditor, ini::kFind2Back, 0xFFFFFF);
    TemplateFore = (COLORREF)ReadInt(ini::kEditor, ini::kTemplateFore, 0);
    SymbolFore = (COLORREF)ReadInt(ini::kEditor, ini::kSymbolFore, 0);
    Find1Fore = (COLORREF)ReadInt(ini::kEditor, ini::kFind1Fore, 0);
    Find2Fore = (COLORREF)ReadInt(ini::kEditor, ini::kFind2Fore, 0);
    HighLightColor = (COLORREF)ReadInt(ini::kEditor, ini::kHighLightColor, 0xFFFFFF);
    LineEdgeColor = (COLORREF)ReadInt(ini::kEditor, ini::kLineEdgeColor, 0xFFDAFA);

    TabSize = (uint8_t)ReadInt(ini::kEditor, ini::kTabSize, 4);
    if (TabSize == 0) TabSize = 4;
    IndentSize = (uint8_t)ReadInt(ini::kEditor, ini::kIndentSize, 4);
    if (IndentSize == 0) IndentSize = 4;
    LineTransparent = (uint8_t)ReadInt(ini::kEditor, ini::kLineTransparent, 0);
    if (LineTransparent > 100) LineTransparent = 100;
    LineEdgePos = ReadInt(ini::kEditor, ini::kLineEdgePos, 90);
    // A column at or before the first is as meaningless as one past 300.
    if (LineEdgePos <= 0 || LineEdgePos > 300) LineEdgePos = 90;

    LastUpdate = ReadInt(ini::kUpdate, ini::kLastUpdate, 0);
    int interval = ReadInt(ini::kUpdate, ini::kUpdateInterval, 3);
    UpdateInterval = (uint8_t)(interval <= 0 || interval > 30 ? 3 : interval);

    CreatePaneBrushes(false);
}

void CAppSettings::SaveSearch() const {
    WriteInt(ini::kEditor, ini::kEditorMask, (int)EditorMask);
    WriteString(ini::kSearch, ini::kFindText, search.FindText);
    WriteString(ini::kSearch, ini::kReplaceText, search.ReplaceText);
    WriteInt(ini::kSearch, ini::kSearchMask, (int)search.SearchMask);
}

void CAppSettings::DeletePaneBrushes() {
    for (HBRUSH* brush : {&templateBrush, &find1Brush, &find2Brush}) {
        if (*brush) ::DeleteObject(*brush);
        *brush = nullptr;
    }
}

void CAppSettings::CreatePaneBrushes(bool replace) {
    if (replace) DeletePaneBrushes();
    // Without replace the old brushes are kept alive: a pane may still paint with them.
    templateBrush = ::CreateSolidBrush(TemplateBack);
    find1Brush = ::CreateSolidBrush(Find1Back);
    find2Brush = ::CreateSolidBrush(Find2Back);
    if (replace && g_paneRecolourHook) g_paneRecolourHook(*this);
}

char* CAppSettings::GetFolder(char* buffer, FolderKind kind) const {
    if (kind < kFolderProgram || kind > kFolderDat || !IsValid()) {
        buffer[0] = '\0';
        return buffer;
    }
    int written = std::snprintf(buffer, MAX_PATH, "%s%s", folder, kFolderSuffix[kind]);
    return buffer + (written > 0 ? written : 0);
}

void CAppSettings::WriteInt(const char* section, const char* key, int value) const {
    char text[16];
    std::snprintf(text, sizeof(text), "%d", value);
    Ini().WriteString(section, key, text);
}

void CAppSettings::WriteString(const char* section, const char* key, const char* text) const {
    Ini().WriteString(section, key, text);
}

std::string CAppSettings::ReadString(const char* section, const char* key, const char* defaultText) const {
    return Cut(Ini().ReadString(section, key, defaultText ? defaultText : ""), 259);
}

int CAppSettings::ReadInt(const char* section, const char* key, int defaultValue) const {
    // Parsed here rather than by the platform, which also takes hex and
    // differs between systems.
    const char kAbsent[] = "\x01";
    std::string text = Ini().ReadString(section, key, kAbsent);
    if (text == kAbsent) return defaultValue;
    return (int)std::strtoll(text.c_str(), nullptr, 10);
}

bool CAppSettings::ReadSection(const char* section, char* buffer, DWORD size) const {
    if (size < 2) return false;
    std::optional<std::string> lines = Ini().ReadSection(section);
    if (!lines) {
        buffer[0] = buffer[1] = '\0';
        return false;
    }
    // Cut short the platform's way when the lines and their final NUL do not fit.
    if (lines->size() + 1 > size) return ::GetPrivateProfileSectionA(section, buffer, size, iniPath) > 0;
    std::memcpy(buffer, lines->data(), lines->size());
    buffer[lines->size()] = '\0';
    return true;
}

std::string CAppSettings::ReadWholeSection(const char* section) const { return Ini().ReadSection(section).value_or(""); }

void CAppSettings::ClearSection(const char* section) const { Ini().WriteString(section, nullptr, nullptr); }

bool CAppSettings::WriteSection(const char* section, const char* lines) const { return Ini().WriteSection(section, lines); }
