// The colour picker: its palette, caret moves, layout and placement as
// logic; the real button and popup driven with posted input, each pick's
// notifications read back from a recording parent.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <vector>

#include "ColorPickerButton.h"
#include "ColorPickerLogic.h"
#include "ColorPickerPopup.h"
#include "GdiHandles.h"
#include "ModalDialogDriver.h"

namespace {

TEST(ColorPickerLogic, PaletteKeepsItsNamesAndValues) {
    EXPECT_STREQ("Black", kPalette[0].name);
    EXPECT_EQ(0x0000FFu, kPalette[16].value);
    EXPECT_STREQ("Red", kPalette[16].name);
    EXPECT_STREQ("Pale green ", kPalette[35].name);
    EXPECT_EQ(0xFFFFFFu, kPalette[39].value);
    EXPECT_EQ(16, PaletteIndexOf(0x0000FF));
    EXPECT_EQ(kItemNone, PaletteIndexOf(0x123456));
}

TEST(ColorPickerLogic, CaretStartsAtTheColoursItem) {
    const PickerItems both{true, true}, noMore{true, false}, noAuto{false, true};
    EXPECT_EQ(kItemAutomatic, InitialCaretItem(kColorAutomatic, both));
    EXPECT_EQ(16, InitialCaretItem(0x0000FF, both));
    EXPECT_EQ(kItemMore, InitialCaretItem(0x123456, both));
    EXPECT_EQ(kItemNone, InitialCaretItem(0x123456, noMore));
    EXPECT_EQ(kItemMore, InitialCaretItem(kColorAutomatic, noAuto));
}

TEST(ColorPickerLogic, KeysMoveTheCaretAroundTheRing) {
    const PickerItems both{true, true}, noAuto{false, true}, neither{false, false};
    const struct {
        int from;
        PickerMove move;
        PickerItems items;
        int to;
    } cases[] = {
        {35, PickerMove::Down, both, kItemMore},
        {3, PickerMove::Up, both, kItemAutomatic},
        {39, PickerMove::Right, both, kItemMore},
        {0, PickerMove::Left, both, kItemAutomatic},
        {kItemAutomatic, PickerMove::Right, both, 0},
        {kItemAutomatic, PickerMove::Left, both, kItemMore},
        {kItemMore, PickerMove::Right, both, kItemAutomatic},
        {kItemMore, PickerMove::Left, both, 39},
        {kItemNone, PickerMove::Down, both, kItemAutomatic},
        {kItemNone, PickerMove::Up, both, kItemMore},
        {kItemMore, PickerMove::Right, noAuto, 0},
        {31, PickerMove::Down, both, 39},
        {10, PickerMove::Down, both, 18},
        {10, PickerMove::Left, both, 9},
        {0, PickerMove::Left, neither, 39},
        {39, PickerMove::Right, neither, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.to, MoveCaret(c.from, c.move, c.items)) << "from " << c.from << " move " << (int)c.move;
}

TEST(ColorPickerLogic, LayoutCentresTheGridBetweenTheTextItems) {
    const SIZE edge{2, 2};
    // Narrow texts: the grid sets the width.
    PopupLayout narrow = LayoutPopup({30, 13}, {40, 13}, edge);
    EXPECT_EQ(8 * 18 + 4, narrow.window.cx);
    EXPECT_EQ(2 + 23 + 5 * 18 + 23 + 2, narrow.window.cy);
    EXPECT_EQ(RECT({2, 2, 146, 25}).right, narrow.automatic.right);
    EXPECT_EQ(25, narrow.grid.top);
    EXPECT_EQ(2, narrow.grid.left);
    EXPECT_EQ(narrow.grid.bottom, narrow.more.top);
    // A wide text widens the popup and the grid moves to the middle.
    PopupLayout wide = LayoutPopup({0, 0}, {200, 13}, edge);
    EXPECT_EQ(210 + 4, wide.window.cx);
    EXPECT_TRUE(::IsRectEmpty(&wide.automatic));
    EXPECT_EQ(2, wide.grid.top);
    EXPECT_EQ(2 + (210 - 144) / 2, wide.grid.left);
    // Neither text: the grid alone.
    PopupLayout bare = LayoutPopup({0, 0}, {0, 0}, edge);
    EXPECT_EQ(148, bare.window.cx);
    EXPECT_EQ(94, bare.window.cy);
    EXPECT_TRUE(::IsRectEmpty(&bare.more));

    EXPECT_EQ(kItemAutomatic, ItemAt(narrow, {10, 10}));
    EXPECT_EQ(0, ItemAt(narrow, {3, 26}));
    EXPECT_EQ(9, ItemAt(narrow, {2 + 18 + 5, 25 + 18 + 5}));
    EXPECT_EQ(kItemMore, ItemAt(narrow, {10, narrow.more.top + 3}));
    EXPECT_EQ(kItemNone, ItemAt(narrow, {0, 0}));
}

TEST(ColorPickerLogic, PlacementStaysOnTheMonitor) {
    const RECT monitor{0, 0, 1024, 768};
    const SIZE popup{150, 160};
    const struct {
        RECT button;
        POINT at;
    } cases[] = {
        {{100, 100, 160, 120}, {100, 120}},   // below, left-aligned
        {{100, 700, 160, 720}, {100, 540}},   // near the bottom: above the button
        {{950, 100, 1010, 120}, {874, 120}},  // near the right edge: shifted left
        {{-40, 100, 20, 120}, {0, 120}},      // past the left edge: shifted right
    };
    for (const auto& c : cases) {
        const POINT at = PlacePopup(c.button, popup, monitor);
        EXPECT_EQ(c.at.x, at.x);
        EXPECT_EQ(c.at.y, at.y);
    }
    EXPECT_EQ(RGB((0x33 * 48 + 0xF0 * 207) / 256, (0x99 * 48 + 0xF0 * 207) / 256, (0xFF * 48 + 0xF0 * 207) / 256),
              BlendMenuHighlight(RGB(0x33, 0x99, 0xFF), RGB(0xF0, 0xF0, 0xF0)));
}

// ---- the real button ----------------------------------------------------

constexpr int kButtonId = 1174;

// A parent that reflects to its colour button and records what it is told.
class CRecordingParent : public CMsgWindow {
public:
    struct Told {
        UINT code;
        COLORREF color;
    };
    std::vector<Told> told;
    std::vector<UINT> Codes() const {
        std::vector<UINT> codes;
        for (const Told& t : told) codes.push_back(t.code);
        return codes;
    }

    TW_BEGIN_MSG_MAP(CRecordingParent)
        TW_REFLECT_COLOR_BUTTONS()
        TW_MESSAGE_HANDLER(WM_NOTIFY, OnNotify)
    TW_END_MSG_MAP()

protected:
    WindowClassInfo GetWindowClassInfo() const override {
        WindowClassInfo info;
        info.name = "ColorPickerTestParent";
        return info;
    }

private:
    LRESULT OnNotify(UINT, WPARAM, LPARAM l, bool&) {
        const ColorPickerNotify* record = (const ColorPickerNotify*)l;
        if (record->header.idFrom == kButtonId) told.push_back({record->header.code, record->color});
        return 0;
    }
};

// Runs `step` on the popup once its loop runs, from a thread timer that the
// loop dispatches.
CColorPickerButton* g_button = nullptr;
std::function<void(HWND, const PopupLayout&)> g_step;

void CALLBACK StepOnPopup(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND popup = g_button ? g_button->PopupWindow() : nullptr;
    if (!popup) return;
    ::KillTimer(nullptr, timer);
    auto* window = dynamic_cast<CColorPickerPopup*>(CMsgWindow::FromHandle(popup));
    auto step = std::move(g_step);
    g_step = nullptr;
    if (step && window) step(popup, window->Layout());
}

LPARAM CellCentre(const PopupLayout& layout, int item) {
    const RECT rect = ItemRect(layout, item);
    return MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
}

void PostKey(HWND popup, WPARAM key) {
    ::PostMessageA(popup, WM_KEYDOWN, key, 1);
    ::PostMessageA(popup, WM_KEYUP, key, 0xC0000001);
}

class ColorPickerButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        // The popup follows the mouse: a pointer that another program's test
        // left where the popup opens would move the caret before the step
        // looks at it, so the pointer is parked in the far corner.
        ::SetCursorPos(::GetSystemMetrics(SM_CXSCREEN) - 1, ::GetSystemMetrics(SM_CYSCREEN) - 1);
        RECT rect{100, 100, 400, 300};
        ASSERT_TRUE(parent.Create(nullptr, &rect, "picker", WS_OVERLAPPEDWINDOW | WS_VISIBLE));
        HWND button = ::CreateWindowExA(0, "BUTTON", "", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 60, 22,
                                        parent, (HMENU)(INT_PTR)kButtonId, ::GetModuleHandleA(nullptr), nullptr);
        ASSERT_TRUE(picker.Attach(button));
        g_button = &picker;
    }
    void TearDown() override {
        g_button = nullptr;
        parent.DestroyWindow();
    }

