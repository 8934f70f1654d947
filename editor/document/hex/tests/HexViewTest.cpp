// The hex view as a real window under a plain parent, driven with messages.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "FakeHex.h"
#include "GdiHandles.h"
#include "HexView.h"
#include "MessagePump.h"
#include "TempFolder.h"

namespace {

class CTestParent : public CMsgWindow {
public:
    TW_BEGIN_MSG_MAP(CTestParent)
    TW_END_MSG_MAP()

protected:
    WindowClassInfo GetWindowClassInfo() const override { return {"TwHexTestParent"}; }
};

// Holds Shift and Ctrl down for GetKeyState in this thread.
class HeldKeys {
public:
    HeldKeys(bool shift, bool ctrl) {
        ::GetKeyboardState(m_saved);
        BYTE state[256];
        std::copy(std::begin(m_saved), std::end(m_saved), state);
        state[VK_SHIFT] = shift ? 0x80 : 0;
        state[VK_CONTROL] = ctrl ? 0x80 : 0;
        ::SetKeyboardState(state);
    }
    ~HeldKeys() { ::SetKeyboardState(m_saved); }

private:
    BYTE m_saved[256];
};

HWND CaretWindow() {
    GUITHREADINFO info{sizeof(info)};
    ::GetGUIThreadInfo(::GetCurrentThreadId(), &info);
    return info.hwndCaret;
}

class HexViewTest : public ::testing::Test {
protected:
    TempFolder folder;
    FakeHost host;
    CTestParent parent;
    CHexView view{host};
    CFontHandle font{::CreateFontA(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                                   CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, FIXED_PITCH, "Courier New")};
    int c = 0;  // character width
    int h = 0;  // line height

    void SetUp() override {
        RECT frame{0, 0, 900, 500};
        ASSERT_TRUE(parent.Create(nullptr, &frame, "hex test", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN));
        view.SetStyle(font, RGB(255, 255, 255));
        RECT rc{0, 0, 10, 10};
        ASSERT_TRUE(view.Create(parent, &rc, nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, WS_EX_CLIENTEDGE));
        view.SetDragDetector([](HWND, POINT) { return true; });
        CClientDc dc(view);
        CSelectObject selected(dc, font);
        TEXTMETRICA metrics;
        ::GetTextMetricsA(dc, &metrics);
        c = metrics.tmAveCharWidth;
        h = metrics.tmHeight + metrics.tmExternalLeading;
    }
    void TearDown() override {
        view.DestroyWindow();
        parent.DestroyWindow();
        PumpMessages();
    }

