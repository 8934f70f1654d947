#include "ReplaceAllBatches.h"

#include <algorithm>
#include <vector>

#include "RegexSearch.h"
#include "ReplaceAllRecord.h"

sptr_t StepOver(const CEditorView& view, sptr_t position) {
    if (view.Send(SCI_GETCHARAT, static_cast<uptr_t>(position)) == '\r' &&
        view.Send(SCI_GETCHARAT, static_cast<uptr_t>(position + 1)) == '\n')
        return position + 2;
    return view.Send(SCI_POSITIONAFTER, static_cast<uptr_t>(position));
}

namespace {

// Memory of the undo history: each action costs a record of about 40 bytes
// (with the slack of its growing array, about 60) and a heap block, about
// 90 bytes, and a replacement is two actions; a gap merged into a piece is
// kept twice (removed and inserted). Gaps up to this length are merged.
constexpr sptr_t kShortGap = 80;
// The text of one piece is built apart: this bounds that buffer.
constexpr size_t kPieceSize = 1 << 20;

// The replacement of the match just found, built as the component's own
// regular-expression substitution builds it, from the groups of that search.
class CSubstitution {
public:
    CSubstitution(const std::string& replacement, bool regex) {
        if (!regex) {
            m_parts.push_back({replacement, -1});
            return;
        }
        std::string literal;
        for (size_t i = 0; i < replacement.size(); ++i) {
            const char ch = replacement[i];
            const char next = i + 1 < replacement.size() ? replacement[i + 1] : '\0';
            if (ch != '\\') {
                literal += ch;
            } else if (next >= '0' && next <= '9') {
                m_parts.push_back({literal, next - '0'});
                literal.clear();
                ++i;
            } else {
                const char* escapes = "a\ab\bf\fn\nr\rt\tv\v\\\\";
                bool known = false;
                for (const char* e = escapes; *e && next; e += 2)
                    if (*e == next) {
                        literal += e[1];
                        known = true;
                        ++i;
                        break;
                    }
                if (!known) literal += '\\';  // kept, and the next character read as itself
            }
        }
        m_parts.push_back({literal, -1});
    }

    // The length of the replacement of the finder's current match.
    sptr_t Length(const CViewFinder& finder) const {
        sptr_t length = 0;
        for (const Part& part : m_parts) {
            length += static_cast<sptr_t>(part.literal.size());
            if (part.group >= 0) {
                const auto [begin, end] = finder.Group(part.group);
                if (begin >= 0 && end > begin) length += end - begin;
            }
        }
        return length;
    }

    void AppendTo(const CEditorView& view, const CViewFinder& finder, std::string& out) const {
        for (const Part& part : m_parts) {
            out += part.literal;
            if (part.group < 0) continue;
            const auto [begin, end] = finder.Group(part.group);
            if (begin < 0 || end <= begin) continue;  // a group that took no part
            out.append(reinterpret_cast<const char*>(view.Send(SCI_GETRANGEPOINTER, static_cast<uptr_t>(begin), end - begin)),
                       static_cast<size_t>(end - begin));
        }
    }

private:
    struct Part {
        std::string literal;  // put before the group
        int group;            // -1: none
    };
    std::vector<Part> m_parts;
};

// Where the search goes on after the match [start, end), or -1 when the
// range is done. An empty match would be found again where it was: the
// search steps over one character of the text.
sptr_t NextSearchStart(const CEditorView& view, bool emptyMatch, sptr_t end, sptr_t rangeEnd) {
    sptr_t next = end;
    if (emptyMatch) {
        if (next >= rangeEnd) return -1;
        next = StepOver(view, next);
    }
    return next < rangeEnd ? next : -1;
}

bool IsLineEnd(int byte) { return byte == '\r' || byte == '\n'; }

// Whether text of whole characters ends with a whole character in code page.
bool EndsWhole(const char* text, size_t length, sptr_t codePage) {
    if (length == 0 || codePage == 0) return true;
    if (codePage == SC_CP_UTF8) {
        size_t trail = 0;
        while (trail < length && trail < 3 && (static_cast<unsigned char>(text[length - 1 - trail]) & 0xC0) == 0x80)
            ++trail;
        const auto lead = static_cast<unsigned char>(text[length - 1 - std::min(trail, length - 1)]);
        const size_t size = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
        return size == trail + 1;
    }
    size_t at = 0;
    while (at < length)
        at += ::IsDBCSLeadByteEx(static_cast<UINT>(codePage), static_cast<BYTE>(text[at])) ? 2 : 1;
    return at == length;
}

// Whether the search after the match [start, end), going on in the text as
// it was, could read the text after it otherwise than after the written
// replacement (its last length bytes of piece): a line end that differs
// before the search start, or a character cut at either side of the edit.
bool ContextChanges(const CEditorView& view, sptr_t start, sptr_t end, const std::string& piece, size_t length) {
    auto byteAt = [&](sptr_t p) { return p < 0 ? -1 : static_cast<int>(view.Send(SCI_GETCHARAT, static_cast<uptr_t>(p)) & 0xFF); };
    const int original = byteAt(end - 1);
    const int replaced = length > 0 ? static_cast<unsigned char>(piece.back()) : byteAt(start - 1);
    if (original != replaced && (IsLineEnd(original) || IsLineEnd(replaced))) return true;
    if (original < 0x80 && replaced < 0x80 && byteAt(start - 1) < 0x80) return false;
    auto isBoundary = [&](sptr_t p) {
        return p == 0 || view.Send(SCI_POSITIONAFTER, static_cast<uptr_t>(view.Send(SCI_POSITIONBEFORE, static_cast<uptr_t>(p)))) == p;
    };
    if (!isBoundary(start) || !isBoundary(end)) return true;
    return !EndsWhole(piece.data() + piece.size() - length, length, view.Send(SCI_GETCODEPAGE));
}

// How much longer the text becomes, found from a pass over the matches.
sptr_t Growth(const CEditorView& view, const CViewFinder& finder, const CSubstitution& substitution,
              sptr_t found, sptr_t rangeEnd) {
    sptr_t growth = 0;
    while (found >= 0) {
        const sptr_t end = view.Send(SCI_GETTARGETEND);
        growth += substitution.Length(finder) - (end - found);
        const sptr_t next = NextSearchStart(view, found == end, end, rangeEnd);
        found = next < 0 ? -1 : finder.Search(next, rangeEnd);
    }
    return growth;
}

}  // namespace

