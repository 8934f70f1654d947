#pragma once
// The edit behind Replace All: the matches of a target search are replaced
// in a few large pieces instead of one by one, so that the undo history of
// the one undo action stays near the size of the text it changed, with the
// same result as replacing match by match. Also the target search helpers
// that the view's find and replace share.
#include <string>

#include "EditorView.h"

// Searches [start, end) (backwards when start > end) with the view's search
// flags; the match start or -1, the match in the target.
sptr_t SearchIn(const CEditorView& view, sptr_t start, sptr_t end, const std::string& pattern);

// One character on from position; CR LF counts as one.
sptr_t StepOver(const CEditorView& view, sptr_t position);

// The matches in [rangeStart, rangeEnd) are replaced; rangeEnd
// follows the edits. regex: the replacement is a regular-expression
// substitution (\0 to \9, \a \b \f \n \r \t \v \\). wholeWord: a match
// depends on the character before it, so a match right after another is
// looked for again once the other is replaced. Answers the count and sets
// *last to the end of the last replacement. The caller holds the undo action.
int ReplaceAllInBatches(const CEditorView& view, const std::string& pattern, const std::string& replacement,
                        bool regex, bool wholeWord, sptr_t rangeStart, sptr_t& rangeEnd, sptr_t* last);
