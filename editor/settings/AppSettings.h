#pragma once
// The editor's settings: the program folder, the values read often, and the
// ini operations through which every part reads and writes tarnwick.ini.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "IniKeys.h"
#include "ProfileFile.h"

// "SearchMask" bits.
enum SearchMaskBits : uint32_t {
    kSearchWholeWord = 0x1,
    kSearchMatchCase = 0x2,
    kSearchRegex = 0x4,
    kSearchDown = 0x8,
    kSearchBackslash = 0x10,
    kSearchSubfolders = 0x80,
    kSearchScopeMask = 0x300,  // replace in: 0 current file, 1 selection, 2 all open files
    kSearchSecondPane = 0x400,
};

// "EditorMask" bits.
enum EditorMaskBits : uint32_t {
    kMaskMultipleInstances = 0x1,
    kMaskOpenMaximized = 0x2,
    kMaskFullPathTitle = 0x4,
    kMaskNewDocumentAtStart = 0x8,
    kMaskTabsAtBottom = 0x10,
    kMaskHideTabs = 0x20,
    kMaskClientDoubleClick = 0xC0,  // 0 open dialog, 1 new document, 2 nothing
    kMaskCloseFindDialogs = 0x100,
    kMaskSyntaxHighlight = 0x200,
    kMaskWrap = 0x400,
    kMaskLineNumbers = 0x800,
    kMaskWhiteSpace = 0x1000,
    kMaskLineEnds = 0x2000,
    kMaskIndentGuides = 0x4000,
    kMaskHighlightLine = 0x8000,
    kMaskShowEdge = 0x10000,
    kMaskEdgeLine = 0x20000,
    kMaskIndentSpaces = 0x40000,
    kMaskIndentTabs = 0x80000,
    kMaskTransparentLine = 0x100000,
    kMaskUpdateAtStart = 0x200000,
};

struct SearchOptions {
    uint32_t SearchMask = 0;
    char FindText[256] = {};
    char ReplaceText[256] = {};
    int32_t matchCount = 0;
    int32_t fileCount = 0;
    char fileTypes[260] = {};
    char findFolder[260] = {};
};

// Folder kinds of CAppSettings::GetFolder.
enum FolderKind : int {
    kFolderProgram = 0,
    kFolderLanguage = 1,
    kFolderTemplate = 2,
    kFolderData = 3,  // the program folder again: keymap, templates, session, layout
    kFolderUi = 4,
    kFolderDat = 5,
};

class CAppSettings {
public:
    // Takes the folder from the program file's path.
    CAppSettings();
    // For a given program folder (no trailing '\').
    explicit CAppSettings(const char* programFolder);
    ~CAppSettings();
    CAppSettings(const CAppSettings&) = delete;
    CAppSettings& operator=(const CAppSettings&) = delete;

    // False when the program folder could not be found (a path too long).
    bool IsValid() const { return folderLength > 0; }

    void Load();
    void SaveSearch() const;
    void CreatePaneBrushes(bool replace);
    // Writes the folder of a kind and answers the position of its NUL, where
    // a caller appends "\name"; an unknown kind gives an empty string.
    char* GetFolder(char* buffer, FolderKind kind) const;

    void WriteInt(const char* section, const char* key, int value) const;
    void WriteString(const char* section, const char* key, const char* text) const;
    std::string ReadString(const char* section, const char* key, const char* defaultText) const;
    // A key's integer, read as base-10 text; defaultValue when it is absent.
    int ReadInt(const char* section, const char* key, int defaultValue) const;
    // The section's lines, each NUL-terminated, then an empty line; true when
    // anything was read.
    bool ReadSection(const char* section, char* buffer, DWORD size) const;
    // The section's lines whole, however long, each NUL-terminated.
    std::string ReadWholeSection(const char* section) const;
    void ClearSection(const char* section) const;
    // The section's lines replaced, as WritePrivateProfileSection does; false
    // when the file could not be written.
    bool WriteSection(const char* section, const char* lines) const;

    int32_t folderLength = 0;
    char folder[260] = {};
    SearchOptions search;
    COLORREF TemplateFore = 0, TemplateBack = 0xFFFFFF;
    COLORREF SymbolFore = 0, SymbolBack = 0xFFFFFF;
    COLORREF Find1Fore = 0, Find1Back = 0xFFFFFF;
    COLORREF Find2Fore = 0, Find2Back = 0xFFFFFF;
    HBRUSH templateBrush = nullptr, find1Brush = nullptr, find2Brush = nullptr;
    COLORREF HighLightColor = 0xFFFFFF;
    COLORREF LineEdgeColor = 0xFFDAFA;
    int32_t LineEdgePos = 90;
    uint8_t TabSize = 4;
    uint8_t IndentSize = 4;
    uint8_t LineTransparent = 0;
    uint8_t UpdateInterval = 3;
    int32_t LastUpdate = 0;
    char iniPath[260] = {};
    uint32_t EditorMask = 0;

private:
    void SetFolder(const char* programFolder);
    void DeletePaneBrushes();

    // Every read and write of tarnwick.ini goes through its one copy in memory.
    CProfileFile& Ini() const;
    mutable std::optional<CProfileFile> m_ini;
};

// Called by CreatePaneBrushes(true) so the panes repaint in the new colours;
// the main frame installs it.
using PaneRecolourHook = void (*)(const CAppSettings&);
void SetPaneRecolourHook(PaneRecolourHook hook);