    // Clicks the button as the user does: the parent reflects the click.
    void Pick(std::function<void(HWND, const PopupLayout&)> step) {
        g_step = std::move(step);
        ::SetTimer(nullptr, 0, 20, StepOnPopup);
        parent.told.clear();
        ::SendMessageA(parent, WM_COMMAND, MAKEWPARAM(kButtonId, BN_CLICKED), (LPARAM)picker.m_hWnd);
    }

    CRecordingParent parent;
    CColorPickerButton picker;
};

using Codes = std::vector<UINT>;

TEST_F(ColorPickerButtonTest, AttachMakesTheButtonOwnerDrawn) {
    EXPECT_EQ((LONG_PTR)BS_OWNERDRAW, ::GetWindowLongPtrA(picker, GWL_STYLE) & BS_TYPEMASK);
    EXPECT_EQ(kColorAutomatic, picker.color);
    EXPECT_EQ(::GetSysColor(COLOR_APPWORKSPACE), picker.ShownColor());
}

TEST_F(ColorPickerButtonTest, EscapeAbandonsThePick) {
    picker.color = 0x0000FF;
    int caret = -100;
    Pick([&](HWND popup, const PopupLayout&) {
        caret = dynamic_cast<CColorPickerPopup*>(CMsgWindow::FromHandle(popup))->CaretItem();
        PostKey(popup, VK_ESCAPE);
    });
    EXPECT_EQ(16, caret);
    EXPECT_EQ((Codes{kColorPopupOpened, kColorPopupClosed, kColorAbandoned}), parent.Codes());
    EXPECT_EQ(0x0000FFu, picker.color);
    EXPECT_EQ(nullptr, picker.PopupWindow());
    EXPECT_EQ(nullptr, ::FindWindowA("ColorPicker", nullptr));
}

