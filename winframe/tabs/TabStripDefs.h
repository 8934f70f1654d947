#pragma once
// Constants and notification records shared by the tab strip and its owners.
#include <windows.h>
#include <commctrl.h>

// Low-word window style bits of a tab strip.
constexpr DWORD TSS_SCROLLMODE = 0x0001;       // natural widths with scroll buttons, else squeezed
constexpr DWORD TSS_TABSATTOP = 0x0002;        // tabs hang from the top edge
constexpr DWORD TSS_CLOSEBUTTON = 0x0008;      // close button for the selected tab
constexpr DWORD TSS_HOTTRACK = 0x0040;
constexpr DWORD TSS_VERTICAL = 0x0080;         // the flying reorder loop follows y
constexpr DWORD TSS_SHADOWRIGHTEDGE = 0x0100;
constexpr DWORD TSS_DRAGREORDER = 0x0400;      // mouse-move drag of tabs
constexpr DWORD TSS_BOLDSELECTED = 0x2000;
constexpr DWORD TSS_TOOLTIPS = 0x4000;

// Notifications beyond the common and tab-control ones.
constexpr UINT TSN_ITEMINSERTED = (UINT)-561;
constexpr UINT TSN_ITEMDELETING = (UINT)-562;
constexpr UINT TSN_ITEMMOVED = (UINT)-563;
constexpr UINT TSN_ITEMSWAPPED = (UINT)-564;
constexpr UINT TSN_CLOSECLICK = (UINT)-565;
constexpr UINT TSN_BEGINDRAG = (UINT)-571;
constexpr UINT TSN_ENDDRAG = (UINT)-572;
constexpr UINT TSN_CANCELDRAG = (UINT)-573;
constexpr UINT TSN_MCLICK = (UINT)-574;
constexpr UINT TSN_MDBLCLK = (UINT)-575;
constexpr UINT TSN_DRAGOUT = (UINT)-581;

// HitTest out-flags.
constexpr UINT TSHT_NOWHERE = 1;
constexpr UINT TSHT_ONITEM = 6;
constexpr UINT TSHT_CLOSE = 16;
constexpr UINT TSHT_SCROLLRIGHT = 32;
constexpr UINT TSHT_SCROLLLEFT = 64;

// FindItem match flags.
constexpr UINT TSIF_RECT = 0x01;
constexpr UINT TSIF_IMAGE = 0x02;
constexpr UINT TSIF_TEXT = 0x04;
constexpr UINT TSIF_TOOLTIP = 0x08;
constexpr UINT TSIF_DATA = 0x10;
constexpr UINT TSIF_MARKED = 0x20;
constexpr UINT TSIF_CLOSABLE = 0x40;

// Custom-draw item states beyond CDIS_SELECTED (0x1) and CDIS_HOT (0x40).
constexpr UINT TSIS_MARKED = 0x80;

// Tool ids of the buttons; tabs use 1..count.
constexpr UINT_PTR kToolScrollLeft = (UINT_PTR)-14;
constexpr UINT_PTR kToolScrollRight = (UINT_PTR)-15;
constexpr UINT_PTR kToolClose = (UINT_PTR)-16;

// Timers of the scroll buttons and of the drag auto-scroll.
constexpr UINT_PTR kTimerScrollLeft = 16;
constexpr UINT_PTR kTimerScrollRight = 32;

// One item and a point; (-1, -1) when no point applies.
struct NMTABSTRIPITEM {
    NMHDR hdr;
    int item;
    POINT pt;
};

// Two indexes and a point.
struct NMTABSTRIPPAIR {
    NMHDR hdr;
    int first;
    int second;
    POINT pt;
};

// NM_CUSTOMDRAW record: the parent may change any field after the header.
struct NMTABSTRIPCUSTOMDRAW {
    NMCUSTOMDRAW nmcd;
    HFONT hFont;
    HFONT hFontSelected;
    HBRUSH hBrushBackground;
    COLORREF clrTextInactive;
    COLORREF clrTextSelected;
    COLORREF clrSelectedTab;
    COLORREF clrBtnFace;
    COLORREF clrBtnShadow;
    COLORREF clrBtnHighlight;
    COLORREF clrBtnText;
    COLORREF clrHighlight;
    COLORREF clrHotlight;
    COLORREF clrHighlightText;
};
static_assert(sizeof(NMTABSTRIPCUSTOMDRAW) == (sizeof(void*) == 8 ? 144 : 100));