    // A client area of `rows` visible rows under the header.
    void SizeForRows(int rows) {
        RECT window{0, 0, 800, h * (rows + 1)};
        ::AdjustWindowRectEx(&window, (DWORD)::GetWindowLongPtrA(view, GWL_STYLE), FALSE,
                             (DWORD)::GetWindowLongPtrA(view, GWL_EXSTYLE));
        view.MoveWindow(0, 0, window.right - window.left, window.bottom - window.top);
        RECT client;
        view.GetClientRect(&client);
        ASSERT_EQ(client.bottom, h * (rows + 1));
    }
    std::string Counting(size_t count) {
        auto bytes = CountingBytes(count);
        return std::string(bytes.begin(), bytes.end());
    }
    void OpenFixture(const std::string& content, int rows = 8) {
        folder.Write("fixture.bin", content);
        SizeForRows(rows);
        ASSERT_TRUE(view.OpenFile(folder.File("fixture.bin").c_str()));
    }
    // A sparse file of `size` bytes whose last bytes are `tail`.
    std::string MakeSparse(const char* name, uint64_t size, const std::string& tail) {
        std::string path = folder.File(name);
        HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        LARGE_INTEGER at;
        at.QuadPart = (LONGLONG)(size - tail.size());
        ::SetFilePointerEx(file, at, nullptr, FILE_BEGIN);
        DWORD written = 0;
        ::WriteFile(file, tail.data(), (DWORD)tail.size(), &written, nullptr);
        ::CloseHandle(file);
        return path;
    }
    LRESULT Send(UINT msg, WPARAM w = 0, LPARAM l = 0) { return view.SendMessage(msg, w, l); }
    void Key(UINT key, bool shift = false, bool ctrl = false) {
        HeldKeys held(shift, ctrl);
        Send(WM_KEYDOWN, key, 1);
    }
    void Type(const std::string& text) {
        for (char ch : text) Send(WM_CHAR, (unsigned char)ch, 1);
    }
    LPARAM HexCell(int row, int column) const {
        return MAKELPARAM(10 * c + c * (3 * column + column / 8 + 1) + c / 2, h * (row + 1) + h / 2);
    }
    SCROLLINFO ScrollInfo() const {
        SCROLLINFO info{sizeof(info), SIF_ALL};
        ::GetScrollInfo(view, SB_VERT, &info);
        return info;
    }
};

TEST_F(HexViewTest, OpensAFixtureWithItsRows) {
    OpenFixture(Counting(20));
    const HexModel& model = view.Model();
    EXPECT_EQ(model.Geometry().charWidth, c);
    EXPECT_EQ(model.Geometry().lineHeight, h);
    EXPECT_EQ(model.ShownRows(), 2);
    ASSERT_EQ(model.Page().size(), 20u);
    EXPECT_EQ(model.Page()[19], 19);
    EXPECT_EQ(view.FileSize(), 20u);
    EXPECT_EQ(host.status, "Offset 0H 0  Sel 0");
    EXPECT_FALSE(view.IsModified());
    CHexView unopened{host};
    EXPECT_FALSE(unopened.OpenFile(folder.File("missing.bin").c_str()));
}

TEST_F(HexViewTest, SizeSetsTheScrollRangeAndPage) {
    OpenFixture(Counting(1000), 5);
    SCROLLINFO info = ScrollInfo();
    EXPECT_EQ(info.nMin, 0);
    EXPECT_EQ(info.nMax, 63);  // 1000 bytes are 63 rows
    EXPECT_EQ(info.nPage, 5u);
    EXPECT_EQ(view.Model().Page().size(), 80u);
    SizeForRows(9);
    EXPECT_EQ(ScrollInfo().nPage, 9u);
    EXPECT_EQ(view.Model().Page().size(), 144u);
}

TEST_F(HexViewTest, EditSaveAndUndo) {
    std::string original = Counting(100);
    OpenFixture(original);
    std::string path = folder.File("fixture.bin");
    Send(WM_LBUTTONDOWN, MK_LBUTTON, HexCell(1, 2));
    Send(WM_LBUTTONUP, 0, HexCell(1, 2));
    Type("41");
    Key(VK_DELETE);
    EXPECT_TRUE(view.IsModified());
    EXPECT_EQ(host.tabStates, std::vector<int>{1});
    EXPECT_EQ(folder.Read("fixture.bin"), original);  // nothing written before Save

    ASSERT_TRUE(view.Save(path.c_str()));
    std::string edited = original;
    edited[0x12] = 0x41;
    edited[0x13] = 0x00;
    EXPECT_EQ(folder.Read("fixture.bin"), edited);
    EXPECT_FALSE(view.IsModified());
    EXPECT_EQ(host.tabStates, (std::vector<int>{1, 0}));

    for (int i = 0; i < 4; ++i) Send(WM_COMMAND, CHexView::kUndoCommand);
    EXPECT_FALSE(view.CanUndo());
    EXPECT_TRUE(view.IsModified());
    EXPECT_EQ(view.Model().Page()[0x12], 0x12);
    ASSERT_TRUE(view.Save(path.c_str()));
    EXPECT_EQ(folder.Read("fixture.bin"), original);
}

TEST_F(HexViewTest, SaveAsAndFailedSave) {
    OpenFixture(Counting(40));
    Type("ff");
    std::string copy = folder.File("copy.bin");
    ASSERT_TRUE(view.Save(copy.c_str()));
    EXPECT_EQ(view.FileName(), copy);
    EXPECT_EQ((uint8_t)folder.Read("copy.bin")[0], 0xff);
    EXPECT_EQ(folder.Read("fixture.bin"), Counting(40));

    Type("0");
    HANDLE held = ::CreateFileA(copy.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_FALSE(view.Save(copy.c_str()));
    ::CloseHandle(held);
    EXPECT_TRUE(view.IsModified());
    EXPECT_EQ(host.tabStates.back(), 1);
    EXPECT_EQ((uint8_t)folder.Read("copy.bin")[1], 1);
}

TEST_F(HexViewTest, WheelScrollsTwoRowsPerNotch) {
    OpenFixture(Counting(1000), 5);
    Send(WM_MOUSEWHEEL, MAKEWPARAM(0, -120));
    EXPECT_EQ(view.Model().FirstRow(), 2);
    EXPECT_EQ(ScrollInfo().nPos, 2);
    Send(WM_MOUSEWHEEL, MAKEWPARAM(0, -60));
    EXPECT_EQ(view.Model().FirstRow(), 2);
    Send(WM_MOUSEWHEEL, MAKEWPARAM(0, 120));
    EXPECT_EQ(view.Model().FirstRow(), 0);
}

TEST_F(HexViewTest, ThumbTrackBeyondSixteenBits) {
    // 80000 rows; the thumb goes to row 70000, which HIWORD(wParam) wraps.
    std::string path = MakeSparse("big.bin", 16 * 80000, "tail");
    SizeForRows(8);
    ASSERT_TRUE(view.OpenFile(path.c_str()));
    SCROLLINFO position{sizeof(position), SIF_POS};
    position.nPos = 70000;
    ::SetScrollInfo(view, SB_VERT, &position, FALSE);
    Send(WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 70000 & 0xFFFF));
    EXPECT_EQ(view.Model().FirstRow(), 70000);
    Send(WM_VSCROLL, MAKEWPARAM(SB_BOTTOM, 0));
    EXPECT_EQ(view.Model().FirstRow(), 80000 - 8);
    EXPECT_EQ(ScrollInfo().nPos, 80000 - 8);
    EXPECT_EQ(view.Model().ShownRows(), 8);
}

TEST_F(HexViewTest, ThreeGigabyteFileScrollsToItsEnd) {
    const uint64_t size = 3ull << 30;
    std::string path = MakeSparse("huge.bin", size, "LAST16BYTES!!!!!");
    SizeForRows(8);
    ASSERT_TRUE(view.OpenFile(path.c_str()));
    EXPECT_EQ(view.FileSize(), size);
    EXPECT_EQ(ScrollInfo().nMax, (int)(size / 16));
    Send(WM_VSCROLL, MAKEWPARAM(SB_BOTTOM, 0));
    const auto& page = view.Model().Page();
    ASSERT_EQ(page.size(), 8u * 16);
    EXPECT_EQ(std::string(page.end() - 16, page.end()), "LAST16BYTES!!!!!");
    EXPECT_EQ(view.Model().PageStart(), (int64_t)size - 128);

    Key(VK_END, false, true);
    EXPECT_EQ(view.Model().Caret(), (int64_t)size - 1);
    EXPECT_EQ(host.status, "Offset BFFFFFFFH 3221225471  Sel 0");
    Type("7");
    ASSERT_TRUE(view.Save(path.c_str()));
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    LARGE_INTEGER at;
    at.QuadPart = (LONGLONG)size - 1;
    ::SetFilePointerEx(file, at, nullptr, FILE_BEGIN);
    char last = 0;
    DWORD read = 0;
    ::ReadFile(file, &last, 1, &read, nullptr);
    LARGE_INTEGER after;
    ::GetFileSizeEx(file, &after);
    ::CloseHandle(file);
    EXPECT_EQ(last, 0x71);
    EXPECT_EQ((uint64_t)after.QuadPart, size);
}

TEST_F(HexViewTest, EmptyFile) {
    OpenFixture("");
    EXPECT_EQ(host.status, "Offset 0H 0  Sel 0");
    Send(WM_SETFOCUS);
    EXPECT_EQ(CaretWindow(), nullptr);
    Type("41");
    Key(VK_DELETE);
    Send(WM_COMMAND, CHexView::kUndoCommand);
    Send(WM_VSCROLL, MAKEWPARAM(SB_BOTTOM, 0));
    EXPECT_FALSE(view.IsModified());
    // One paint settles the view: painting invalidates nothing again.
    parent.ShowWindow(SW_SHOW);
    view.Redraw();
    EXPECT_TRUE(::GetUpdateRect(view, nullptr, FALSE));
    ::UpdateWindow(view);
    EXPECT_FALSE(::GetUpdateRect(view, nullptr, FALSE));
    EXPECT_TRUE(view.Save(folder.File("fixture.bin").c_str()));
}

TEST_F(HexViewTest, ClientLowerThanOneLine) {
    OpenFixture(Counting(300));
    view.MoveWindow(0, 0, 800, h / 2);
    EXPECT_EQ(view.Model().VisibleRows(), 0);
    EXPECT_TRUE(view.Model().Page().empty());
    Send(WM_SETFOCUS);
    Key(VK_NEXT);
    Send(WM_MOUSEWHEEL, MAKEWPARAM(0, -240));
    Send(WM_VSCROLL, MAKEWPARAM(SB_BOTTOM, 0));
    Type("5");
    ::UpdateWindow(view);
    view.MoveWindow(0, 0, 0, 0);  // minimised
    EXPECT_EQ(view.Model().VisibleRows(), 0);
    SizeForRows(4);  // scrolled to the bottom: the last four rows, the last one partial
    EXPECT_EQ(view.Model().PageStart(), 240);
    EXPECT_EQ(view.Model().Page().size(), 60u);
    EXPECT_TRUE(view.IsModified());
}

TEST_F(HexViewTest, CaretOnlyForAnEmptySelectionWithFocus) {
    OpenFixture(Counting(100));
    Send(WM_SETFOCUS);
    EXPECT_EQ(CaretWindow(), (HWND)view);
    POINT caret;
    ::GetCaretPos(&caret);
    EXPECT_EQ(caret.x, 10 * c + c);
    EXPECT_EQ(caret.y, h);
    Send(WM_KILLFOCUS);
    EXPECT_EQ(CaretWindow(), nullptr);

    Send(WM_LBUTTONDBLCLK, MK_LBUTTON, HexCell(0, 3));
    Send(WM_SETFOCUS);
    EXPECT_EQ(CaretWindow(), nullptr);
    Key(VK_RIGHT);  // collapses the selection
    EXPECT_EQ(CaretWindow(), (HWND)view);
    Send(WM_KILLFOCUS);
}

TEST_F(HexViewTest, MouseSelectionThroughDragDetect) {
    OpenFixture(Counting(100));
    Send(WM_LBUTTONDOWN, MK_LBUTTON, HexCell(1, 0));
    EXPECT_EQ(::GetCapture(), (HWND)view);
    Send(WM_MOUSEMOVE, MK_LBUTTON, HexCell(1, 3));
    Send(WM_LBUTTONUP, 0, HexCell(1, 3));
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_EQ(host.status, "Offset 10H 16  Sel 4");

    // No drag detected: the press only places the caret.
    view.SetDragDetector([](HWND, POINT) { return false; });
    Send(WM_LBUTTONDOWN, MK_LBUTTON, HexCell(2, 0));
    Send(WM_MOUSEMOVE, MK_LBUTTON, HexCell(2, 5));
    EXPECT_EQ(host.status, "Offset 20H 32  Sel 0");
}

TEST_F(HexViewTest, KeyWhileCapturedOnlyReleasesIt) {
    OpenFixture(Counting(100));
    Send(WM_LBUTTONDOWN, MK_LBUTTON, HexCell(0, 4));
    ASSERT_EQ(::GetCapture(), (HWND)view);
    Key(VK_DOWN);
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_EQ(view.Model().Caret(), 4);
}

TEST_F(HexViewTest, F6SwitchesSides) {
    OpenFixture(Counting(100));
    Key(VK_F6);
    PumpMessages();
    EXPECT_EQ(view.Model().Side(), hexgeo::kCharSide);
    Type("Z");
    EXPECT_EQ(view.Model().Page()[0], 'Z');
    Send(WM_COMMAND, CHexView::kNextPaneCommand);
    EXPECT_EQ(view.Model().Side(), hexgeo::kHexSide);
    EXPECT_EQ(Send(WM_COMMAND, CHexView::kCopyCommand), 0);
}

// A view narrower than a row scrolls sideways: the bar covers the row, the
// drawing and the mouse hits move with it, and the caret is kept in sight.
TEST_F(HexViewTest, NarrowViewScrollsSideways) {
    OpenFixture(Counting(100));
    view.MoveWindow(0, 0, 40 * c, h * 8);
    RECT client;
    view.GetClientRect(&client);
    ASSERT_LT(client.right, 77 * c);
    SCROLLINFO info{sizeof(info), SIF_ALL};
    ::GetScrollInfo(view, SB_HORZ, &info);
    EXPECT_EQ(info.nMax - info.nMin + 1, 77 * c);
    EXPECT_EQ((int)info.nPage, client.right);
    EXPECT_EQ(info.nPos, 0);

    Send(WM_HSCROLL, MAKEWPARAM(SB_LINEDOWN, 0));
    EXPECT_EQ(view.Model().ScrollX(), 3 * c);
    EXPECT_EQ(view.Model().Geometry().HexLeft(), 10 * c - 3 * c);
    Send(WM_HSCROLL, MAKEWPARAM(SB_PAGEDOWN, 0));
    EXPECT_EQ(view.Model().ScrollX(), 77 * c - client.right);  // held at the end
    ::GetScrollInfo(view, SB_HORZ, &info);
    EXPECT_EQ(info.nPos, 77 * c - client.right);

    // A click on where column 15's character now stands selects that byte.
    const int scroll = view.Model().ScrollX();
    Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(61 * c + 15 * c - scroll + c / 2, h + h / 2));
    Send(WM_LBUTTONUP, 0, MAKELPARAM(61 * c + 15 * c - scroll + c / 2, h + h / 2));
    EXPECT_EQ(view.Model().Anchor(), 15);
    EXPECT_EQ(view.Model().Side(), hexgeo::kCharSide);

