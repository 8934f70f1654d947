#include "CheckBoxImages.h"

#include <uxtheme.h>
#include <vssym32.h>

#include "GdiHandles.h"

namespace {

CheckBoxStyle g_style = CheckBoxStyle::Automatic;

// A 32-bit image drawn by `draw` on white. Every pixel is made opaque
// afterwards: the classic frame leaves alpha at 0, which a 32-bit image list
// would take as fully transparent; the white mask does the cutting out.
template <typename Draw>
HBITMAP DrawImage(HDC screen, int cx, int cy, Draw draw) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = cx;
    info.bmiHeader.biHeight = -cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap) return nullptr;
    HDC dc = ::CreateCompatibleDC(screen);
    HGDIOBJ old = ::SelectObject(dc, bitmap);
    RECT all{0, 0, cx, cy};
    ::FillRect(dc, &all, (HBRUSH)::GetStockObject(WHITE_BRUSH));
    draw(dc, all);
    ::GdiFlush();
    auto* pixels = static_cast<DWORD*>(bits);
    for (int i = 0; i < cx * cy; ++i) pixels[i] |= 0xFF000000;
    ::SelectObject(dc, old);
    ::DeleteDC(dc);
    return bitmap;
}

}  // namespace

void SetCheckBoxStyle(CheckBoxStyle style) { g_style = style; }

HIMAGELIST CreateCheckBoxImages(int cx, int cy) {
    HIMAGELIST images = ::ImageList_Create(cx, cy, ILC_COLOR32 | ILC_MASK, 3, 0);
    if (!images) return nullptr;
    HTHEME theme = nullptr;
    if (g_style != CheckBoxStyle::Classic && (g_style == CheckBoxStyle::Themed || ::IsThemeActive()))
        theme = ::OpenThemeData(nullptr, L"Button");
    const CClientDc screen(nullptr);
    const int themedStates[] = {CBS_UNCHECKEDNORMAL, CBS_CHECKEDNORMAL, CBS_MIXEDNORMAL};
    const UINT classicStates[] = {DFCS_BUTTONCHECK, DFCS_BUTTONCHECK | DFCS_CHECKED,
                                  DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_INACTIVE};
    for (int i = 0; i < 3; ++i) {
        HBITMAP bitmap = DrawImage(screen, cx, cy, [&](HDC dc, RECT rc) {
            // A 13-pixel box, centred, as the classic frame draws it.
            int size = cx < 13 ? cx : 13;
            RECT box{(cx - size) / 2, (cy - size) / 2, (cx - size) / 2 + size, (cy - size) / 2 + size};
            (void)rc;
            if (theme)
                ::DrawThemeBackground(theme, dc, BP_CHECKBOX, themedStates[i], &box, nullptr);
            else
                ::DrawFrameControl(dc, &box, DFC_BUTTON, classicStates[i]);
        });
        if (!bitmap) continue;
        ::ImageList_AddMasked(images, bitmap, RGB(255, 255, 255));
        ::DeleteObject(bitmap);
    }
    if (theme) ::CloseThemeData(theme);
    return images;
}
