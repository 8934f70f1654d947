#include "ToolsPageLogic.h"

#include <windows.h>
#include <shlwapi.h>

#include "DbcsText.h"

namespace {

bool SameName(const std::string& a, const std::string& b) { return ::lstrcmpiA(a.c_str(), b.c_str()) == 0; }

bool SameEntry(const ToolEntry& a, const ToolEntry& b) {
    return a.name == b.name && a.command == b.command && a.folder == b.folder && a.keys == b.keys &&
           a.patterns == b.patterns && a.flags == b.flags;
}

bool Has(const std::string& text, char c) { return FindFirstChar(text.c_str(), c) != nullptr; }

// The name a kept line stands under: the text before its first '='.
std::string LineName(const std::string& text) {
    const char* equals = FindFirstChar(text.c_str(), '=');
    return equals ? std::string(text.c_str(), equals) : std::string();
}

}  // namespace

ToolsPageModel MakeToolsPageModel(const std::vector<ToolLine>& lines) {
    ToolsPageModel model;
    for (const ToolLine& line : lines) {
        if (line.parsed && model.tools.size() < kMaxPageTools) {
            PageTool tool;
            tool.entry = tool.loaded = line.entry;
            tool.loadedName = line.entry.name;
            tool.loadedText = line.text;
            model.tools.push_back(tool);
        } else {
            ToolLine kept = line;
            kept.parsed = false;  // written as it was read
            model.kept.push_back(kept);
        }
    }
    return model;
}

SplitCommand SplitToolCommand(const std::string& command) {
    const char* question = FindLastChar(command.c_str(), '?');
    if (!question) return {command, {}};
    const size_t at = static_cast<size_t>(question - command.c_str());
    return {command.substr(0, at), command.substr(at + 1)};
}

std::string JoinToolCommand(const std::string& program, const std::string& arguments) {
    return arguments.empty() ? program : program + "?" + arguments;
}

std::string NewToolName(const std::vector<PageTool>& tools) {
    for (int n = 1;; ++n) {
        const std::string name = n == 1 ? "<New Tool>" : "<New Tool> " + std::to_string(n);
        bool taken = false;
        for (const PageTool& tool : tools) taken = taken || SameName(tool.entry.name, name);
        if (!taken) return name;
    }
}

ToolCheck CheckTools(const ToolsPageModel& model) {
    for (size_t i = 0; i < model.tools.size(); ++i) {
        const ToolEntry& entry = model.tools[i].entry;
        if (entry.name.empty() || Has(entry.name, '=') || Has(entry.name, '|') || entry.name[0] == ';' ||
            entry.name[0] == '[' || entry.name[0] == ' ' || entry.name.back() == ' ')
            return {ToolProblem::BadName, i};
        for (size_t j = 0; j < i; ++j)
            if (SameName(model.tools[j].entry.name, entry.name)) return {ToolProblem::DuplicateName, i};
        for (const ToolLine& kept : model.kept)
            if (SameName(LineName(kept.text), entry.name)) return {ToolProblem::DuplicateName, i};
        if (Has(entry.command, '|') || Has(entry.folder, '|') || Has(entry.patterns, '|'))
            return {ToolProblem::Separator, i};
    }
    return {};
}

std::vector<ToolLine> ToolsPageLines(const ToolsPageModel& model, const std::vector<std::string>& keysNow) {
    std::vector<ToolLine> lines;
    for (size_t i = 0; i < model.tools.size(); ++i) {
        const PageTool& tool = model.tools[i];
        ToolLine line;
        line.parsed = true;
        line.entry = tool.entry;
        if (i < keysNow.size() && !tool.loadedName.empty()) line.entry.keys = keysNow[i];
        if (!tool.loadedName.empty() && SameEntry(line.entry, tool.loaded)) {
            line.parsed = false;
            line.text = tool.loadedText;
        }
        lines.push_back(line);
    }
    lines.insert(lines.end(), model.kept.begin(), model.kept.end());
    return lines;
}