    Send(WM_HSCROLL, MAKEWPARAM(SB_TOP, 0));
    EXPECT_EQ(view.Model().ScrollX(), 0);
    Key(VK_F6);
    PumpMessages();
    Send(WM_HSCROLL, MAKEWPARAM(SB_TOP, 0));
    Key(VK_HOME);
    Key(VK_END);  // the last column on the hex side, beyond the right edge
    const int caretX = view.Model().Geometry().CaretX(hexgeo::kHexSide, 15, 0);
    EXPECT_GT(view.Model().ScrollX(), 0);
    EXPECT_GE(caretX, 0);
    EXPECT_LE(caretX + c, client.right);

    Send(WM_MOUSEHWHEEL, MAKEWPARAM(0, -120));
    EXPECT_LT(view.Model().ScrollX(), 77 * c - client.right);
    view.MoveWindow(0, 0, 900, h * 8);  // wide again: nothing to scroll
    EXPECT_EQ(view.Model().ScrollX(), 0);
}

// Paints through WM_PRINTCLIENT and counts the pixels of a colour in the first row's hex cells.
class HexViewPaintTest : public HexViewTest {
protected:
    int CountInFirstRow(COLORREF colour) {
        RECT client;
        view.GetClientRect(&client);
        const CClientDc screen(nullptr);
        HDC memory = ::CreateCompatibleDC(screen);
        CBitmapHandle bitmap(::CreateCompatibleBitmap(screen, client.right, client.bottom));
        int count = 0;
        {
            CSelectObject selected(memory, bitmap);
            Send(WM_PRINTCLIENT, (WPARAM)memory, PRF_CLIENT);
            for (int y = h; y < 2 * h; ++y)
                for (int x = 10 * c; x < 60 * c; ++x) count += ::GetPixel(memory, x, y) == colour;
        }
        ::DeleteDC(memory);
        return count;
    }
};

