#include "ModifiedDocument.h"

namespace {

LONG g_lockCount = 0;

void Replace(IUnknown*& slot, IUnknown* object) {
    if (object) object->AddRef();
    if (slot) slot->Release();
    slot = object;
}

IUnknown* Referenced(IUnknown* object) {
    if (object) object->AddRef();
    return object;
}

}  // namespace

long ModifiedDocumentLockCount() { return ::InterlockedCompareExchange(&g_lockCount, 0, 0); }

CModifiedDocument::CModifiedDocument() { ::InterlockedIncrement(&g_lockCount); }

CModifiedDocument::~CModifiedDocument() {
    if (m_subItems) m_subItems->Release();
    if (m_attached) m_attached->Release();
    ::InterlockedDecrement(&g_lockCount);
}

CModifiedDocument* CModifiedDocument::Create(HWND window, const char* name, DATE lastModified) {
    auto* item = new CModifiedDocument;
    item->m_window = window;
    item->m_displayName = name ? name : "";
    item->m_lastModified = lastModified;
    return item;
}

ULONG CModifiedDocument::AddRef() { return (ULONG)::InterlockedIncrement(&m_references); }

ULONG CModifiedDocument::Release() {
    LONG left = ::InterlockedDecrement(&m_references);
    if (left == 0) delete this;
    return (ULONG)left;
}

IUnknown* CModifiedDocument::Attached() const { return Referenced(m_attached); }
void CModifiedDocument::SetAttached(IUnknown* object) { Replace(m_attached, object); }

CModifiedDocumentList* CModifiedDocument::SubItems() {
    if (!m_subItems) m_subItems = CModifiedDocumentList::Create();
    m_subItems->AddRef();
    return m_subItems;
}

void CModifiedDocument::CopyTo(CModifiedDocument* other) {
    if (!other || other == this) return;
    other->SetAll(m_window, m_firstText, m_displayName, m_fullPath, m_lastModified);
    other->SetAttached(m_attached);
    if (m_subItems) {
        CModifiedDocumentList* target = other->SubItems();
        target->RemoveAll();
        target->InsertList(-1, m_subItems);
        target->Release();
    }
}

void CModifiedDocument::SetAll(HWND window, const std::string& firstText, const std::string& displayName,
                               const std::string& fullPath, DATE lastModified) {
    m_window = window;
    m_firstText = firstText;
    m_displayName = displayName;
    m_fullPath = fullPath;
    m_lastModified = lastModified;
}

CModifiedDocumentList::CModifiedDocumentList() { ::InterlockedIncrement(&g_lockCount); }

CModifiedDocumentList::~CModifiedDocumentList() {
    RemoveAll();
    if (m_attached) m_attached->Release();
    ::InterlockedDecrement(&g_lockCount);
}

CModifiedDocumentList* CModifiedDocumentList::Create() { return new CModifiedDocumentList; }

ULONG CModifiedDocumentList::AddRef() { return (ULONG)::InterlockedIncrement(&m_references); }

ULONG CModifiedDocumentList::Release() {
    LONG left = ::InterlockedDecrement(&m_references);
    if (left == 0) delete this;
    return (ULONG)left;
}

HRESULT CModifiedDocumentList::ItemAt(long index, CModifiedDocument** item) const {
    if (!item) return E_POINTER;
    *item = nullptr;
    if (index < 0 || index >= Count()) return E_INVALIDARG;
    *item = m_items[index];
    (*item)->AddRef();
    return S_OK;
}

long CModifiedDocumentList::IndexOf(const CModifiedDocument* item) const {
    for (size_t i = 0; i < m_items.size(); ++i)
        if (m_items[i] == item) return (long)i;
    return -1;
}

CModifiedDocument* CModifiedDocumentList::Add(HWND window, const std::string& displayName,
                                               const std::string& fullPath, DATE lastModified) {
    CModifiedDocument* item = CModifiedDocument::Create(window, displayName.c_str(), lastModified);
    item->SetFullPath(fullPath);
    InsertAt(Count(), item);
    item->Release();  // the list's reference remains
    return item;
}

void CModifiedDocumentList::InsertAt(long index, CModifiedDocument* item) {
    if (!item) return;
    item->AddRef();
    item->SetOwner(this);
    if (index < 0 || index > Count()) index = Count();
    m_items.insert(m_items.begin() + index, item);
}

void CModifiedDocumentList::InsertList(long index, const CModifiedDocumentList* other) {
    if (!other || other == this) return;
    if (index < 0 || index > Count()) index = Count();
    for (CModifiedDocument* item : other->m_items) InsertAt(index++, item);
}

HRESULT CModifiedDocumentList::RemoveAt(long index) {
    if (index < 0 || index >= Count()) return E_INVALIDARG;
    CModifiedDocument* item = m_items[index];
    m_items.erase(m_items.begin() + index);
    if (item->Owner() == this) item->SetOwner(nullptr);
    item->Release();
    return S_OK;
}

void CModifiedDocumentList::RemoveAll() {
    while (!m_items.empty()) RemoveAt(Count() - 1);
}

IUnknown* CModifiedDocumentList::Attached() const { return Referenced(m_attached); }
void CModifiedDocumentList::SetAttached(IUnknown* object) { Replace(m_attached, object); }
