// Replace All of a common word in a 50 MB file, driven from outside in our
// program and, when one is named, in the peer the same way in the same run:
// the median time from the Replace All click until the component holds the
// new text and the program answers, and the peak commit beyond the document
// as loaded, each with the ratio. The in-process bench of the view's
// Replace All times the same text and pattern without the program around it.
// Usage: replace_bench FILE [RUNS [PEER_EXE PEER_WINDOW_CLASS]].
#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "ProgramProcess.h"
#include "ReplaceDrive.h"
#include "TempFolder.h"
#include "resource.h"

namespace {

// The same pattern as the in-process bench's plain case.
const std::string kFind = "value";
const std::string kReplace = "amount";

// The peer's own ids for its Replace command and the fields of its replace
// strip (its default over the dialog), which has the dialog's ids.
constexpr ReplaceControls kPeerControls{216, 222, 231, 233, 232, 237};
constexpr ReplaceControls kOurControls{ID_SEARCH_REPLACE,     IDC_SEARCH_FIND_TEXT,  IDC_SEARCH_REPLACE_TEXT,
                                       IDC_SEARCH_MATCH_CASE, IDC_SEARCH_WHOLE_WORD, IDC_SEARCH_REPLACE_ALL};

std::string ReadAll(const std::string& path) {
    std::string text;
    const HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return text;
    LARGE_INTEGER size{};
    ::GetFileSizeEx(file, &size);
    text.resize(static_cast<size_t>(size.QuadPart));
    DWORD read = 0;
    for (size_t at = 0; at < text.size(); at += read)
        if (!::ReadFile(file, &text[at], static_cast<DWORD>(std::min<size_t>(text.size() - at, 1 << 24)), &read,
                        nullptr) || read == 0)
            break;
    ::CloseHandle(file);
    return text;
}

// The component's word characters: letters, digits, '_' and every byte of a
// multi-byte character.
bool IsWordByte(unsigned char c) { return c >= 0x80 || c == '_' || std::isalnum(c); }

// Whole-word, case-sensitive matches, as the search counts them.
long long CountWholeWords(const std::string& text, const std::string& word) {
    long long count = 0;
    for (size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + word.size())) {
        const bool startsWord = at == 0 || !IsWordByte(static_cast<unsigned char>(text[at - 1]));
        const size_t end = at + word.size();
        if (startsWord && (end == text.size() || !IsWordByte(static_cast<unsigned char>(text[end])))) ++count;
    }
    return count;
}

std::string Grouped(long long n) {
    const std::string digits = std::to_string(n);
    std::string grouped;
    for (size_t at = 0; at < digits.size(); ++at) {
        if (at > 0 && (digits.size() - at) % 3 == 0) grouped += ',';
        grouped += digits[at];
    }
    return grouped;
}

void PrintTrouble(const char* who, const ReplaceFigures& figures) {
    if (!figures.trouble.empty()) std::printf("  %s: %s (%d runs timed)\n", who, figures.trouble.c_str(), figures.timed);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::printf("usage: replace_bench FILE [RUNS [PEER_EXE PEER_WINDOW_CLASS]]\n");
        return 2;
    }
    const std::string file = argv[1];
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    const std::string text = ReadAll(file);
    const long long matches = CountWholeWords(text, kFind);
    if (matches == 0) {
        std::printf("%s holds no \"%s\" to replace\n", file.c_str(), kFind.c_str());
        return 1;
    }
    const double documentMB = static_cast<double>(text.size()) / 1e6;
    const std::string row = "Replace All (plain, " + Grouped(matches) + " matches in " +
                            std::to_string(static_cast<int>(documentMB + 0.5)) + " MB)";

    TempFolder folder;
    const std::string exe = folder.File("Tarnwick.exe");
    ::CopyFileA((BuildFolder() + "\\Tarnwick.exe").c_str(), exe.c_str(), FALSE);
    const ReplaceFigures ours = MedianReplaceAll(runs, exe, folder.Path(), "CMainFrame", "languagewnd", file,
                                                 kOurControls, kFind, kReplace, matches);
    ReplaceFigures theirs;
    const bool peer = argc > 4;
    if (peer) {
        const std::string peerExe = argv[3];
        theirs = MedianReplaceAll(runs, peerExe, peerExe.substr(0, peerExe.find_last_of('\\')), argv[4], "Scintilla",
                                  file, kPeerControls, kFind, kReplace, matches);
    }

    if (ours.milliseconds < 0) {
        std::printf("%s: ours could not be driven\n", row.c_str());
    } else {
        std::printf("%s: median %.0f ms, peak %.0f MB beyond the document (%.2f x its size; goal 2)", row.c_str(),
                    ours.milliseconds, ours.peakBytes / 1e6, ours.peakBytes / 1e6 / documentMB);
        if (theirs.milliseconds >= 0)
            std::printf("; peer %.0f ms, %.0f MB; ratio %.2f, %.2f", theirs.milliseconds, theirs.peakBytes / 1e6,
                        ours.milliseconds / theirs.milliseconds, ours.peakBytes / theirs.peakBytes);
        else if (peer)
            std::printf("; the peer could not be driven");
        std::printf(" (medians of %d runs)\n", ours.timed);
    }
    PrintTrouble("ours", ours);
    PrintTrouble("peer", theirs);
    return ours.milliseconds < 0 ? 1 : 0;
}
