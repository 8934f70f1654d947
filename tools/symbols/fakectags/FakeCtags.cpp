// A stand-in for ctags in the runner's tests, with the same command-line
// shape: it writes the fixture "<path>.tags" to its standard output with
// CR LF line ends. TW_FAKE_CTAGS_MODE picks a misbehaviour:
//   warn   a warning line (no tabs) after the first tag, on both streams
//   hang   ends its output, then keeps running for a minute
//   stall  keeps its output open and runs for a minute
// A fixture whose first line is "!sleep MS" makes a slow ctags: once the
// fixture is read it writes "<path>.read", so that a test knows the run has
// taken the fixture as it was, and waits MS milliseconds before its output.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

void Write(HANDLE out, const std::string& text) {
    DWORD written = 0;
    ::WriteFile(out, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

// The text between the last pair of double quotes.
std::string QuotedPath(const char* commandLine) {
    const char* close = std::strrchr(commandLine, '"');
    if (!close) return {};
    const char* open = close - 1;
    while (open >= commandLine && *open != '"') --open;
    return open < commandLine ? std::string() : std::string(open + 1, close);
}

}  // namespace

int main() {
    const std::string path = QuotedPath(::GetCommandLineA());
    char mode[16] = {};
    ::GetEnvironmentVariableA("TW_FAKE_CTAGS_MODE", mode, sizeof(mode));
    FILE* tags = std::fopen((path + ".tags").c_str(), "rb");
    if (!tags) {
        std::fprintf(stderr, "ctags: cannot open \"%s\"\n", path.c_str());
        return 1;
    }
    std::vector<std::string> lines;
    char line[4096];
    while (std::fgets(line, sizeof(line), tags)) {
        std::string text = line;
        while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
        lines.push_back(text);
    }
    std::fclose(tags);
    static const char kSleep[] = "!sleep ";
    if (!lines.empty() && lines[0].rfind(kSleep, 0) == 0) {
        const DWORD sleepMs = static_cast<DWORD>(std::atoi(lines[0].c_str() + sizeof(kSleep) - 1));
        lines.erase(lines.begin());
        if (FILE* read = std::fopen((path + ".read").c_str(), "wb")) std::fclose(read);
        ::Sleep(sleepMs);
    }
    HANDLE out = ::GetStdHandle(STD_OUTPUT_HANDLE);
    bool first = true;
    for (const std::string& text : lines) {
        Write(out, text + "\r\n");
        if (first && std::strcmp(mode, "warn") == 0) {
            const std::string warning = "ctags.exe: Warning: ignoring null tag in " + path + "\r\n";
            Write(out, warning);
            Write(::GetStdHandle(STD_ERROR_HANDLE), warning);
        }
        first = false;
    }
    if (std::strcmp(mode, "hang") == 0) {
        // Ends the output for good: under Wine the process holds more than one
        // handle to the pipe (the runtime's and the start-up's copies, not all
        // of them reported as pipes), so every handle goes; it only sleeps now.
        std::fclose(stdout);
        for (UINT_PTR value = 4; value < 0x1000; value += 4) ::CloseHandle(reinterpret_cast<HANDLE>(value));
        ::Sleep(60000);
    } else if (std::strcmp(mode, "stall") == 0) {
        ::Sleep(60000);
    }
    return 0;
}
