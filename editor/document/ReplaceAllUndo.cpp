#include "ReplaceAllUndo.h"

#include <algorithm>

#include "EditorView.h"
#include "QuietChanges.h"
#include "RegexSearch.h"
#include "ReplaceAllBatches.h"

namespace {

// Marks the tokens of our container actions; the notification carries an int.
constexpr int kTokenTag = 0x40000000;

// Edits that the component's history must not see, restored on every path.
class CUndoCollectionOff {
public:
    explicit CUndoCollectionOff(const CEditorView& view) : m_view(view) { m_view.Send(SCI_SETUNDOCOLLECTION, 0); }
    ~CUndoCollectionOff() { m_view.Send(SCI_SETUNDOCOLLECTION, 1); }
    CUndoCollectionOff(const CUndoCollectionOff&) = delete;
    CUndoCollectionOff& operator=(const CUndoCollectionOff&) = delete;

private:
    const CEditorView& m_view;
};

// Takes the text back to before the Replace All (undo) or to after it, in
// the same merged pieces, leaving the caret where undoing or redoing the
// replacements one by one would.
void Apply(CEditorView& view, const CReplaceAllRecord& record, bool undo) {
    const CQuietChanges quiet(view);
    const CUndoCollectionOff off(view);
    const int64_t growth = undo ? -record.Growth() : record.Growth();
    if (growth > 0) view.Send(SCI_ALLOCATE, static_cast<uptr_t>(view.Send(SCI_GETLENGTH) + growth));
    const std::string& replacement = record.Replacement();
    const auto replacementLength = static_cast<sptr_t>(replacement.size());
    CPieceWriter writer(view);
    sptr_t ahead = 0;  // undo: how much further on a match is in the replaced text
    record.ForEach([&](const CReplaceAllRecord::Match& match) {
        const sptr_t start = static_cast<sptr_t>(match.start) + writer.Shift();
        if (undo) {
            writer.Replace(start + ahead, start + ahead + replacementLength, match.original);
            ahead += replacementLength - static_cast<sptr_t>(match.length);
        } else {
            writer.Replace(start, start + static_cast<sptr_t>(match.length), replacement);
        }
    });
    writer.Flush();
    view.Send(SCI_SETEMPTYSELECTION, static_cast<uptr_t>(undo ? record.UndoCaret() : record.RedoCaret()));
    view.Send(SCI_SCROLLCARET);
}

}  // namespace

bool CanKeepReplaceAllRecord(const CEditorView& view) {
    return view.HearsNotifications() && view.Document() != 0 && view.Send(SCI_GETUNDOCOLLECTION) != 0 &&
           view.Send(SCI_GETREADONLY) == 0;
}

int ReplaceAllRecorded(CEditorView& view, const std::string& pattern, const std::string& replacement,
                       bool wholeWord, sptr_t rangeStart, sptr_t& rangeEnd, sptr_t* last) {
    const bool atSavePoint = view.Send(SCI_GETMODIFY) == 0;
    CReplaceAllRecord record(pattern, replacement);
    int count = 0;
    {
        const CUndoCollectionOff off(view);
        count = ReplaceAllInBatches(view, CViewFinder(view, pattern, nullptr), replacement, wholeWord, rangeStart, rangeEnd, last,
                                    &record);
    }
    if (count == 0) return 0;
    record.Trim();
    CUndoRecords& records = CUndoRecords::OfThread();
    const int token = records.Add(view.Document(), std::move(record));
    view.Send(SCI_ADDUNDOACTION, static_cast<uptr_t>(token), UNDO_NONE);
    if (atSavePoint && view.Send(SCI_GETMODIFY)) records.TellSavePointLeft(view.Document());
    return count;
}

CUndoRecords& CUndoRecords::OfThread() {
    thread_local CUndoRecords records;
    return records;
}