// Each header label stands over its column's digits: the leftmost inked
// pixel column of the label "F" and of the digit under it are the same, at
// two font sizes. The bytes are all 0xFF so the low digit is an "F" too.
TEST_F(HexViewPaintTest, HeaderLabelsStandOverTheirColumns) {
    for (int size : {-12, -15}) {
        CFontHandle sized(::CreateFontA(size, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                                        CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, FIXED_PITCH, "Courier New"));
        view.SetStyle(sized, RGB(255, 255, 255));
        OpenFixture(std::string(32, '\xFF'));
        const auto& g = view.Model().Geometry();
        RECT client;
        view.GetClientRect(&client);
        const CClientDc screen(nullptr);
        HDC memory = ::CreateCompatibleDC(screen);
        CBitmapHandle bitmap(::CreateCompatibleBitmap(screen, client.right, client.bottom));
        {
            CSelectObject selected(memory, bitmap);
            Send(WM_PRINTCLIENT, (WPARAM)memory, PRF_CLIENT);
            const COLORREF ink = ::GetSysColor(COLOR_WINDOWTEXT);
            auto firstInk = [&](int top, int x0, int x1) {
                for (int x = x0; x < x1; ++x)
                    for (int y = top; y < top + g.lineHeight; ++y)
                        if (::GetPixel(memory, x, y) == ink) return x;
                return -1;
            };
            for (int column : {7, 13, 15}) {
                const int x0 = g.DigitX(column, 1), x1 = x0 + g.charWidth;
                const int label = firstInk(0, x0, x1);
                EXPECT_NE(label, -1) << size << " " << column;
                // A pixel of rasteriser play; the fault was whole characters.
                EXPECT_NEAR(label, firstInk(g.RowY(0), x0, x1), 1) << size << " " << column;
            }
        }
        ::DeleteDC(memory);
    }
}

TEST_F(HexViewPaintTest, ReadOnlyBytesAreGrey) {
    OpenFixture(Counting(100));
    const COLORREF grey = ::GetSysColor(COLOR_GRAYTEXT);
    const COLORREF text = ::GetSysColor(COLOR_WINDOWTEXT);
    ASSERT_NE(grey, text);
    EXPECT_EQ(CountInFirstRow(grey), 0);
    EXPECT_GT(CountInFirstRow(text), 0);
    host.readOnly = true;
    view.Redraw();
    EXPECT_GT(CountInFirstRow(grey), 0);
    EXPECT_EQ(CountInFirstRow(text), 0);
    Type("4");
    EXPECT_EQ(host.beeps, 1);
}

}  // namespace
