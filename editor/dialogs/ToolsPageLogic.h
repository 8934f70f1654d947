#pragma once
// What the tools page edits, apart from its windows: the tools of the
// "TOOL" section it shows (at most 30) and the lines it does not show
// (past that limit, or not tools at all), which Apply writes back as they
// were; the command split into program and arguments; new names; and the
// checks that keep a tool from being lost or changed on the way to the ini.
#include <string>
#include <vector>

#include "ToolEntry.h"

inline constexpr size_t kMaxPageTools = 30;

// One tool of the page: the entry as edited and the line it came from.
struct PageTool {
    ToolEntry entry;
    std::string loadedName;  // empty for a tool made on the page
    std::string loadedText;  // the whole line as read
    ToolEntry loaded;
};

struct ToolsPageModel {
    std::vector<PageTool> tools;
    std::vector<ToolLine> kept;  // written back after the tools, unchanged
};

ToolsPageModel MakeToolsPageModel(const std::vector<ToolLine>& lines);

// The command shown as program and arguments, split at its last '?'.
struct SplitCommand {
    std::string program;
    std::string arguments;
};
SplitCommand SplitToolCommand(const std::string& command);
// program '?' arguments, or the program alone when there are none.
std::string JoinToolCommand(const std::string& program, const std::string& arguments);

// "<New Tool>", or "<New Tool> 2", 3, ... when the name is taken (names
// compare as the ini compares keys, without case).
std::string NewToolName(const std::vector<PageTool>& tools);

enum class ToolProblem { None, BadName, DuplicateName, Separator };
struct ToolCheck {
    ToolProblem problem = ToolProblem::None;
    size_t tool = 0;
};
// The first tool that cannot be written as it stands: an empty name or one
// holding '=' or '|' or starting with ';' or '[', a name another tool (or a
// kept line) has, or a command, folder or patterns holding '|'.
ToolCheck CheckTools(const ToolsPageModel& model);

// The section's lines for Apply: each tool, its keys taken from keysNow of
// the name it was loaded under (a keys-page change made meanwhile stays),
// an unchanged tool as its line was read; then the kept lines.
std::vector<ToolLine> ToolsPageLines(const ToolsPageModel& model,
                                     const std::vector<std::string>& keysNow);
