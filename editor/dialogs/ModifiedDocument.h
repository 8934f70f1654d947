#pragma once
// Descriptions of modified documents, collected by the main frame before it
// closes and shown by the save-modified dialog. Both kinds of object are
// reference counted and hold the module lock while they exist.
#include <windows.h>
#include <oleauto.h>

#include <string>
#include <vector>

class CModifiedDocumentList;

// Objects alive (items and lists together); zero when nothing leaked.
long ModifiedDocumentLockCount();

class CModifiedDocument {
public:
    static CModifiedDocument* Create(HWND window, const char* name, DATE lastModified);

    ULONG AddRef();
    ULONG Release();

    HWND Window() const { return m_window; }
    void SetWindow(HWND window) { m_window = window; }
    const std::string& FirstText() const { return m_firstText; }
    void SetFirstText(const std::string& text) { m_firstText = text; }
    const std::string& DisplayName() const { return m_displayName; }
    void SetDisplayName(const std::string& text) { m_displayName = text; }
    const std::string& FullPath() const { return m_fullPath; }
    void SetFullPath(const std::string& text) { m_fullPath = text; }
    DATE LastModified() const { return m_lastModified; }  // 0 = none
    void SetLastModified(DATE time) { m_lastModified = time; }
    // The attached object, with a reference for the caller (null when none).
    IUnknown* Attached() const;
    void SetAttached(IUnknown* object);
    // The list holding this item; not a reference (the list holds the item).
    CModifiedDocumentList* Owner() const { return m_owner; }
    void SetOwner(CModifiedDocumentList* owner) { m_owner = owner; }
    // The item's sub-items, made on first use; with a reference for the caller.
    CModifiedDocumentList* SubItems();

    void CopyTo(CModifiedDocument* other);
    void SetAll(HWND window, const std::string& firstText, const std::string& displayName,
                const std::string& fullPath, DATE lastModified);

private:
    CModifiedDocument();
    ~CModifiedDocument();

    LONG m_references = 1;
    HWND m_window = nullptr;
    std::string m_firstText, m_displayName, m_fullPath;
    DATE m_lastModified = 0;
    IUnknown* m_attached = nullptr;
    CModifiedDocumentList* m_owner = nullptr;
    CModifiedDocumentList* m_subItems = nullptr;
};

class CModifiedDocumentList {
public:
    static CModifiedDocumentList* Create();

    ULONG AddRef();
    ULONG Release();

    // E_INVALIDARG for an index outside the list; the item comes with a reference.
    HRESULT ItemAt(long index, CModifiedDocument** item) const;
    long IndexOf(const CModifiedDocument* item) const;
    long Count() const { return (long)m_items.size(); }
    // Makes an item and appends it; answers it without an extra reference.
    CModifiedDocument* Add(HWND window, const std::string& displayName, const std::string& fullPath,
                           DATE lastModified);
    // Before index; past the end appends. The list becomes the owner.
    void InsertAt(long index, CModifiedDocument* item);
    // All items of another list at index; negative appends.
    void InsertList(long index, const CModifiedDocumentList* other);
    HRESULT RemoveAt(long index);
    void RemoveAll();
    IUnknown* Attached() const;
    void SetAttached(IUnknown* object);

private:
    CModifiedDocumentList();
    ~CModifiedDocumentList();

    LONG m_references = 1;
    std::vector<CModifiedDocument*> m_items;
    IUnknown* m_attached = nullptr;
};