void CUndoRecords::AddView(CEditorView& view) {
    if (std::find(m_views.begin(), m_views.end(), &view) == m_views.end()) m_views.push_back(&view);
}

void CUndoRecords::RemoveView(CEditorView& view) {
    m_views.erase(std::remove(m_views.begin(), m_views.end(), &view), m_views.end());
    DocumentChanged(view.Document());
}

void CUndoRecords::DocumentChanged(sptr_t old) {
    if (!ViewOf(old, nullptr)) m_documents.erase(old);
}

CEditorView* CUndoRecords::ViewOf(sptr_t document, CEditorView* preferred) const {
    if (preferred && preferred->Document() == document) return preferred;
    for (CEditorView* view : m_views)
        if (view->Document() == document) return view;
    return nullptr;
}

void CUndoRecords::Leave(CEditorView* view) {
    if (--m_depth > 0) return;
    // Held above zero while the steps are carried out: their own calls into
    // the component must not start them again.
    ++m_depth;
    CarryOut(view);
    if (view && view->Document()) Prune(*view);
    --m_depth;
}

void CUndoRecords::NoteStep(sptr_t document, int token, bool undo) {
    if (!(token & kTokenTag)) return;
    const auto found = m_documents.find(document);
    if (found == m_documents.end()) return;
    std::vector<Step>& pending = found->second.pending;
    // Every view of a shared document hears the same step.
    if (!pending.empty() && pending.back().token == token && pending.back().undo == undo) return;
    pending.push_back({token, undo});
}

void CUndoRecords::CarryOut(CEditorView* preferred) {
    for (auto& [document, records] : m_documents) {
        if (records.pending.empty()) continue;
        CEditorView* view = ViewOf(document, preferred);
        std::vector<Step> steps;
        steps.swap(records.pending);
        if (!view) continue;
        for (const Step& step : steps) {
            const auto entry = std::find_if(records.entries.begin(), records.entries.end(),
                                            [&](const Entry& e) { return e.token == step.token; });
            if (entry == records.entries.end() || entry->undone == step.undo) continue;
            Apply(*view, entry->record, step.undo);
            entry->undone = step.undo;
        }
    }
}

void CUndoRecords::Prune(CEditorView& view) {
    const auto found = m_documents.find(view.Document());
    if (found == m_documents.end() || found->second.entries.empty()) return;
    const bool canUndo = view.Send(SCI_CANUNDO) != 0;
    const bool canRedo = view.Send(SCI_CANREDO) != 0;
    if (canUndo && canRedo) return;
    std::vector<Entry>& entries = found->second.entries;
    entries.erase(std::remove_if(entries.begin(), entries.end(),
                                 [&](const Entry& e) { return e.undone ? !canRedo : !canUndo; }),
                  entries.end());
}

void CUndoRecords::Forget(sptr_t document) { m_documents.erase(document); }

int CUndoRecords::Add(sptr_t document, CReplaceAllRecord record) {
    m_serial = (m_serial + 1) & ~kTokenTag;
    const int token = kTokenTag | m_serial;
    m_documents[document].entries.push_back({token, std::move(record), false});
    return token;
}

size_t CUndoRecords::RecordCount(sptr_t document) const {
    const auto found = m_documents.find(document);
    return found == m_documents.end() ? 0 : found->second.entries.size();
}

void CUndoRecords::TellSavePointLeft(sptr_t document) const {
    for (CEditorView* view : m_views) {
        if (view->Document() != document || !view->Window()) continue;
        SCNotification notification{};
        notification.nmhdr.hwndFrom = view->Window();
        notification.nmhdr.idFrom = static_cast<UINT_PTR>(::GetDlgCtrlID(view->Window()));
        notification.nmhdr.code = SCN_SAVEPOINTLEFT;
        ::SendMessageW(::GetParent(view->Window()), WM_NOTIFY, notification.nmhdr.idFrom,
                       reinterpret_cast<LPARAM>(&notification));
    }
}
