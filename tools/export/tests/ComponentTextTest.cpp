// The styled text read from a real editing component in blocks gives what
// the component's own per-position messages give, across block edges.
#include <gtest/gtest.h>

#include <string>

#include <scintilla/Scintilla.h>

#include "ComponentStyledText.h"
#include "ViewFixture.h"

namespace {

TEST(ComponentStyledText, MatchesTheComponentAcrossBlocks) {
    ViewWindow w;
    std::string text;
    for (int i = 0; text.size() < 3 * ComponentStyledText::kBlockSize; ++i) text += "line " + std::to_string(i) + "\r\n";
    w.SetText(text);
    // Styles that change at every position, so a misplaced block shows.
    w.Send(SCI_STARTSTYLING, 0);
    std::string styles(text.size(), '\0');
    for (size_t i = 0; i < styles.size(); ++i) styles[i] = static_cast<char>(i % 7);
    w.Send(SCI_SETSTYLINGEX, styles.size(), reinterpret_cast<sptr_t>(styles.data()));
    w.Send(SCI_SETFOLDLEVEL, 1, SC_FOLDLEVELBASE + 2);

    const ComponentStyledText styled(w.view->Component());
    ASSERT_EQ(styled.Length(), text.size());
    const size_t block = ComponentStyledText::kBlockSize;
    for (size_t at : {size_t{0}, block - 1, block, block + 1, 2 * block, text.size() - 1, size_t{5}, block - 1}) {
        EXPECT_EQ(styled.CharAt(at), static_cast<char>(w.Send(SCI_GETCHARAT, at))) << at;
        EXPECT_EQ(styled.StyleAt(at), static_cast<unsigned char>(w.Send(SCI_GETSTYLEAT, at))) << at;
    }
    EXPECT_EQ(styled.CharAt(text.size()), 0);
    EXPECT_EQ(styled.StyleAt(text.size()), 0);
    size_t mismatches = 0;
    for (size_t at = 0; at < text.size(); ++at)
        mismatches += styled.CharAt(at) != text[at] || styled.StyleAt(at) != static_cast<unsigned char>(styles[at]);
    EXPECT_EQ(mismatches, 0u);
    EXPECT_EQ(styled.LineFromPosition(9), 1);
    EXPECT_EQ(styled.FoldLevel(1) & SC_FOLDLEVELNUMBERMASK, SC_FOLDLEVELBASE + 2);
}

}  // namespace
