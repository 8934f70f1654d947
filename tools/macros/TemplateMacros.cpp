#include "TemplateMacros.h"

#include <cstdio>
#include <cstring>

#include "DbcsText.h"
#include "IniKeys.h"

namespace {

// Every PackBuf offers at least this much text room in a fresh block.
constexpr size_t kSmallestBlockRoom = 1024 - 8;

const char* const kMonthNames[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

const char* MonthName(const SYSTEMTIME& time) {
    return time.wMonth >= 1 && time.wMonth <= 12 ? kMonthNames[time.wMonth - 1] : "";
}

SYSTEMTIME Now(const MacroSources& sources) {
    if (sources.now) return sources.now();
    SYSTEMTIME time{};
    ::GetLocalTime(&time);
    return time;
}

std::string UserValue(const MacroSources& sources, const char* key, const char* fallback) {
    return sources.userValue ? sources.userValue(key, fallback) : std::string(fallback);
}

std::string Format(const char* format, int value) {
    char text[16];
    std::snprintf(text, sizeof(text), format, value);
    return text;
}

bool StartsWith(const char* text, const char* prefix) { return std::strncmp(text, prefix, std::strlen(prefix)) == 0; }

}  // namespace

void ApplyLetterCase(std::string& text, LetterCase mode) {
    if (mode == LetterCase::kNone) return;
    // By character: a trail byte of a double-byte character may look like a letter.
    for (size_t i = 0; i < text.size();) {
        const char* at = text.c_str() + i;
        const size_t step = (size_t)(::CharNextA(at) - at);
        char& c = text[i];
        if (step == 1) {
            if (mode == LetterCase::kUpper && c >= 'a' && c <= 'z') c = (char)(c - 'a' + 'A');
            if (mode == LetterCase::kLower && c >= 'A' && c <= 'Z') c = (char)(c - 'A' + 'a');
        }
        i += step ? step : 1;
    }
}

bool ResolveFileMacro(const std::string& name, std::string& value, const std::string& path) {
    const char* slash = FindLastChar(path.c_str(), '\\');
    const std::string fileName = slash ? std::string(slash + 1) : std::string();
    if (name == "FILE") {
        value = path;
    } else if (name == "FILENAME") {
        value = fileName;
    } else if (name == "FILE_PATH") {
        value = slash ? path.substr(0, (size_t)(slash - path.c_str())) : std::string();
    } else if (name == "FILE_BASE" || name == "FILE_EXT") {
        // Both from the file name, so a dot in a folder name is no extension.
        const char* dot = FindLastChar(fileName.c_str(), '.');
        const size_t at = dot ? (size_t)(dot - fileName.c_str()) : fileName.size();
        value = name == "FILE_BASE" ? fileName.substr(0, at) : (dot ? fileName.substr(at + 1) : std::string());
    } else {
        return false;
    }
    return true;
}

bool ResolveDateMacro(const std::string& name, std::string& value, const SYSTEMTIME& now) {
    char text[64];
    if (name == "YEAR") {
        value = Format("%d", now.wYear);
    } else if (name == "MONTH") {
        value = Format("%d", now.wMonth);
    } else if (name == "MONTH_02") {
        value = Format("%02d", now.wMonth);
    } else if (name == "MONTHNAME") {
        value = MonthName(now);
    } else if (name == "DAY") {
        value = Format("%d", now.wDay);
    } else if (name == "DAY_02") {
        value = Format("%02d", now.wDay);
    } else if (name == "HOUR") {
        value = Format("%d", now.wHour);
    } else if (name == "HOUR_02") {
        value = Format("%02d", now.wHour);
    } else if (name == "MINUTE") {
        value = Format("%d", now.wMinute);
    } else if (name == "DATE") {
        std::snprintf(text, sizeof(text), "%d-%02d-%02d", now.wYear, now.wMonth, now.wDay);
        value = text;
    } else if (name == "DATENAME") {
        std::snprintf(text, sizeof(text), "%s-%02d-%02d", MonthName(now), now.wDay, now.wYear);
        value = text;
    } else {
        return false;
    }
    return true;
}

bool ResolveMacro(const std::string& name, std::string& value, LetterCase mode, const MacroSources& sources) {
    if (name.empty()) return false;
    // The user's details keep their case, whatever the form.
    if (name == "USER") {
        value = UserValue(sources, ini::kUserName, ini::kDefaultUserName);
    } else if (name == "COMPANY") {
        value = UserValue(sources, ini::kUserCompany, ini::kDefaultUserCompany);
    } else if (name == "EMAIL") {
        value = UserValue(sources, ini::kUserEmail, ini::kDefaultUserEmail);
    } else {
        bool known = false;
        switch (name[0]) {
        case 'F':
            known = ResolveFileMacro(name, value, sources.path);
            break;
        case 'D':
        case 'H':
        case 'M':
        case 'Y':
            known = ResolveDateMacro(name, value, Now(sources));
            break;
        default:
            break;
        }
        if (!known) return false;
        ApplyLetterCase(value, mode);
    }
    value.resize(FitCharacters(value.c_str(), kMacroValueMax));
    return true;
}

bool AppendExact(PackBuf* buffer, const char* text, size_t length) {
    if (!buffer) return false;
    while (length > 0) {
        size_t piece = length;
        if (piece > kSmallestBlockRoom) {
            // Cut where a character ends (the scan reads one byte past the
            // room at most, still inside the text); the rest follows.
            piece = FitCharacters(text, kSmallestBlockRoom);
            if (piece == 0) piece = kSmallestBlockRoom;
        }
        if (!::PackBufAppend(buffer, text, (int)piece)) return false;
        text += piece;
        length -= piece;
    }
    return true;
}

bool ExpandMacros(PackBuf* buffer, const char* text, const MacroSources& sources) {
    return ExpandMacros(buffer, text, text ? std::strlen(text) : 0, sources);
}

bool ExpandMacros(PackBuf* buffer, const char* text, size_t length, const MacroSources& sources) {
    if (!buffer) return false;
    if (!text) return true;
    // '$', '(' and ')' are below every trail byte, so a byte scan is safe here.
    const std::string input(text, length);
    size_t pending = 0;
    size_t scan = 0;
    for (;;) {
        const size_t open = input.find("$(", scan);
        if (open == std::string::npos) break;
        size_t nameStart = open + 2;
        LetterCase mode = LetterCase::kNone;
        if (StartsWith(input.c_str() + nameStart, "UPPER(")) {
            mode = LetterCase::kUpper;
            nameStart += 6;
        } else if (StartsWith(input.c_str() + nameStart, "LOWER(")) {
            mode = LetterCase::kLower;
            nameStart += 6;
        }
        scan = nameStart;
        const size_t close = input.find(')', nameStart);
        if (close == std::string::npos || close - nameStart >= kMacroNameLimit) continue;
        // The case forms are closed by "))"; with one ')' the text stays.
        size_t end = close + 1;
        if (mode != LetterCase::kNone) {
            if (end >= input.size() || input[end] != ')') continue;
            ++end;
        }
        std::string value;
        if (!ResolveMacro(input.substr(nameStart, close - nameStart), value, mode, sources)) continue;
        if (!AppendExact(buffer, input.data() + pending, open - pending)) return false;
        if (!AppendExact(buffer, value.data(), value.size())) return false;
        pending = scan = end;
    }
    return AppendExact(buffer, input.data() + pending, input.size() - pending);
}

bool AppendTemplateText(PackBuf* buffer, const char* content, const char* indentation, EolCode mode,
                        const MacroSources& sources) {
    if (!buffer) return false;
    const char* lineEnd = mode == kEolCrLf ? "\r\n" : mode == kEolCr ? "\r" : "\n";
    const size_t indentLength = indentation ? std::strlen(indentation) : 0;
    std::string line;
    bool first = true;
    auto flush = [&](bool ended) {
        if (!first && !AppendExact(buffer, indentation, indentLength)) return false;
        first = false;
        if (ended) line += lineEnd;
        bool done = ExpandMacros(buffer, line.data(), line.size(), sources);
        line.clear();
        return done;
    };
    for (const char* p = content ? content : ""; *p; ++p) {
        if (*p == '\r' || *p == '\n') {
            if (*p == '\r' && p[1] == '\n') ++p;
            if (!flush(true)) return false;
        } else {
            line += *p;
        }
    }
    return line.empty() || flush(false);
}
