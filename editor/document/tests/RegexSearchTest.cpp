// The editor's own run of the component's regular-expression engine: the
// same matches and groups as the component's search for ordinary patterns,
// and a backtracking pattern over a long line that the user stops with Esc
// while the window keeps answering and painting, the text unchanged.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "FindReplace.h"
#include "MessageBoxRecorder.h"
#include "RegexSearch.h"
#include "ResourceText.h"
#include "UiSeams.h"
#include "ViewFixture.h"
#include "resource.h"

namespace {

std::string ComponentTag(const ViewWindow& w, int n) {
    const sptr_t length = w.Send(SCI_GETTAG, static_cast<uptr_t>(n), 0);
    if (length <= 0) return "";
    std::string tag(static_cast<size_t>(length) + 1, '\0');
    w.Send(SCI_GETTAG, static_cast<uptr_t>(n), reinterpret_cast<sptr_t>(tag.data()));
    tag.pop_back();
    return tag;
}

TEST(RegexSearch, FindsWhatTheComponentFinds) {
    const char* const texts[] = {
        "abc aBc ABC\r\nfoo(bar) baz\nline three abc\rx  y\n\nlast abc",
        "aaa bab\n\tcat dog_cat catalog\r\n123 45x 6\r\n",
        "",
    };
    const char* const patterns[] = {"abc", "^abc", "abc$", "^", "$", "\\<cat", "cat\\>", "\\(a\\)\\(b\\)",
                                    "[a-c]+", "[^ ]*", "b.*z", "a*", "[0-9]+x", "\\(ab\\|ba\\)", "o(\\(.*\\))",
                                    "(bar)", "\\w+", "x\\s+y", "^$", "c[aA]"};
    const int flagSets[] = {SCFIND_REGEXP, SCFIND_REGEXP | SCFIND_MATCHCASE, SCFIND_REGEXP | SCFIND_POSIX,
                            SCFIND_REGEXP | SCFIND_POSIX | SCFIND_MATCHCASE};
    ViewWindow w;
    for (const bool utf8 : {false, true}) {
        if (utf8) w.view->Component().SetCodePage(SC_CP_UTF8);
        for (const char* text : texts) {
            w.SetText(text);
            const sptr_t length = w.Send(SCI_GETLENGTH);
            for (const char* pattern : patterns) {
                for (const int flags : flagSets) {
                    w.Send(SCI_SETSEARCHFLAGS, static_cast<uptr_t>(flags));
                    CSearchWatch watch(*w.view);
                    const CViewFinder ours(*w.view, pattern, &watch);
                    // Every start, both ways, to the end and to the start.
                    for (sptr_t from = 0; from <= length; ++from) {
                        for (const sptr_t to : {length, sptr_t{0}}) {
                            const std::string where = std::string(utf8 ? "UTF-8 " : "ANSI ") + pattern + " flags " +
                                                      std::to_string(flags) + " " + std::to_string(from) + "->" +
                                                      std::to_string(to) + " in " + text;
                            const std::string p = pattern;
                            w.Send(SCI_SETTARGETRANGE, static_cast<uptr_t>(from), to);
                            const sptr_t expected =
                                w.Send(SCI_SEARCHINTARGET, p.size(), reinterpret_cast<sptr_t>(p.data()));
                            const sptr_t expectedEnd = w.Send(SCI_GETTARGETEND);
                            std::string tags[3];
                            for (int n = 1; n < 3; ++n) tags[n] = ComponentTag(w, n);
                            const sptr_t found = ours.Search(from, to);
                            ASSERT_EQ(expected, found) << where;
                            if (found < 0) continue;
                            EXPECT_EQ(expectedEnd, w.Send(SCI_GETTARGETEND)) << where;
                            // Backwards the component's tags are those of its
                            // last try, not of the match it answers.
                            if (from > to) continue;
                            for (int n = 1; n < 3; ++n) {
                                const auto [begin, end] = ours.Group(n);
                                const std::string group =
                                    begin < 0 ? "" : std::string(w.Text(), static_cast<size_t>(begin),
                                                                 static_cast<size_t>(end - begin));
                                EXPECT_EQ(tags[n], group) << where << " group " << n;
                            }
                        }
                    }
                }
            }
        }
    }
}

// Presses Esc for the view from another thread once the search has run a
// while, after checking that the window answers a sent message and paints.
class Stopper {
public:
    explicit Stopper(HWND view) : m_view(view) {
        m_thread = std::thread([this] {
            ::Sleep(1000);
            DWORD_PTR result = 0;
            answered = ::SendMessageTimeoutA(m_view, SCI_GETLENGTH, 0, 0, SMTO_NORMAL, 5000, &result) != 0;
            ::InvalidateRect(m_view, nullptr, FALSE);
            for (int i = 0; i < 50 && !painted; ++i) {
                ::Sleep(100);
                painted = !::GetUpdateRect(m_view, nullptr, FALSE);
            }
            ::PostMessageA(m_view, WM_KEYDOWN, VK_ESCAPE, 0);
        });
    }
    ~Stopper() { m_thread.join(); }
    std::atomic<bool> answered{false};
    std::atomic<bool> painted{false};

private:
    HWND m_view;
    std::thread m_thread;
};

// Many short lines: no one line's search reads enough to look at the clock.
std::string ManyLinesOfA() {
    std::string text;
    for (int line = 0; line < 40000; ++line) text += std::string(250, 'a') + "\n";
    return text;
}

TEST(RegexSearch, EscStopsABacktrackingSearchAndChangesNothing) {
    // The newest recorder records the view's notices.
    MessageBoxRecorder notices(SetMessageBoxHook);
    const std::pair<const char*, std::string> texts[] = {{"one line", std::string(100000, 'a')},
                                                         {"many lines", ManyLinesOfA()}};
    for (const auto& [shape, text] : texts) {
        for (const char* pattern : {"a*a*b", "a*b", ".*b"}) {
            for (const char* operation : {"find", "replace all", "mark"}) {
                ViewWindow w;
                w.SetText(text);
                w.Send(SCI_EMPTYUNDOBUFFER);
                w.Send(SCI_SETSEL, 10, 20);
                notices.Clear();
                SearchOptions options;
                options.SearchMask = kSearchRegex | kSearchDown | kSearchWrap;
                lstrcpyA(options.FindText, pattern);
                lstrcpyA(options.ReplaceText, "x");
                CViewSearch search(*w.view);
                const std::string where = std::string(shape) + ": " + pattern + " " + operation;
                {
                    Stopper stopper(w.view->Window());
                    const std::string op = operation;
                    if (op == "replace all")
                        EXPECT_EQ(kReplaceStopped, search.ReplaceAll(options)) << where;
                    else if (op == "find")
                        EXPECT_EQ(kFindStopped, search.Find(options)) << where;
                    else
                        search.MarkAll(options);
                    EXPECT_TRUE(stopper.answered) << where;
                    EXPECT_TRUE(stopper.painted) << where;
                }
                EXPECT_TRUE(w.Text() == text) << where;
                EXPECT_EQ(0, w.Send(SCI_CANUNDO)) << where;
                EXPECT_EQ(0, w.Send(SCI_GETMODIFY)) << where;
                EXPECT_EQ((std::pair<int, int>{10, 20}), w.view->GetSelection()) << where;
                EXPECT_EQ(-1, w.Send(SCI_MARKERNEXT, 0, -1)) << where;
                ASSERT_EQ(1u, notices.boxes.size()) << where;
                EXPECT_EQ(LoadText(IDS_SEARCH_STOPPED), notices.boxes[0].text) << where;
                EXPECT_EQ("", w.host.message) << where;
            }
        }
    }
}

}  // namespace
