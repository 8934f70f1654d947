#include "ToolbarBuilder.h"

#include <cstring>

#include "GdiHandles.h"
#include "PendingCommands.h"
#include "resource.h"

namespace {

const WORD kToolbarResourceType = 241;
const DWORD kToolbarStyle = 0x5600094C;  // child, visible, clipping, flat, tips, no divider, no parent align, no resize
const DWORD kRebarStyle = 0x56002640;    // child, visible, clipping, variable height, band borders, auto size, no divider

}  // namespace

bool ParseToolbarTemplate(const void* data, size_t size, ToolbarTemplate& out) {
    if (!data || size < 4 * sizeof(WORD)) return false;
    WORD header[4];
    std::memcpy(header, data, sizeof(header));
    if (header[0] != 1) return false;
    size_t count = header[3];
    if (size < (4 + count) * sizeof(WORD)) return false;
    out.width = header[1];
    out.height = header[2];
    out.items.resize(count);
    std::memcpy(out.items.data(), (const WORD*)data + 4, count * sizeof(WORD));
    return true;
}

bool LoadToolbarTemplate(HINSTANCE instance, int resourceId, ToolbarTemplate& out) {
    HRSRC info = ::FindResourceA(instance, MAKEINTRESOURCEA(resourceId), MAKEINTRESOURCEA(kToolbarResourceType));
    if (!info) return false;
    HGLOBAL loaded = ::LoadResource(instance, info);
    const void* data = loaded ? ::LockResource(loaded) : nullptr;
    return ParseToolbarTemplate(data, ::SizeofResource(instance, info), out);
}

UniqueImageList CreateToolbarImageList(HINSTANCE instance, int bitmapId) {
    const CBitmapHandle bitmap(
        (HBITMAP)::LoadImageA(instance, MAKEINTRESOURCEA(bitmapId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!bitmap) return {};
    UniqueImageList list(::ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 3, 1));
    if (list) ::ImageList_AddMasked(list.get(), bitmap, RGB(255, 0, 255));
    return list;
}

HWND CreateMainToolbar(HWND parent, int id, const ToolbarTemplate& tmpl, HIMAGELIST normal, HIMAGELIST disabled) {
    HWND toolbar = ::CreateWindowExA(0, TOOLBARCLASSNAMEA, nullptr, kToolbarStyle, 0, 0, 0, 0, parent,
                                     (HMENU)(INT_PTR)id, ::GetModuleHandleA(nullptr), nullptr);
    if (!toolbar) return nullptr;
    ::SendMessageA(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    ::SendMessageA(toolbar, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS | TBSTYLE_EX_MIXEDBUTTONS);
    ::SendMessageA(toolbar, TB_SETIMAGELIST, 0, (LPARAM)normal);
    ::SendMessageA(toolbar, TB_SETDISABLEDIMAGELIST, 0, (LPARAM)disabled);
    std::vector<TBBUTTON> buttons;
    int image = 0;
    for (WORD item : tmpl.items) {
        TBBUTTON button{};
        if (item == 0) {
            button.fsStyle = BTNS_SEP;
        } else {
            button.iBitmap = image++;
            button.idCommand = item;
            button.fsState = IsPendingCommand(item) ? 0 : TBSTATE_ENABLED;
            button.fsStyle = BTNS_BUTTON | (item == ID_VIEW_FONT_SCHEME ? BTNS_WHOLEDROPDOWN : 0);
            button.iString = -1;
        }
        buttons.push_back(button);
    }
    ::SendMessageA(toolbar, TB_ADDBUTTONSA, buttons.size(), (LPARAM)buttons.data());
    ::SendMessageA(toolbar, TB_AUTOSIZE, 0, 0);
    return toolbar;
}

HWND CreateMainRebar(HWND parent, int id) {
    return ::CreateWindowExA(WS_EX_TOOLWINDOW, REBARCLASSNAMEA, nullptr, kRebarStyle, 0, 0, 0, 0, parent,
                             (HMENU)(INT_PTR)id, ::GetModuleHandleA(nullptr), nullptr);
}

void AddRebarBand(HWND rebar, HWND child) {
    SIZE ideal{};
    ::SendMessageA(child, TB_GETMAXSIZE, 0, (LPARAM)&ideal);
    RECT rc{};
    ::GetWindowRect(child, &rc);
    REBARBANDINFOA band{};
    band.cbSize = sizeof(band);
    band.fMask = RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_STYLE | RBBIM_SIZE | RBBIM_IDEALSIZE;
    band.fStyle = RBBS_BREAK | RBBS_CHILDEDGE | RBBS_GRIPPERALWAYS;
    band.hwndChild = child;
    band.cxMinChild = 0;
    band.cyMinChild = ideal.cy ? ideal.cy : rc.bottom - rc.top;
    band.cx = ideal.cx;
    band.cxIdeal = ideal.cx;
    ::SendMessageA(rebar, RB_INSERTBANDA, (WPARAM)-1, (LPARAM)&band);
}

int FindRebarBand(HWND rebar, HWND child) {
    const int count = rebar && child ? (int)::SendMessageA(rebar, RB_GETBANDCOUNT, 0, 0) : 0;
    for (int i = 0; i < count; ++i) {
        REBARBANDINFOA band{};
        band.cbSize = sizeof(band);
        band.fMask = RBBIM_CHILD;
        if (::SendMessageA(rebar, RB_GETBANDINFOA, i, (LPARAM)&band) && band.hwndChild == child) return i;
    }
    return -1;
}

bool IsRebarBandVisible(HWND rebar, HWND child) {
    const int index = FindRebarBand(rebar, child);
    if (index < 0) return false;
    REBARBANDINFOA band{};
    band.cbSize = sizeof(band);
    band.fMask = RBBIM_STYLE;
    return ::SendMessageA(rebar, RB_GETBANDINFOA, index, (LPARAM)&band) && !(band.fStyle & RBBS_HIDDEN);
}

void ShowRebarBand(HWND rebar, HWND child, bool show) {
    const int index = FindRebarBand(rebar, child);
    if (index >= 0) ::SendMessageA(rebar, RB_SHOWBAND, index, show ? TRUE : FALSE);
}
