#include "UpdaterLogic.h"

#include <windows.h>

#include <cstdio>

namespace vantrel {

UpdaterSwitches ParseUpdaterCommandLine(const std::vector<std::string>& arguments) {
    UpdaterSwitches switches;
    for (const std::string& argument : arguments) {
        if (argument.size() < 2) continue;
        if (argument[0] != '-' && argument[0] != '/' && argument[0] != '\\') continue;
        const char c = argument[1];
        if (c == 'S' || c == 's') switches.silent = true;
        if (c == 'X' || c == 'x') switches.temporaryCopy = true;
    }
    return switches;
}

std::vector<std::string> SplitArguments(std::string_view commandLine) {
    std::vector<std::string> arguments;
    std::string current;
    bool quoted = false, any = false;
    for (char c : commandLine) {
        if (c == '"') {
            quoted = !quoted;
            any = true;
        } else if ((c == ' ' || c == '\t') && !quoted) {
            if (any) arguments.push_back(current);
            current.clear();
            any = false;
        } else {
            current += c;
            any = true;
        }
    }
    if (any) arguments.push_back(current);
    return arguments;
}

Version InstalledVersion(uint32_t versionMS, uint32_t versionLS) {
    return Version{static_cast<int>(HIWORD(versionMS)), static_cast<int>(LOWORD(versionMS)),
                   static_cast<int>(HIWORD(versionLS))};
}

namespace {

// The text up to the next line feed, without a carriage return before it.
std::string_view CutLine(std::string_view text, size_t end) {
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

// The leading decimal number of the text; false when it has no digit.
bool LeadingNumber(std::string_view text, int& value, size_t& used) {
    used = 0;
    long long v = 0;
    while (used < text.size() && text[used] >= '0' && text[used] <= '9') {
        v = v * 10 + (text[used] - '0');
        if (v > 0x7FFFFFFF) v = 0x7FFFFFFF;
        ++used;
    }
    value = static_cast<int>(v);
    return used > 0;
}

}  // namespace

bool SplitReply(std::string_view reply, ServerReply& out) {
    out = ServerReply{};
    const size_t first = reply.find('\n');
    if (first == std::string_view::npos) return false;
    out.packageName = std::string(CutLine(reply, first));
    std::string_view rest = reply.substr(first + 1);
    const size_t second = rest.find('\n');
    if (second == std::string_view::npos) {
        out.mirrorLine = std::string(rest);
        return true;
    }
    out.mirrorLine = std::string(CutLine(rest, second));
    out.notes = std::string(rest.substr(second + 1));
    return true;
}

std::vector<std::string> SplitMirrors(std::string_view mirrorLine) {
    std::vector<std::string> mirrors;
    size_t start = 0;
    for (;;) {
        const size_t bar = mirrorLine.find('|', start);
        std::string_view piece = mirrorLine.substr(start, bar == std::string_view::npos ? std::string_view::npos : bar - start);
        if (!piece.empty()) mirrors.emplace_back(piece);
        if (bar == std::string_view::npos) break;
        start = bar + 1;
    }
    return mirrors;
}

bool ReadPackageVersion(std::string_view packageName, Version& out) {
    // The name becomes a file name below the download folder.
    if (packageName.empty() || packageName.find("..") != std::string_view::npos ||
        packageName.find_first_of("\\/:") != std::string_view::npos)
        return false;
    const size_t underscore = packageName.find('_');
    if (underscore == std::string_view::npos) return false;
    std::string_view text = packageName.substr(underscore + 1);
    if (text.size() > 99) return false;
    size_t used = 0;
    if (!LeadingNumber(text, out.major, used) || out.major == 0) return false;
    text.remove_prefix(used);
    if (text.empty() || text[0] != '.') return false;
    text.remove_prefix(1);
    LeadingNumber(text, out.minor, used);
    text.remove_prefix(used);
    if (text.empty() || text[0] != '.') return false;
    text.remove_prefix(1);
    LeadingNumber(text, out.build, used);
    return true;
}

bool IsNewerVersion(const Version& package, const Version& installed) {
    if (package.major != installed.major) return package.major > installed.major;
    if (package.minor != installed.minor) return package.minor > installed.minor;
    return package.build > installed.build;
}

std::string AdapterText(const std::vector<AdapterRecord>& adapters) {
    constexpr unsigned kAddressField = 8;  // MAX_ADAPTER_ADDRESS_LENGTH
    for (const AdapterRecord& adapter : adapters) {
        if (adapter.addressLength > kAddressField) return "";
        if (adapter.description.compare(0, 6, "VMvare") == 0) continue;
        std::string text;
        char digits[3];
        for (unsigned i = 0; i < adapter.addressLength && i < adapter.address.size(); ++i) {
            std::snprintf(digits, sizeof digits, "%02X", adapter.address[i]);
            text += digits;
        }
        return text;
    }
    return "";
}

std::string ProcessorText(uint32_t eax, uint32_t ebx, uint32_t ecx, uint32_t edx) {
    if ((eax & 0xFF) == 0) return "";
    std::string text;
    char digits[3];
    for (uint32_t reg : {eax, ebx, ecx, edx}) {
        for (int i = 0; i < 4; ++i) {
            std::snprintf(digits, sizeof digits, "%02X", static_cast<unsigned>((reg >> (8 * i)) & 0xFF));
            text += digits;
        }
    }
    return text;
}

std::string RequestPath(int productId, const std::string& adapter, const std::string& processor) {
    char path[160];
    std::snprintf(path, sizeof path, "/version.asp?id=%d&mac=%s&cpuid=%s", productId, adapter.c_str(), processor.c_str());
    return path;
}

int DownloadPercent(unsigned long progress, unsigned long maximum) {
    int percent = ::MulDiv(static_cast<int>(progress), 100, static_cast<int>(maximum));
    if (percent < 0) percent = 0;
    if (percent > 90) percent = 90;
    return percent;
}

std::string ProgramBaseName(const std::string& fileName) {
    const size_t dot = fileName.rfind('.');
    return dot == std::string::npos ? fileName : fileName.substr(0, dot);
}

namespace {

bool EqualNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

}  // namespace

bool IsUpdatersOwnPath(std::string_view relative) {
    std::string path(relative);
    for (char& c : path)
        if (c == '/') c = '\\';
    if (EqualNoCase(path, kSetAsideList)) return true;
    for (std::string_view folder : {std::string_view(kStagingFolder), std::string_view(kBackupFolder)}) {
        if (EqualNoCase(path, folder)) return true;
        if (path.size() > folder.size() && path[folder.size()] == '\\' &&
            EqualNoCase(std::string_view(path).substr(0, folder.size()), folder))
            return true;
    }
    return false;
}

std::string CabinetEntryTarget(const std::string& programFolder, const std::string& entryName) {
    if (entryName.empty() || entryName[0] == '\\' || entryName[0] == '/') return "";
    if (entryName.find(':') != std::string::npos) return "";
    size_t start = 0;
    for (;;) {
        const size_t end = entryName.find_first_of("\\/", start);
        const std::string part = entryName.substr(start, end == std::string::npos ? std::string::npos : end - start);
        // The system drops a final '.' or blank from a name, so "x." would
        // land on "x"; ".." would leave the folder.
        if (part.empty() || part.back() == '.' || part.back() == ' ') return "";
        if (end == std::string::npos) break;
        start = end + 1;
    }
    if (IsUpdatersOwnPath(entryName)) return "";
    std::string target = programFolder + "\\" + entryName;
    if (target.size() >= MAX_PATH) return "";
    return target;
}

std::string FillTexts(std::string_view format, const std::vector<std::string>& texts) {
    std::string out;
    size_t next = 0;
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size() && format[i + 1] == 's') {
            if (next < texts.size()) out += texts[next];
            ++next;
            ++i;
        } else if (format[i] == '%' && i + 1 < format.size() && format[i + 1] == '%') {
            out += '%';
            ++i;
        } else {
            out += format[i];
        }
    }
    return out;
}

}  // namespace vantrel
