#pragma once
// User tools as the "TOOL" section of tarnwick.ini keeps them: one line per
// tool, "name=command|folder|keys?patterns|flags", the command holding its
// arguments after a '?'. Lines that do not parse are kept as they are, so
// that writing the section back never drops one.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

class CAppSettings;

enum ToolFlags : uint32_t {
    kToolInConsole = 0x1,          // typed into the command pane instead of run as a process
    kToolNeedsDocument = 0x2,      // only for an open document matching the patterns
    kToolShowsConsole = 0x4,       // with kToolInConsole: the command pane is shown
    kToolSavesWithoutAsking = 0x8, // a modified document is saved at once; clear: asked
    kToolReloadsQuietly = 0x10,    // with kToolNeedsDocument: a changed file is reloaded unasked
};

// The tools the menu has room for: ID_TOOL_FIRST to ID_TOOL_LAST.
constexpr int kMaxTools = 80;
// Room for the expanded command line and the menu text.
constexpr size_t kToolTextLimit = 512;

struct ToolEntry {
    std::string name;
    std::string command;   // program '?' arguments
    std::string folder;
    std::string keys;      // "flags + 65536 x key" numbers, ','-separated
    std::string patterns;  // ';'-separated wildcards
    uint32_t flags = 0;
};

// One line of the section: the text as read, and the entry when it parses.
struct ToolLine {
    std::string text;
    bool parsed = false;
    ToolEntry entry;
};

// A value (valueOnly) or a whole line (name before the first '=', which
// must be there); false when a separator is missing.
bool ParseToolEntry(ToolEntry& entry, const std::string& text, bool valueOnly);
// The value's text; false (nothing written) when a part holds one of the
// separators that would end it early: '|' in the command, folder or
// patterns, '?' in the keys, or a name with '=' or nothing in it.
bool FormatToolValue(const ToolEntry& entry, std::string& value);

// The shortcuts of a keys list for a command: each number is flags (low
// byte) + 65536 x virtual key; a 0 (or text that is no number) ends the list.
std::vector<ACCEL> ParseToolKeys(const std::string& keys, WORD command);

// Every line of the section, in order, whole however long the section is.
std::vector<ToolLine> ReadToolLines(const CAppSettings& settings);
// Replaces the section with the lines: parsed ones formatted, the others as
// they were read. False when an entry could not be formatted (nothing written).
bool WriteToolLines(const CAppSettings& settings, const std::vector<ToolLine>& lines);

// Whether a tool applies to a document path ("" for none, "<...>" for an
// untitled one): always without kToolNeedsDocument; else a named document
// whose path matches the patterns when there are any.
bool ToolAppliesTo(const ToolEntry& entry, const std::string& documentPath);

// The command as it is run: the first '?' becomes a space, and the program
// before it is quoted when it holds blanks and is not quoted already.
std::string ToolCommandLine(const std::string& expanded);