TEST_F(ColorPickerButtonTest, TrackingShowsEachCellAndEscapePutsTheOldColourBack) {
    picker.color = 0x123456;
    picker.trackSelection = true;
    Pick([](HWND popup, const PopupLayout& layout) {
        ::PostMessageA(popup, WM_MOUSEMOVE, 0, CellCentre(layout, 3));
        ::PostMessageA(popup, WM_MOUSEMOVE, 0, CellCentre(layout, 3));  // the same cell again: no change
        ::PostMessageA(popup, WM_MOUSEMOVE, 0, CellCentre(layout, 12));
        PostKey(popup, VK_ESCAPE);
    });
    EXPECT_EQ((Codes{kColorPopupOpened, kColorChanged, kColorChanged, kColorChanged, kColorPopupClosed,
                     kColorAbandoned}),
              parent.Codes());
    ASSERT_EQ(6u, parent.told.size());
    EXPECT_EQ(kPalette[3].value, parent.told[1].color);
    EXPECT_EQ(kPalette[12].value, parent.told[2].color);
    EXPECT_EQ(0x123456u, parent.told[3].color);
    EXPECT_EQ(0x123456u, picker.color);
}

TEST_F(ColorPickerButtonTest, EnterChoosesTheCellUnderTheCaret) {
    picker.color = 0x0000FF;  // cell 16
    Pick([](HWND popup, const PopupLayout&) {
        PostKey(popup, VK_RIGHT);
        PostKey(popup, VK_DOWN);
        PostKey(popup, VK_RETURN);
    });
    EXPECT_EQ((Codes{kColorPopupOpened, kColorChanged, kColorPopupClosed, kColorChosen}), parent.Codes());
    EXPECT_EQ(kPalette[25].value, picker.color);

    // Choosing the colour it has already sends no change.
    Pick([](HWND popup, const PopupLayout&) { PostKey(popup, VK_RETURN); });
    EXPECT_EQ((Codes{kColorPopupOpened, kColorPopupClosed, kColorChosen}), parent.Codes());

    // Automatic is an item like the others.
    Pick([](HWND popup, const PopupLayout& layout) {
        ::PostMessageA(popup, WM_LBUTTONUP, 0, CellCentre(layout, kItemAutomatic));
    });
    EXPECT_EQ(kColorAutomatic, picker.color);
    EXPECT_EQ((Codes{kColorPopupOpened, kColorChanged, kColorPopupClosed, kColorChosen}), parent.Codes());
}

