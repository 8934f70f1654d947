// The tools page's model apart from its window: the command split, which
// lines it shows and keeps, new names, what Apply refuses and the lines it
// writes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ToolsPageLogic.h"

namespace {

ToolLine Line(const std::string& text) {
    ToolLine line;
    line.text = text;
    line.parsed = ParseToolEntry(line.entry, text, false) && !line.entry.name.empty();
    return line;
}

ToolsPageModel Model(const std::vector<std::string>& texts) {
    std::vector<ToolLine> lines;
    for (const std::string& text : texts) lines.push_back(Line(text));
    return MakeToolsPageModel(lines);
}

TEST(ToolsPageLogic, TheCommandSplitsAtItsLastQuestionMark) {
    const struct {
        const char* stored;
        const char* program;
        const char* arguments;
    } cases[] = {{"prog?args", "prog", "args"}, {"prog", "prog", ""}, {"prog?a?b", "prog?a", "b"}, {"", "", ""}};
    for (const auto& c : cases) {
        const SplitCommand split = SplitToolCommand(c.stored);
        EXPECT_EQ(c.program, split.program) << c.stored;
        EXPECT_EQ(c.arguments, split.arguments) << c.stored;
        EXPECT_EQ(c.stored, JoinToolCommand(split.program, split.arguments)) << c.stored;
    }
}

TEST(ToolsPageLogic, ThirtyToolsAreShownAndEveryOtherLineIsKept) {
    std::vector<std::string> texts;
    for (int i = 0; i < 35; ++i) {
        texts.push_back("T" + std::to_string(i) + "=x||?|0");
        if (i == 3) texts.push_back("junk without separators");
    }
    const ToolsPageModel model = Model(texts);
    ASSERT_EQ(30u, model.tools.size());
    EXPECT_EQ("T29", model.tools[29].entry.name);
    ASSERT_EQ(6u, model.kept.size());
    EXPECT_EQ("junk without separators", model.kept[0].text);
    EXPECT_EQ("T30=x||?|0", model.kept[1].text);
    EXPECT_FALSE(model.kept[1].parsed) << "kept lines are written as read";
}

TEST(ToolsPageLogic, NewNamesAreNotTaken) {
    ToolsPageModel model = Model({"<New Tool>=x||?|5", "<new tool> 2=x||?|5"});
    EXPECT_EQ("<New Tool> 3", NewToolName(model.tools));
    EXPECT_EQ("<New Tool>", NewToolName({}));
}

TEST(ToolsPageLogic, ApplyRefusesWhatCannotBeWritten) {
    const struct {
        std::vector<std::string> lines;
        const char* renamed;  // the second tool's name as edited, or null
        const char* command;  // the first tool's command as edited, or null
        ToolProblem problem;
        size_t tool;
    } cases[] = {
        {{"A=x||?|0", "B=y||?|0"}, nullptr, nullptr, ToolProblem::None, 0},
        {{"A=x||?|0", "B=y||?|0"}, "", nullptr, ToolProblem::BadName, 1},
        {{"A=x||?|0", "B=y||?|0"}, "a=b", nullptr, ToolProblem::BadName, 1},
        {{"A=x||?|0", "B=y||?|0"}, "a|b", nullptr, ToolProblem::BadName, 1},
        {{"A=x||?|0", "B=y||?|0"}, ";b", nullptr, ToolProblem::BadName, 1},
        {{"A=x||?|0", "B=y||?|0"}, "[b", nullptr, ToolProblem::BadName, 1},
        {{"A=x||?|0", "B=y||?|0"}, "a", nullptr, ToolProblem::DuplicateName, 1},
        {{"A=x||?|0", "B=y||?|0", "b junk"}, nullptr, nullptr, ToolProblem::None, 0},
        {{"A=x||?|0", "B=y||?|0", "b=junk"}, nullptr, nullptr, ToolProblem::DuplicateName, 1},
        {{"A=x||?|0", "B=y||?|0"}, nullptr, "cmd /c dir | more", ToolProblem::Separator, 0},
    };
    for (const auto& c : cases) {
        ToolsPageModel model = Model(c.lines);
        if (c.renamed) model.tools[1].entry.name = c.renamed;
        if (c.command) model.tools[0].entry.command = c.command;
        const ToolCheck check = CheckTools(model);
        EXPECT_EQ(c.problem, check.problem) << (c.renamed ? c.renamed : c.command ? c.command : "");
        if (c.problem != ToolProblem::None) EXPECT_EQ(c.tool, check.tool);
    }
}

TEST(ToolsPageLogic, LinesKeepWhatWasNotEditedAsItWasRead) {
    ToolsPageModel model = Model({"Odd=x||9?|05", "Edited=y||?|0", "junk", "New"});
    model.tools[1].entry.folder = "C:\\w";
    PageTool added;
    added.entry.name = "Added";
    added.entry.command = "z";
    model.tools.push_back(added);
    // The keys page changed Odd's keys meanwhile.
    const std::vector<ToolLine> lines = ToolsPageLines(model, {"9", "7864329", ""});
    ASSERT_EQ(5u, lines.size());
    EXPECT_FALSE(lines[0].parsed);
    EXPECT_EQ("Odd=x||9?|05", lines[0].text) << "byte for byte";
    ASSERT_TRUE(lines[1].parsed);
    EXPECT_EQ("C:\\w", lines[1].entry.folder);
    EXPECT_EQ("7864329", lines[1].entry.keys);
    EXPECT_EQ("Added", lines[2].entry.name);
    EXPECT_EQ("junk", lines[3].text);
    EXPECT_EQ("New", lines[4].text);
}

}  // namespace