std::string Substitute(const CEditorView& view, const CViewFinder& finder, const std::string& replacement) {
    std::string text;
    CSubstitution(replacement, finder.IsRegex()).AppendTo(view, finder, text);
    return text;
}

sptr_t CPieceWriter::Replace(sptr_t start, sptr_t end, std::string_view text) {
    sptr_t delta = 0;
    if (Pending() && (start - m_copied > kShortGap || m_piece.size() >= kPieceSize)) {
        delta = Flush();
        start += delta;
        end += delta;
    }
    if (Pending() && start > m_copied) {
        const auto* gap = reinterpret_cast<const char*>(
            m_view.Send(SCI_GETRANGEPOINTER, static_cast<uptr_t>(m_copied), start - m_copied));
        m_piece.append(gap, static_cast<size_t>(start - m_copied));
    }
    if (!Pending()) m_start = start;
    m_piece.append(text);
    m_copied = end;
    return delta;
}

sptr_t CPieceWriter::Flush() {
    if (!Pending()) return 0;
    m_view.Send(SCI_SETTARGETRANGE, static_cast<uptr_t>(m_start), m_copied);
    m_view.Send(SCI_REPLACETARGET, m_piece.size(), reinterpret_cast<sptr_t>(m_piece.data()));
    const sptr_t delta = static_cast<sptr_t>(m_piece.size()) - (m_copied - m_start);
    m_shift += delta;
    m_lastEnd = m_start + static_cast<sptr_t>(m_piece.size());
    m_start = -1;
    m_piece.clear();
    return delta;
}

int ReplaceAllInBatches(const CEditorView& view, const CViewFinder& finder, const std::string& replacement,
                        bool wholeWord, sptr_t rangeStart, sptr_t& rangeEnd, sptr_t* last,
                        CReplaceAllRecord* record) {
    const bool regex = finder.IsRegex();
    const std::string& pattern = finder.Pattern();
    const CSubstitution substitution(replacement, regex);
    sptr_t found = finder.Search(rangeStart, rangeEnd);
    // The component grows its text and style buffers by a sixth of their
    // size at a time, copying both: room for the final text made at once,
    // before the undo history fills, costs only the growth itself.
    if (regex || replacement.size() > pattern.size()) {
        const sptr_t growth = Growth(view, finder, substitution, found, rangeEnd);
        if (growth > 0) view.Send(SCI_ALLOCATE, static_cast<uptr_t>(view.Send(SCI_GETLENGTH) + growth));
        // The first match again, with its groups; looked for from where it
        // was, as a search from inside a character moves out of it first.
        found = finder.Search(rangeStart, rangeEnd);
    }

    int count = 0;
    CPieceWriter writer(view);
    std::string text;  // the replacement of one match
    auto flush = [&] {
        rangeEnd += writer.Flush();
        if (writer.LastEnd() >= 0) *last = writer.LastEnd();
    };

    while (found >= 0) {
        sptr_t start = found;
        sptr_t end = view.Send(SCI_GETTARGETEND);
        if (start == writer.PieceEnd() && writer.Pending() && (regex || wholeWord)) {
            // Replaced one by one, this match would be looked for after the
            // written replacement, whose last character may decide it.
            flush();
            found = *last < rangeEnd ? finder.Search(*last, rangeEnd) : -1;
            continue;
        }
        sptr_t next = NextSearchStart(view, start == end, end, rangeEnd);
        // Built from this search's groups, before an edit moves them.
        text.clear();
        substitution.AppendTo(view, finder, text);
        if (record)
            record->Add(start - writer.Shift(), end - start,
                        reinterpret_cast<const char*>(
                            view.Send(SCI_GETRANGEPOINTER, static_cast<uptr_t>(start), end - start)));
        const sptr_t delta = writer.Replace(start, end, text);
        rangeEnd += delta;
        if (writer.LastEnd() >= 0) *last = writer.LastEnd();
        start += delta;
        end += delta;
        if (next >= 0) next += delta;
        ++count;
        if (ContextChanges(view, start, end, text, text.size())) {
            // The search goes on in the replaced text, as one by one.
            flush();
            next = NextSearchStart(view, start == end, *last, rangeEnd);
        }
        found = next < 0 ? -1 : finder.Search(next, rangeEnd);
    }
    flush();
    return count;
}