TEST_F(ColorPickerButtonTest, TheMouseChoosesOrAbandons) {
    picker.color = 0;
    const struct {
        const char* name;
        UINT message;
        int item;  // where the message is aimed; kItemNone: outside the popup
        bool chosen;
    } cases[] = {
        {"release over a cell", WM_LBUTTONUP, 20, true},
        {"right press over a cell", WM_RBUTTONDOWN, 21, false},
        {"press outside", WM_LBUTTONDOWN, kItemNone, false},
        {"Alt pressed over a cell", WM_SYSKEYDOWN, 22, false},
    };
    for (const auto& c : cases) {
        const COLORREF before = picker.color;
        Pick([&](HWND popup, const PopupLayout& layout) {
            if (c.message == WM_SYSKEYDOWN) {
                ::PostMessageA(popup, WM_MOUSEMOVE, 0, CellCentre(layout, c.item));
                ::PostMessageA(popup, WM_SYSKEYDOWN, VK_MENU, 0x20000001);
                return;
            }
            ::PostMessageA(popup, c.message, 0, c.item == kItemNone ? MAKELPARAM(-20, -20) : CellCentre(layout, c.item));
        });
        EXPECT_EQ(c.chosen ? kColorChosen : kColorAbandoned, parent.Codes().back()) << c.name;
        EXPECT_EQ(c.chosen ? kPalette[c.item].value : before, picker.color) << c.name;
    }
}

TEST_F(ColorPickerButtonTest, QuitDuringThePopupIsPostedAgain) {
    Pick([](HWND, const PopupLayout&) { ::PostQuitMessage(7); });
    EXPECT_EQ(kColorAbandoned, parent.Codes().back());
    MSG msg;
    ASSERT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(7, (int)msg.wParam);
}

TEST_F(ColorPickerButtonTest, MoreColoursRunsTheColourDialog) {
    // OK: the dialog starts from the colour shown (automatic's own value)
    // and its answer becomes the colour.
    picker.color = kColorAutomatic;
    const COLORREF shown = picker.ShownColor();
    DriveNextDialog([](HWND dialog) { ::PostMessageA(dialog, WM_COMMAND, IDOK, 0); });
    Pick([](HWND popup, const PopupLayout& layout) {
        ::PostMessageA(popup, WM_LBUTTONUP, 0, CellCentre(layout, kItemMore));
    });
    EXPECT_EQ((Codes{kColorPopupOpened, kColorChanged, kColorPopupClosed, kColorChosen}), parent.Codes());
    EXPECT_EQ(shown, picker.color);

    // Cancel: nothing chosen, the colour stays.
    picker.color = 0x0000FF;
    DriveNextDialog([](HWND dialog) { ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0); });
    Pick([](HWND popup, const PopupLayout&) {
        ::PostMessageA(popup, WM_KEYDOWN, VK_DOWN, 1);
        ::PostMessageA(popup, WM_KEYDOWN, VK_DOWN, 1);
        ::PostMessageA(popup, WM_KEYDOWN, VK_DOWN, 1);  // 16 -> 24 -> 32 -> more
        PostKey(popup, VK_SPACE);
    });
    EXPECT_EQ((Codes{kColorPopupOpened, kColorPopupClosed, kColorAbandoned}), parent.Codes());
    EXPECT_EQ(0x0000FFu, picker.color);
}

// The swatch in the middle of the face shows the colour, in both drawings;
// a disabled button shows none.
TEST_F(ColorPickerButtonTest, ThemedAndClassicDrawingsShowTheSwatch) {
    const RECT rect{0, 0, 60, 22};
    const CClientDc screen(nullptr);
    HDC dc = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 60, 22);
    HGDIOBJ old = ::SelectObject(dc, bitmap);
    picker.color = 0x2068FF;
    for (ColorButtonDrawing drawing : {ColorButtonDrawing::Themed, ColorButtonDrawing::Classic}) {
        picker.SetDrawing(drawing);
        picker.Draw(dc, rect, 0);
        EXPECT_EQ(0x2068FFu, ::GetPixel(dc, 20, 11)) << (int)drawing;
        picker.Draw(dc, rect, ODS_DISABLED);
        EXPECT_NE(0x2068FFu, ::GetPixel(dc, 20, 11)) << (int)drawing;
    }
    ::SelectObject(dc, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(dc);
}

}  // namespace
