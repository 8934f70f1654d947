#include "Globals.h"

#include "AppSettings.h"

CAppSettings* g_appSettings = nullptr;
CInstanceGuard* g_instanceGuard = nullptr;
CMainFrame* g_mainFrame = nullptr;
HINSTANCE g_instance = nullptr;
OSVERSIONINFOA g_osVersion = {};
unsigned char g_charClass[256] = {};
CPropertySets* g_propertySets = nullptr;
HIMAGELIST g_smallImages = nullptr;
GuiFont g_guiFont;
HFONT g_outputFont = nullptr;
HDC g_screenDC = nullptr;
PaneBackColor g_paneBackColor;
bool UpdateCloseRequested = false;

SearchOptions& SharedSearchOptions() {
    static SearchOptions standalone;
    return g_appSettings ? g_appSettings->search : standalone;
}

uint32_t CurrentEditorMask() { return g_appSettings ? g_appSettings->EditorMask : 0; }
