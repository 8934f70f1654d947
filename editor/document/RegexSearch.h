#pragma once
// Regular-expression searches of a view's text with the component's own
// engine, run here instead of inside the component: the component would run
// a backtracking pattern over a long line to its end on the window thread.
// Here the engine reads the text through a watch that, once a search has
// taken long, lets the window answer and paint, and stops the search when
// the user presses Esc or when the text changes under it.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "EditorView.h"

// Why a search was stopped; thrown out of the engine by the watch.
enum class SearchStop { User, TextChanged };
struct SearchStopped {
    SearchStop reason;
};

// The clock and the stop of one search operation (all its searches).
class CSearchWatch {
public:
    // onSlow runs once, when the operation first lets the window work.
    explicit CSearchWatch(const CEditorView& view, std::function<void()> onSlow = {});
    ~CSearchWatch();
    CSearchWatch(const CSearchWatch&) = delete;
    CSearchWatch& operator=(const CSearchWatch&) = delete;

    // Called now and then while the engine reads; throws SearchStopped.
    void Check();
    // Counts one read of the text and checks every so many reads; true
    // when it checked (messages may have been handled meanwhile).
    bool CountRead() {
        if (--m_reads > 0) return false;
        m_reads = kReadsPerCheck;
        Check();
        return true;
    }
    bool WasSlow() const { return m_slow; }

private:
    // Reads between two looks at the clock, counted over every search of the
    // operation: one line, or the way to one match, is often far fewer, and a
    // count that started again at each would never look.
    static constexpr int kReadsPerCheck = 1 << 16;

    bool EscapePressed() const;
    void Pump();

    const CEditorView& m_view;
    std::function<void()> m_onSlow;
    ULONGLONG m_start;
    bool m_slow = false;
    int m_reads = kReadsPerCheck;
};

// One compiled pattern over one view, with the groups of its last match.
class CRegexFinder {
public:
    // flags: the component's search flags (case and POSIX are read).
    CRegexFinder(const CEditorView& view, const std::string& pattern, int flags, CSearchWatch& watch);
    ~CRegexFinder();
    CRegexFinder(const CRegexFinder&) = delete;
    CRegexFinder& operator=(const CRegexFinder&) = delete;

    // As the component's search of [start, end) (backwards when start >
    // end): the match start or -1; the target is set to the match.
    sptr_t Search(sptr_t start, sptr_t end);
    // Group n (0 the whole match) of the last match: [begin, end), or begin
    // -1 when it took no part.
    std::pair<sptr_t, sptr_t> Group(int n) const;

private:
    struct Engine;
    const CEditorView& m_view;
    std::string m_pattern;
    bool m_valid = false;
    CSearchWatch& m_watch;
    std::unique_ptr<Engine> m_engine;
};

// The searches of one operation with the view's search flags: the
// component's own for plain text, the watched engine for a regular
// expression.
class CViewFinder {
public:
    CViewFinder(const CEditorView& view, const std::string& pattern, CSearchWatch* watch);
    // [start, end), backwards when start > end: the match start or -1, the
    // match in the target.
    sptr_t Search(sptr_t start, sptr_t end) const;
    bool IsRegex() const { return m_regex != nullptr; }
    // Group n of the last regular-expression match, as CRegexFinder::Group.
    std::pair<sptr_t, sptr_t> Group(int n) const { return m_regex->Group(n); }
    const std::string& Pattern() const { return m_pattern; }

private:
    const CEditorView& m_view;
    std::string m_pattern;
    std::unique_ptr<CRegexFinder> m_regex;
};
