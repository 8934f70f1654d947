#pragma once
// Macros of templates and tool command lines: "$(NAME)", "$(UPPER(NAME))"
// and "$(LOWER(NAME))" replaced by facts about the active document, the
// local date and time, and the user's details. The expanded text goes into a
// PackBuf, always in pieces of their exact length.
#include <windows.h>

#include <functional>
#include <string>

#include <dovari.h>

#include "EncodingCodes.h"

// What the macros are made of, handed down by the caller.
struct MacroSources {
    // The active document's path; "<new>" for an untitled one (which gives
    // FILE "<new>" and every other file macro empty); "" without a document.
    std::string path;
    // The local time, asked anew for each date macro; null: the system clock.
    std::function<SYSTEMTIME()> now;
    // A "USER" key of the settings, or fallback when it is absent; null: the fallback.
    std::function<std::string(const char* key, const char* fallback)> userValue;
};

enum class LetterCase {
    kLower = 0,
    kUpper = 1,
    kNone = 2,  // the plain "$(NAME)" form
};

// Names shorter than this are looked up; values are cut to kMacroValueMax bytes.
constexpr size_t kMacroNameLimit = 256;
constexpr size_t kMacroValueMax = 511;

// Changes the letters a-z or A-Z to the case; double-byte characters and
// everything else stay. kNone changes nothing.
void ApplyLetterCase(std::string& text, LetterCase mode);

// The value of a macro name, in the case given; false for a name that is no macro.
bool ResolveMacro(const std::string& name, std::string& value, LetterCase mode, const MacroSources& sources);
bool ResolveFileMacro(const std::string& name, std::string& value, const std::string& path);
bool ResolveDateMacro(const std::string& name, std::string& value, const SYSTEMTIME& now);

// Appends text to the buffer with every known macro replaced; anything else
// (unknown names, unclosed or over-long macros) stays as written. False when
// the buffer refused a piece.
bool ExpandMacros(PackBuf* buffer, const char* text, const MacroSources& sources);
bool ExpandMacros(PackBuf* buffer, const char* text, size_t length, const MacroSources& sources);

// Appends a template's content line by line: each line end (CR, LF or CR LF)
// becomes the document's (kEolCrLf, kEolCr, kEolLf; any other mode LF), every line after the first is preceded by the
// indentation (not expanded), and each line is expanded on its own, so no
// macro spans two lines. A content ending in a line end adds no indentation
// after it. False when the buffer refused a piece.
bool AppendTemplateText(PackBuf* buffer, const char* content, const char* indentation, EolCode mode,
                        const MacroSources& sources);

// Appends length bytes exactly, in pieces that fit the smallest block and
// never part a double-byte character; nothing for an empty text.
bool AppendExact(PackBuf* buffer, const char* text, size_t length);
