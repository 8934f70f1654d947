#pragma once
// The edit behind Replace All: the matches of a target search are replaced
// in a few large pieces instead of one by one, so that the undo history of
// the one undo action stays near the size of the text it changed, with the
// same result as replacing match by match. Also the substitution and the
// step over one character that the view's find and replace share, and the
// piece writer that the undo and redo of a kept record put their changes in
// with.
#include <string>
#include <string_view>

#include "EditorView.h"

class CReplaceAllRecord;
class CViewFinder;

// The replacement of finder's current match: for a regular expression the
// substitution as the component builds it (\0 to \9 and the escapes).
std::string Substitute(const CEditorView& view, const CViewFinder& finder, const std::string& replacement);

// One character on from position; CR LF counts as one.
sptr_t StepOver(const CEditorView& view, sptr_t position);

// The matches of finder in [rangeStart, rangeEnd) are replaced; rangeEnd
// follows the edits. For a regular expression the replacement is a
// substitution (\0 to \9, \a \b \f \n \r \t \v \\). wholeWord: a match
// depends on the character before it, so a match right after another is
// looked for again once the other is replaced. Answers the count and sets
// *last to the end of the last replacement. The caller holds the undo action,
// or gives a record, which gets every match in the text as it was before.
int ReplaceAllInBatches(const CEditorView& view, const CViewFinder& finder, const std::string& replacement,
                        bool wholeWord, sptr_t rangeStart, sptr_t& rangeEnd, sptr_t* last,
                        CReplaceAllRecord* record = nullptr);

// Changes in increasing order, put in as few large pieces: a change close
// enough after the last one joins its piece with the text between them.
// Positions are in the text as it is when a change is given: a piece not yet
// put in leaves the text after it where it was.
class CPieceWriter {
public:
    explicit CPieceWriter(const CEditorView& view) : m_view(view) {}
    CPieceWriter(const CPieceWriter&) = delete;
    CPieceWriter& operator=(const CPieceWriter&) = delete;

    bool Pending() const { return m_start >= 0; }
    // The end of the text the pending piece stands for.
    sptr_t PieceEnd() const { return m_copied; }
    // [start, end) becomes text, start at or after PieceEnd. A change too far
    // on puts the pending piece in first; answers by how much that moved the
    // text after it (start and end are for the text before).
    sptr_t Replace(sptr_t start, sptr_t end, std::string_view text);
    // Puts the pending piece in; answers by how much the text after it moved.
    sptr_t Flush();
    // All the moves so far: a position of the text before the first change
    // that lies after the changes put in is this much further on.
    sptr_t Shift() const { return m_shift; }
    // The end of the last piece put in, or -1.
    sptr_t LastEnd() const { return m_lastEnd; }

private:
    const CEditorView& m_view;
    std::string m_piece;  // the new text of [m_start, m_copied)
    sptr_t m_start = -1;
    sptr_t m_copied = -1;
    sptr_t m_shift = 0;
    sptr_t m_lastEnd = -1;
};
