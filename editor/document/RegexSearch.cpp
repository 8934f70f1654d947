#include "RegexSearch.h"

#include <cstddef>
#include <string>

// The engine's headers expect these before them.
#include <Position.h>
#include <CharClassify.h>
#include <RESearch.h>

#include "ResourceText.h"
#include "resource.h"

using Scintilla::Internal::CharacterIndexer;
using Scintilla::Internal::CharClassify;
using Scintilla::Internal::CharacterClass;
using Scintilla::Internal::RESearch;

namespace {

// A search shorter than this runs as the component's would, untouched.
constexpr ULONGLONG kQuietMilliseconds = 200;

// Where the text is: the two halves of the component's gap buffer, read in
// place (asking for the whole text at once would move the gap, a copy of
// the text, each time).
struct TextHalves {
    const char* first = nullptr;
    const char* second = nullptr;  // indexed from the gap
    sptr_t gap = 0;
    sptr_t length = 0;
    bool operator==(const TextHalves& o) const {
        return first == o.first && second == o.second && gap == o.gap && length == o.length;
    }
};

TextHalves HalvesOf(const CEditorView& view) {
    TextHalves h;
    h.length = view.Send(SCI_GETLENGTH);
    h.gap = view.Send(SCI_GETGAPPOSITION);
    if (h.gap > h.length) h.gap = h.length;
    h.first = reinterpret_cast<const char*>(view.Send(SCI_GETRANGEPOINTER, 0, h.gap));
    h.second = reinterpret_cast<const char*>(
        view.Send(SCI_GETRANGEPOINTER, static_cast<uptr_t>(h.gap), h.length - h.gap));
    return h;
}

}  // namespace

struct CRegexFinder::Engine {
    CharClassify classes;
    RESearch search{&classes};
};

namespace {

// The text up to end, as the engine reads it; the watch counts the reads.
class CWatchedText : public CharacterIndexer {
public:
    CWatchedText(const TextHalves& text, sptr_t end, CSearchWatch& watch, const CEditorView& view)
        : m_text(text), m_end(end), m_watch(watch), m_view(view) {}
    char CharAt(Sci::Position index) const override {
        if (index < 0 || index >= m_end) return 0;
        // A message handled meanwhile may have moved or changed the text.
        if (m_watch.CountRead() && !(HalvesOf(m_view) == m_text)) throw SearchStopped{SearchStop::TextChanged};
        return index < m_text.gap ? m_text.first[index] : m_text.second[index - m_text.gap];
    }

private:
    TextHalves m_text;
    sptr_t m_end;
    CSearchWatch& m_watch;
    const CEditorView& m_view;
};

}  // namespace

CSearchWatch::CSearchWatch(const CEditorView& view, std::function<void()> onSlow)
    : m_view(view), m_onSlow(std::move(onSlow)), m_start(::GetTickCount64()) {}

CSearchWatch::~CSearchWatch() {
    if (m_slow) m_view.Host().SetStatusMessage(nullptr);
}

bool CSearchWatch::EscapePressed() const {
    MSG msg;
    // Esc queued for a window of this thread (the view or the find dialog).
    if (::PeekMessageA(&msg, nullptr, WM_KEYDOWN, WM_KEYDOWN, PM_NOREMOVE) && msg.wParam == VK_ESCAPE) {
        ::PeekMessageA(&msg, msg.hwnd, WM_KEYDOWN, WM_KEYDOWN, PM_REMOVE);
        return true;
    }
    // Behind other keys typed meanwhile: the key's state, while this program
    // has the foreground, so that Esc in another program stops nothing.
    DWORD process = 0;
    ::GetWindowThreadProcessId(::GetForegroundWindow(), &process);
    return process == ::GetCurrentProcessId() && (::GetAsyncKeyState(VK_ESCAPE) & 0x8000) != 0;
}

void CSearchWatch::Pump() {
    MSG msg;
    // Looking at the queue delivers the messages other threads sent.
    ::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    // A window whose painting leaves it invalid would come back for ever.
    for (int i = 0; i < 64 && ::PeekMessageA(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE); ++i)
        ::DispatchMessageA(&msg);
}

void CSearchWatch::Check() {
    if (!m_slow) {
        if (::GetTickCount64() - m_start < kQuietMilliseconds) return;
        m_slow = true;
        m_view.Host().SetStatusMessage(LoadText(IDS_SEARCH_RUNNING).c_str());
        if (m_onSlow) m_onSlow();
    }
    Pump();
    if (EscapePressed()) throw SearchStopped{SearchStop::User};
}

CRegexFinder::CRegexFinder(const CEditorView& view, const std::string& pattern, int flags, CSearchWatch& watch)
    : m_view(view), m_pattern(pattern), m_watch(watch), m_engine(std::make_unique<Engine>()) {
    // The word characters of the document, as its own engine has them.
    std::string words(static_cast<size_t>(view.Send(SCI_GETWORDCHARS)) + 1, '\0');
    words.resize(static_cast<size_t>(view.Send(SCI_GETWORDCHARS, 0, reinterpret_cast<sptr_t>(words.data()))));
    for (int ch = 0; ch < 256; ++ch) {
        if (!m_engine->classes.IsWord(static_cast<unsigned char>(ch))) continue;
        const unsigned char one[2] = {static_cast<unsigned char>(ch), 0};
        if (ch != 0) m_engine->classes.SetCharClasses(one, CharacterClass::punctuation);
    }
    m_engine->classes.SetCharClasses(reinterpret_cast<const unsigned char*>(words.c_str()), CharacterClass::word);
    m_valid = !pattern.empty() && m_engine->search.Compile(pattern.data(), static_cast<Sci::Position>(pattern.size()),
                                                           (flags & SCFIND_MATCHCASE) != 0,
                                                           (flags & SCFIND_POSIX) != 0) == nullptr;
}

