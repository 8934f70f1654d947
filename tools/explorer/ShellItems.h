#pragma once
// Owners and helpers for the shell's item-ID lists and folder objects: what
// the explorer pane asks of the namespace, one call each.
#include <windows.h>
#include <shlobj.h>

#include <memory>
#include <string>

struct ItemIdListFree {
    void operator()(ITEMIDLIST* list) const { ::ILFree(list); }
};
using ItemIdList = std::unique_ptr<ITEMIDLIST, ItemIdListFree>;

// An owned interface pointer, released when it goes.
template <typename T>
class ComRef {
public:
    ComRef() = default;
    explicit ComRef(T* p) : m_p(p) {}
    ~ComRef() { Reset(); }
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    ComRef(ComRef&& other) noexcept : m_p(other.m_p) { other.m_p = nullptr; }
    ComRef& operator=(ComRef&& other) noexcept {
        if (this != &other) {
            Reset();
            m_p = other.m_p;
            other.m_p = nullptr;
        }
        return *this;
    }
    T* Get() const { return m_p; }
    T* operator->() const { return m_p; }
    explicit operator bool() const { return m_p != nullptr; }
    // For the calls that hand out a reference.
    T** Put() {
        Reset();
        return &m_p;
    }
    void** PutVoid() { return reinterpret_cast<void**>(Put()); }
    void Reset() {
        if (m_p) m_p->Release();
        m_p = nullptr;
    }

private:
    T* m_p = nullptr;
};

// The list without its last item.
ItemIdList CloneParentIdList(LPCITEMIDLIST list);
// The list below folder (the desktop when null) bound to riid; an empty
// list gives the folder itself.
HRESULT BindToFolder(IShellFolder* folder, LPCITEMIDLIST relative, REFIID riid, void** out);
// The parent folder of an absolute list, and the list's last item in it.
HRESULT BindToParent(LPCITEMIDLIST list, IShellFolder** parent, LPCITEMIDLIST* last);
// The system image-list indices of an item.
void GetSystemIconIndex(LPCITEMIDLIST list, int& normal, int& open);
// GetAttributesOf of the item in its parent; false when it failed.
bool GetItemAttributes(LPCITEMIDLIST list, SFGAOF& attributes);
// GetDisplayNameOf; "" on failure.
std::string GetDisplayName(IShellFolder* folder, LPCITEMIDLIST item, SHGDNF flags);
// The absolute list of a folder object.
ItemIdList GetFolderIdList(IUnknown* folder);
// The part of list below the desktop directory, when it lies inside it.
ItemIdList DesktopRelativeIdList(LPCITEMIDLIST list);
bool IsBrowsableFolder(IShellFolder* folder, LPCITEMIDLIST item);
bool IsFileSystemItem(IShellFolder* folder, LPCITEMIDLIST item);
// The desktop and the documents folder by their display names; else the
// file-system path; else the name for an address bar.
std::string GetItemPath(LPCITEMIDLIST list);
// The special folder's list; null when it has none.
ItemIdList SpecialFolderList(int csidl);
ItemIdList CloneIdList(LPCITEMIDLIST list);
