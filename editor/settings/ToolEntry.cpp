#include "ToolEntry.h"

#include <shlwapi.h>

#include <cstdio>
#include <cstdlib>

#include "AppSettings.h"
#include "IniKeys.h"

namespace {

// Splits at the first sep at or after from; false when there is none.
bool Take(const std::string& text, size_t& from, char sep, std::string& part) {
    const size_t at = text.find(sep, from);
    if (at == std::string::npos) return false;
    part = text.substr(from, at - from);
    from = at + 1;
    return true;
}

}  // namespace

bool ParseToolEntry(ToolEntry& entry, const std::string& text, bool valueOnly) {
    ToolEntry parsed;
    size_t from = 0;
    if (!valueOnly && !Take(text, from, '=', parsed.name)) return false;
    if (!Take(text, from, '|', parsed.command) || !Take(text, from, '|', parsed.folder) ||
        !Take(text, from, '?', parsed.keys) || !Take(text, from, '|', parsed.patterns))
        return false;
    parsed.flags = (uint32_t)std::strtoul(text.c_str() + from, nullptr, 10);
    if (valueOnly) parsed.name = entry.name;
    entry = parsed;
    return true;
}

bool FormatToolValue(const ToolEntry& entry, std::string& value) {
    const auto has = [](const std::string& text, char c) { return text.find(c) != std::string::npos; };
    if (has(entry.command, '|') || has(entry.folder, '|') || has(entry.patterns, '|') || has(entry.keys, '?') ||
        has(entry.keys, '|'))
        return false;
    value = entry.command + "|" + entry.folder + "|" + entry.keys + "?" + entry.patterns + "|" +
            std::to_string((int)entry.flags);
    return true;
}

std::vector<ACCEL> ParseToolKeys(const std::string& keys, WORD command) {
    std::vector<ACCEL> accelerators;
    size_t from = 0;
    for (;;) {
        const unsigned long value = std::strtoul(keys.c_str() + from, nullptr, 10);
        if (value == 0) break;
        ACCEL accel{};
        accel.fVirt = (BYTE)(value & 0xFF);
        accel.key = (WORD)(value >> 16);
        accel.cmd = command;
        accelerators.push_back(accel);
        const size_t comma = keys.find(',', from);
        if (comma == std::string::npos) break;
        from = comma + 1;
    }
    return accelerators;
}

std::vector<ToolLine> ReadToolLines(const CAppSettings& settings) {
    std::vector<ToolLine> lines;
    const std::string section = settings.ReadWholeSection(ini::kTool);
    for (size_t at = 0; at < section.size();) {
        const size_t end = section.find('\0', at);
        const std::string text = section.substr(at, end == std::string::npos ? std::string::npos : end - at);
        at = end == std::string::npos ? section.size() : end + 1;
        if (text.empty()) continue;
        ToolLine line;
        line.text = text;
        line.parsed = ParseToolEntry(line.entry, text, false) && !line.entry.name.empty();
        lines.push_back(line);
    }
    return lines;
}

bool WriteToolLines(const CAppSettings& settings, const std::vector<ToolLine>& lines) {
    // Formatted first: a line that cannot be written leaves the section as it was.
    std::string section;
    for (const ToolLine& line : lines) {
        if (!line.parsed) {
            section += line.text;
        } else {
            std::string value;
            if (line.entry.name.empty() || line.entry.name.find('=') != std::string::npos ||
                !FormatToolValue(line.entry, value))
                return false;
            section += line.entry.name + "=" + value;
        }
        section += '\0';
    }
    section += '\0';
    return settings.WriteSection(ini::kTool, section.c_str());
}

bool ToolAppliesTo(const ToolEntry& entry, const std::string& documentPath) {
    if (!(entry.flags & kToolNeedsDocument)) return true;
    if (documentPath.empty()) return false;
    if (entry.patterns.empty()) return true;
    if (documentPath[0] == '<') return false;
    return ::PathMatchSpecA(documentPath.c_str(), entry.patterns.c_str()) != FALSE;
}

std::string ToolCommandLine(const std::string& expanded) {
    const size_t mark = expanded.find('?');
    if (mark == std::string::npos) return expanded;
    std::string program = expanded.substr(0, mark);
    // A program path with blanks would be searched piece by piece
    // ("C:\Program.exe" first) unless it is quoted.
    const size_t first = program.find_first_not_of(' ');
    if (first != std::string::npos && program[first] != '"' && program.find(' ', first) != std::string::npos) {
        const size_t last = program.find_last_not_of(' ');
        program = "\"" + program.substr(first, last - first + 1) + "\"";
    }
    return program + " " + expanded.substr(mark + 1);
}
