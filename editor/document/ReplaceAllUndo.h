#pragma once
// Replace All's undo kept by the editor instead of the component's history,
// which would keep every replaced text twice: a plain Replace All edits with
// the component's undo collection off and leaves one container action in
// that history, whose token names a compact record here. The component tells
// of that action's undo and redo while it is still inside its own change,
// where it refuses edits, so the view notes the step then (NoteStep) and the
// text is reverted or redone the moment the outermost call into the
// component returns (Leave): before the next message, so a second undo never
// meets unreverted text. Records are per document; views that share one act
// once, on the view the undo came through.
#include <map>
#include <vector>

#include <scintilla/Scintilla.h>

#include "ReplaceAllRecord.h"

class CEditorView;

// Whether a Replace All on view can keep its undo record here: the view hears
// its own notifications, and the component collects undo and takes edits.
bool CanKeepReplaceAllRecord(const CEditorView& view);

// ReplaceAllInBatches of a plain search with the record kept here; not for
// inside an open undo action (turning collection off closes it). The caller
// holds the notifications back (CQuietChanges).
int ReplaceAllRecorded(CEditorView& view, const std::string& pattern, const std::string& replacement,
                       bool wholeWord, sptr_t rangeStart, sptr_t& rangeEnd, sptr_t* last);

class CUndoRecords {
public:
    // The records of the views of this thread.
    static CUndoRecords& OfThread();

    void AddView(CEditorView& view);
    // The last view of a document takes its records with it.
    void RemoveView(CEditorView& view);
    // After view was given another document: old may have lost its last view.
    void DocumentChanged(sptr_t old);

    // A call into the component begins and ends; the end of the outermost
    // carries out the steps noted during it, on view when it is given.
    void Enter() { ++m_depth; }
    void Leave(CEditorView* view);

    // The component undid (or redid) the container action of token.
    void NoteStep(sptr_t document, int token, bool undo);
    // The document's undo history was emptied.
    void Forget(sptr_t document);

    // Keeps record for document; answers the token for its container action.
    int Add(sptr_t document, CReplaceAllRecord record);
    size_t RecordCount(sptr_t document) const;
    // Sends SCN_SAVEPOINTLEFT, as the component does, for every view of
    // document: the edits went in with collection off, which the component
    // does not tell of.
    void TellSavePointLeft(sptr_t document) const;

private:
    struct Entry {
        int token;
        CReplaceAllRecord record;
        bool undone;
    };
    struct Step {
        int token;
        bool undo;
    };
    struct Records {
        std::vector<Entry> entries;
        std::vector<Step> pending;
    };

    CEditorView* ViewOf(sptr_t document, CEditorView* preferred) const;
    void CarryOut(CEditorView* preferred);
    // Frees the records whose actions the component no longer holds: done
    // ones once it can undo nothing, undone ones once it can redo nothing
    // (a new edit dropped them).
    void Prune(CEditorView& view);

    std::map<sptr_t, Records> m_documents;
    std::vector<CEditorView*> m_views;
    int m_depth = 0;
    int m_serial = 0;
};
