// The pure parts of the panes: caption layout, the ellipsis cut, and the
// measures and positions of auto-hide entries.
#include <gtest/gtest.h>

#include <cstring>
#include <sstream>

#include "AutoHideEntry.h"
#include "CaptionButtons.h"
#include "PaneCaption.h"
#include "TextEllipsis.h"

namespace {

bool Same(const RECT& a, const RECT& b) { return ::EqualRect(&a, &b) != FALSE; }
std::string Show(const RECT& r) {
    std::ostringstream os;
    os << "{" << r.left << "," << r.top << "," << r.right << "," << r.bottom << "}";
    return os.str();
}
#define EXPECT_RECT(actual, ...) EXPECT_TRUE(Same(actual, RECT{__VA_ARGS__})) << Show(actual)

TEST(CaptionLayout, HorizontalAndVertical) {
    CaptionLayout h = ComputeCaptionLayout({0, 0, 200, 150}, 22, true, true);
    EXPECT_RECT(h.caption, 0, 0, 200, 22);
    EXPECT_RECT(h.close, 181, 3, 197, 19);
    EXPECT_RECT(h.pin, 165, 3, 181, 19);
    EXPECT_EQ(h.text.left, 12);
    EXPECT_EQ(h.text.right, 162);
    EXPECT_RECT(h.client, 0, 22, 200, 150);

    CaptionLayout v = ComputeCaptionLayout({0, 0, 200, 150}, 22, false, true);
    EXPECT_RECT(v.caption, 0, 0, 22, 150);
    EXPECT_RECT(v.close, 3, 3, 19, 19);
    EXPECT_RECT(v.pin, 3, 19, 19, 35);
    EXPECT_EQ(v.text.top, 38);
    EXPECT_EQ(v.text.bottom, 142);
    EXPECT_RECT(v.client, 22, 0, 200, 150);
}

TEST(CaptionLayout, WithoutTheCaptionStyleAllIsClient) {
    CaptionLayout l = ComputeCaptionLayout({0, 0, 200, 150}, 22, true, false);
    EXPECT_TRUE(::IsRectEmpty(&l.caption));
    EXPECT_RECT(l.client, 0, 0, 200, 150);
}

TEST(CaptionLayout, PinIconCentredOrAtTheButtonsOwnSize) {
    EXPECT_RECT(PinIconRect({165, 3, 181, 19}), 167, 5, 178, 16);
    EXPECT_RECT(PinIconRect({10, 10, 18, 30}), 10, 14, 18, 25) << "8 wide: at the left edge, 8 wide";
}

// Every byte is 10 wide; fit counts whole characters of CP936.
TextMeasure FixedWidth(UINT codePage) {
    return {[](const char*, int length) { return length * 10; },
            [codePage](const char* text, int length, int room) {
                int i = 0;
                while (i < length) {
                    int n = (i + 1 < length && ::IsDBCSLeadByteEx(codePage, (BYTE)text[i])) ? 2 : 1;
                    if ((i + n) * 10 > room) break;
                    i += n;
                }
                return i;
            }};
}

TEST(EllipsisCut, Cases) {
    struct Case {
        const char* name;
        const char* text;
        int room;
        UINT codePage;
        UINT measuredAs;
        int shown;
    } cases[] = {
        {"fits", "Symbols", 70, 1252, 1252, 7},
        {"too wide: n - 3 leading bytes", "Symbols", 60, 1252, 1252, 3},
        {"no room for dots and one byte: one kept", "Symbols", 20, 1252, 1252, 1},
        {"double-byte first character kept whole", "\xD6\xD0\xCE\xC4", 20, 936, 936, 2},
        {"a fit that splits a character is cut back", "\xD6\xD0\xCE\xC4\xB0\xA1\xB0\xA1", 60, 936, 1252, 2},
    };
    for (const Case& c : cases) {
        int length = (int)std::strlen(c.text);
        EXPECT_EQ(EllipsisCut(c.text, length, c.room, c.codePage, FixedWidth(c.measuredAs)), c.shown) << c.name;
    }
}

TEST(AutoHideGroup, EntryUnderAPosition) {
    struct Case {
        int x, index;
    } cases[] = {{0, 0}, {21, 0}, {22, 1}, {106, 1}, {107, 2}, {127, 2}, {128, 3}, {149, 3}, {150, 3}};
    for (const Case& c : cases) EXPECT_EQ(GroupIndexAt(c.x, 4, 22, 150, 1), c.index) << "x = " << c.x;
    EXPECT_EQ(GroupIndexAt(40, 4, 0, 0, 2), 2) << "no icon tabs: the active index, no division";
}

AutoHideEntry Entry(const char* text, HICON icon = nullptr) {
    AutoHideEntry e;
    e.text = text;
    e.icon = icon;
    return e;
}

int TextWidth10(const std::string& text) { return (int)text.size() * 10; }

TEST(AutoHideEntry, TabLengths) {
    HICON icon = ::LoadIconA(nullptr, IDI_APPLICATION);
    int cx = ::GetSystemMetrics(SM_CXSMICON);
    EXPECT_EQ(CSingleAutoHideEntry(Entry("Output", icon)).Measure(TextWidth10), 60 + cx + 9);
    EXPECT_EQ(CSingleAutoHideEntry(Entry("Output")).Measure(TextWidth10), 60 + 6);

    CGroupAutoHideEntry group({Entry("a", icon), Entry("longest", icon), Entry("b", icon)}, 0, 1);
    EXPECT_EQ(group.Measure(TextWidth10), 70 + cx + 9 + 2 * (cx + 6));
}

TEST(AutoHideEntry, ShrinkingAGroupShrinksItsIconTabs) {
    int cx = ::GetSystemMetrics(SM_CXSMICON);
    CGroupAutoHideEntry group({Entry("a"), Entry("b"), Entry("c")}, 0, 0);
    group.Measure(TextWidth10);
    group.SetLength(3 * (cx + 6));
    EXPECT_EQ(group.IconTabLength(), cx + 6) << "exactly count tabs: unchanged";
    group.SetLength(31);
    EXPECT_EQ(group.IconTabLength(), 10);
    group.SetLength(2);
    EXPECT_EQ(group.IconTabLength(), 0);
}

}  // namespace