CRegexFinder::~CRegexFinder() = default;

std::pair<sptr_t, sptr_t> CRegexFinder::Group(int n) const {
    const RESearch& s = m_engine->search;
    if (n < 0 || n >= RESearch::MAXTAG || s.bopat[n] == RESearch::NOTFOUND || s.eopat[n] == RESearch::NOTFOUND)
        return {-1, -1};
    return {s.bopat[n], s.eopat[n]};
}

// Line by line, as the component's own search goes.
sptr_t CRegexFinder::Search(sptr_t minPos, sptr_t maxPos) {
    if (!m_valid) return -1;
    const CEditorView& v = m_view;
    auto lineOf = [&](sptr_t p) { return v.Send(SCI_LINEFROMPOSITION, static_cast<uptr_t>(p)); };
    // A position inside a character, or between CR and LF, moves on past it.
    auto outside = [&](sptr_t p, bool lineEnds) {
        const sptr_t length = v.Send(SCI_GETLENGTH);
        if (p <= 0) return sptr_t{0};
        if (p >= length) return length;
        const sptr_t before = v.Send(SCI_POSITIONBEFORE, static_cast<uptr_t>(p));
        const sptr_t after = v.Send(SCI_POSITIONAFTER, static_cast<uptr_t>(before));
        if (after == p) return p;
        if (!lineEnds && v.Send(SCI_GETCHARAT, static_cast<uptr_t>(p - 1)) == '\r' &&
            v.Send(SCI_GETCHARAT, static_cast<uptr_t>(p)) == '\n')
            return p;
        return after;
    };
    const int increment = minPos <= maxPos ? 1 : -1;
    const sptr_t startPos = outside(minPos, true), endPos = outside(maxPos, true);
    const sptr_t lineRangeStart = lineOf(startPos), lineRangeEnd = lineOf(endPos);
    const sptr_t lineRangeBreak = lineRangeEnd + increment;

    RESearch& search = m_engine->search;
    const std::string& s = m_pattern;
    const bool searchforLineStart = s[0] == '^';
    const bool searchforLineEnd = s.back() == '$' && (s.size() < 2 || s[s.size() - 2] != '\\');
    const TextHalves text = HalvesOf(v);
    sptr_t pos = -1, lenRet = 0;
    for (sptr_t line = lineRangeStart; line != lineRangeBreak; line += increment) {
        sptr_t startOfLine = v.Send(SCI_POSITIONFROMLINE, static_cast<uptr_t>(line));
        sptr_t endOfLine = v.Send(SCI_GETLINEENDPOSITION, static_cast<uptr_t>(line));
        if (increment == 1) {
            if (line == lineRangeStart) {
                if (startPos != startOfLine && searchforLineStart) continue;
                startOfLine = startPos;
            }
            if (line == lineRangeEnd) {
                if (endPos != endOfLine && searchforLineEnd) continue;
                endOfLine = endPos;
            }
        } else {
            if (line == lineRangeEnd) {
                if (endPos != startOfLine && searchforLineStart) continue;
                startOfLine = endPos;
            }
            if (line == lineRangeStart) {
                if (startPos != endOfLine && searchforLineEnd) continue;
                endOfLine = startPos;
            }
        }
        const CWatchedText di(text, endOfLine, m_watch, v);
        int success = search.Execute(di, startOfLine, endOfLine);
        if (success) {
            pos = search.bopat[0];
            search.eopat[0] = outside(search.eopat[0], false);
            lenRet = search.eopat[0] - search.bopat[0];
            // The last match of the line, backwards.
            if (increment == -1 && !searchforLineStart) {
                int repetitions = 1000;
                sptr_t bestEnd = search.eopat[0];
                RESearch best = search;
                while (success && search.eopat[0] <= endOfLine && repetitions--) {
                    success = search.Execute(di, pos + 1, endOfLine);
                    if (success) {
                        if (search.eopat[0] <= minPos) {
                            pos = search.bopat[0];
                            lenRet = search.eopat[0] - search.bopat[0];
                            bestEnd = search.eopat[0];
                            best = search;
                        } else {
                            success = 0;
                        }
                    }
                }
                search = best;
                search.eopat[0] = bestEnd;
            }
            break;
        }
    }
    if (pos >= 0) v.Send(SCI_SETTARGETRANGE, static_cast<uptr_t>(pos), pos + lenRet);
    return pos;
}

CViewFinder::CViewFinder(const CEditorView& view, const std::string& pattern, CSearchWatch* watch)
    : m_view(view), m_pattern(pattern) {
    const int flags = static_cast<int>(view.Send(SCI_GETSEARCHFLAGS));
    if ((flags & SCFIND_REGEXP) && watch) m_regex = std::make_unique<CRegexFinder>(view, pattern, flags, *watch);
}

sptr_t CViewFinder::Search(sptr_t start, sptr_t end) const {
    if (m_regex) return m_regex->Search(start, end);
    m_view.Send(SCI_SETTARGETRANGE, static_cast<uptr_t>(start), end);
    return m_view.Send(SCI_SEARCHINTARGET, m_pattern.size(), reinterpret_cast<sptr_t>(m_pattern.data()));
}
