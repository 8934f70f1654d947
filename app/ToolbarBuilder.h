#pragma once
// The main toolbar from toolbar resource 1 (type 241: version 1, button
// width, height, item count, then the item ids, 0 for a separator) with
// its normal and disabled image lists, and the rebar that carries it.
#include <windows.h>
#include <commctrl.h>

#include <cstddef>
#include <vector>

#include "UniqueHandle.h"

struct ToolbarTemplate {
    int width = 0;
    int height = 0;
    std::vector<WORD> items;  // command ids, 0 for a separator
};

// False when the data is not a version-1 template or is shorter than its count says.
bool ParseToolbarTemplate(const void* data, size_t size, ToolbarTemplate& out);
bool LoadToolbarTemplate(HINSTANCE instance, int resourceId, ToolbarTemplate& out);

// 16x16, 32-bit colour with mask, magenta transparent; null without the bitmap.
UniqueImageList CreateToolbarImageList(HINSTANCE instance, int bitmapId);

// Image i belongs to the i-th button; the font-scheme button is a whole drop-down.
HWND CreateMainToolbar(HWND parent, int id, const ToolbarTemplate& tmpl, HIMAGELIST normal, HIMAGELIST disabled);
HWND CreateMainRebar(HWND parent, int id);
// Adds child as a band on a new row, sized to fit it.
void AddRebarBand(HWND rebar, HWND child);
// The band that holds child, wherever a restored layout has moved it; -1 for none.
int FindRebarBand(HWND rebar, HWND child);
bool IsRebarBandVisible(HWND rebar, HWND child);
void ShowRebarBand(HWND rebar, HWND child, bool show);
