// The process-wide objects of Globals.h made at start: the character
// classes, the property store, the image list, the fonts and the screen DC.
#include "ProgramGlobals.h"

#include <scintilla/Scintilla.h>

#include "AppSettings.h"
#include "CharClass.h"
#include "Globals.h"
#include "PropertySets.h"
#include "resource.h"

bool InitGlobals() {
    FillCharClassTable(g_charClass);
    g_osVersion = {};
    g_osVersion.dwOSVersionInfoSize = sizeof(g_osVersion);
    ::GetVersionExA(&g_osVersion);

    g_propertySets = new CPropertySets;
    g_propertySets->Load();

    g_smallImages = ::ImageList_LoadImageA(g_instance, MAKEINTRESOURCEA(IDB_SMALL_IMAGES), 16, 4, 0xFFFFFF,
                                           IMAGE_BITMAP, LR_CREATEDIBSECTION);

    g_screenDC = ::GetDC(nullptr);
    g_guiFont.font = (HFONT)::GetStockObject(DEFAULT_GUI_FONT);
    HGDIOBJ previous = ::SelectObject(g_screenDC, g_guiFont.font);
    TEXTMETRICA metrics{};
    ::GetTextMetricsA(g_screenDC, &metrics);
    g_guiFont.height = metrics.tmHeight;
    ::SelectObject(g_screenDC, previous);

    int height = -::MulDiv(9, ::GetDeviceCaps(g_screenDC, LOGPIXELSY), 72);
    g_outputFont = ::CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                 CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, "Courier New");
    ::SelectObject(g_screenDC, g_outputFont);

    g_paneBackColor.color = 0xCFE8CC;
    g_paneBackColor.brush = ::CreateSolidBrush(g_paneBackColor.color);

    Scintilla_RegisterClasses(g_instance);
    return true;
}

void FreeGlobals() {
    delete g_propertySets;
    g_propertySets = nullptr;
    g_appSettings->SaveSearch();
    delete g_appSettings;
    g_appSettings = nullptr;
    Scintilla_ReleaseResources();
    // Fonts, brush, image list and the screen DC go with the process.
}
