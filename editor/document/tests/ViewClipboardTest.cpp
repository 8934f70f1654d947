// Swap with the clipboard and the clipboard monitor, on the real clipboard.
#include <gtest/gtest.h>

#include "ClipboardText.h"
#include "Hex.h"
#include "ViewFixture.h"
#include "resource.h"

namespace {

// Another program's window: what it puts on the clipboard is not the view's.
class OtherWindow {
public:
    OtherWindow() : m_window(::CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr)) {}
    ~OtherWindow() { ::DestroyWindow(m_window); }
    OtherWindow(const OtherWindow&) = delete;
    OtherWindow& operator=(const OtherWindow&) = delete;
    operator HWND() const { return m_window; }

    void SetUtf8(const std::string& text) const {
        CClipboard clipboard(m_window);
        ASSERT_TRUE(clipboard.WriteText(SC_CP_UTF8, text));
    }
    std::string GetUtf8() const {
        CClipboard clipboard(m_window);
        std::string text;
        EXPECT_TRUE(clipboard.ReadText(SC_CP_UTF8, text));
        return text;
    }

private:
    HWND m_window;
};

const std::string kEAcute = Hex("C3 A9");

TEST(EditorViewClipboard, SwapKeepsNonAsciiTextInAUtf8Document) {
    ViewWindow w;
    OtherWindow other;
    w.Send(SCI_SETCODEPAGE, SC_CP_UTF8);
    w.SetText("<abc" + kEAcute + ">");
    other.SetUtf8("xyz" + kEAcute + Hex("E4 B8 AD"));
    w.Send(SCI_SETSEL, 1, 6);
    w.Command(ID_EDIT_SWAP_CLIPBOARD);
    EXPECT_EQ(ToHex("<xyz" + kEAcute + Hex("E4 B8 AD") + ">"), ToHex(w.Text()));
    EXPECT_EQ(ToHex("abc" + kEAcute), ToHex(other.GetUtf8()));

    // Pasting it back gives the same characters.
    w.Send(SCI_SETSEL, 1, 1);
    w.Send(SCI_PASTE);
    EXPECT_EQ(ToHex("<abc" + kEAcute + "xyz" + kEAcute + Hex("E4 B8 AD") + ">"), ToHex(w.Text()));

    // Line ends come in as the document's, as a paste makes them.
    w.SetText("<ab>");
    w.Send(SCI_SETEOLMODE, SC_EOL_CRLF);
    other.SetUtf8("x\ny\rz");
    w.Send(SCI_SETSEL, 1, 3);
    w.Command(ID_EDIT_SWAP_CLIPBOARD);
    EXPECT_EQ("<x\r\ny\r\nz>", w.Text());
    EXPECT_EQ("ab", other.GetUtf8());
}

TEST(EditorViewClipboard, SwapWithABusyClipboardChangesNothing) {
    ViewWindow w;
    OtherWindow other;
    other.SetUtf8("xyz");
    w.SetText("<abc>");
    w.Send(SCI_SETSEL, 1, 4);
    {
        CClipboard held(other);
        ASSERT_TRUE(held.IsOpen());
        w.Command(ID_EDIT_SWAP_CLIPBOARD);
    }
    EXPECT_EQ("<abc>", w.Text());
    EXPECT_EQ("xyz", other.GetUtf8());
}

TEST(EditorViewClipboard, MonitorInsertsOnlyTextFromElsewhere) {
    ViewWindow w;
    OtherWindow other;
    w.Send(SCI_SETCODEPAGE, SC_CP_UTF8);
    other.SetUtf8("before");
    w.SetText("[]");
    w.Send(SCI_GOTOPOS, 1);

    w.Command(ID_TOOLS_WATCH_CLIPBOARD);
    ASSERT_TRUE(w.view->WatchesClipboard());
    PumpMessagesFor(100);
    EXPECT_EQ("[]", w.Text()) << "joining the chain inserts nothing";

    other.SetUtf8("n" + kEAcute);
    PumpMessagesFor(200);
    EXPECT_EQ(ToHex("[n" + kEAcute + "]"), ToHex(w.Text()));
    EXPECT_EQ(4, w.Send(SCI_GETCURRENTPOS));
    EXPECT_EQ(4, w.Send(SCI_GETANCHOR));

    w.Send(SCI_SETSEL, 0, 1);
    w.Send(SCI_COPY);
    PumpMessagesFor(200);
    EXPECT_EQ(ToHex("[n" + kEAcute + "]"), ToHex(w.Text())) << "the view's own copy comes back";

    w.Command(ID_TOOLS_WATCH_CLIPBOARD);
    EXPECT_FALSE(w.view->WatchesClipboard());
    other.SetUtf8("after");
    PumpMessagesFor(200);
    EXPECT_EQ(ToHex("[n" + kEAcute + "]"), ToHex(w.Text()));
}

}  // namespace
