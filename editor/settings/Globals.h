#pragma once
// The process-wide objects reached from every window; the program makes
// them at start (ProgramGlobals.h in the app).
#include <windows.h>
#include <commctrl.h>

#include <cstdint>

class CAppSettings;
class CInstanceGuard;
class CMainFrame;
class CPropertySets;
struct SearchOptions;

struct GuiFont {
    HFONT font = nullptr;
    int height = 0;  // tmHeight
};

struct PaneBackColor {
    COLORREF color = 0xCFE8CC;
    HBRUSH brush = nullptr;
};

extern CAppSettings* g_appSettings;
extern CInstanceGuard* g_instanceGuard;
extern CMainFrame* g_mainFrame;
extern HINSTANCE g_instance;
extern OSVERSIONINFOA g_osVersion;
extern unsigned char g_charClass[256];
extern CPropertySets* g_propertySets;
extern HIMAGELIST g_smallImages;
extern GuiFont g_guiFont;
extern HFONT g_outputFont;
extern HDC g_screenDC;
extern PaneBackColor g_paneBackColor;
// Set when the updater asked the editor to close: the save-modified dialog
// then offers no Cancel.
extern bool UpdateCloseRequested;

// The settings' find options; without settings (tests) a block of its own.
SearchOptions& SharedSearchOptions();
// The settings' EditorMask (kMask* bits); 0 without settings (tests).
uint32_t CurrentEditorMask();

