#include "ShellItems.h"

#include <shlwapi.h>

ItemIdList CloneIdList(LPCITEMIDLIST list) { return ItemIdList(list ? ::ILClone(list) : nullptr); }

ItemIdList CloneParentIdList(LPCITEMIDLIST list) {
    ItemIdList parent = CloneIdList(list);
    if (parent) ::ILRemoveLastID(parent.get());
    return parent;
}

ItemIdList SpecialFolderList(int csidl) {
    LPITEMIDLIST list = nullptr;
    return ItemIdList(SUCCEEDED(::SHGetSpecialFolderLocation(nullptr, csidl, &list)) ? list : nullptr);
}

HRESULT BindToFolder(IShellFolder* folder, LPCITEMIDLIST relative, REFIID riid, void** out) {
    *out = nullptr;
    ComRef<IShellFolder> desktop;
    if (!folder) {
        if (FAILED(::SHGetDesktopFolder(desktop.Put()))) return E_FAIL;
        folder = desktop.Get();
    }
    HRESULT hr = (!relative || !relative->mkid.cb) ? folder->QueryInterface(riid, out)
                                                   : folder->BindToObject(relative, nullptr, riid, out);
    if (SUCCEEDED(hr) && !*out) hr = E_FAIL;
    return hr;
}

HRESULT BindToParent(LPCITEMIDLIST list, IShellFolder** parent, LPCITEMIDLIST* last) {
    return ::SHBindToParent(list, IID_IShellFolder, reinterpret_cast<void**>(parent), last);
}

void GetSystemIconIndex(LPCITEMIDLIST list, int& normal, int& open) {
    normal = open = 0;
    ComRef<IShellFolder> parent;
    LPCITEMIDLIST last = nullptr;
    if (FAILED(BindToParent(list, parent.Put(), &last))) return;
    normal = ::SHMapPIDLToSystemImageListIndex(parent.Get(), last, &open);
    if (normal < 0) normal = 0;
    if (open < 0) open = normal;
}

bool GetItemAttributes(LPCITEMIDLIST list, SFGAOF& attributes) {
    ComRef<IShellFolder> parent;
    LPCITEMIDLIST last = nullptr;
    if (FAILED(BindToParent(list, parent.Put(), &last))) return false;
    return SUCCEEDED(parent->GetAttributesOf(1, &last, &attributes));
}

std::string GetDisplayName(IShellFolder* folder, LPCITEMIDLIST item, SHGDNF flags) {
    STRRET name{};
    if (!folder || FAILED(folder->GetDisplayNameOf(item, flags, &name))) return std::string();
    char text[MAX_PATH * 2] = {};
    if (FAILED(::StrRetToBufA(&name, item, text, sizeof(text)))) return std::string();
    return text;
}

ItemIdList GetFolderIdList(IUnknown* folder) {
    ComRef<IPersistFolder2> persist;
    LPITEMIDLIST list = nullptr;
    if (!folder || FAILED(folder->QueryInterface(IID_IPersistFolder2, persist.PutVoid())) ||
        FAILED(persist->GetCurFolder(&list)))
        return nullptr;
    return ItemIdList(list);
}

ItemIdList DesktopRelativeIdList(LPCITEMIDLIST list) {
    ItemIdList directory = SpecialFolderList(CSIDL_DESKTOPDIRECTORY);
    if (!directory || !list) return nullptr;
    LPCITEMIDLIST child = ::ILFindChild(directory.get(), list);
    return child ? CloneIdList(child) : nullptr;
}

namespace {

SFGAOF AttributesOf(IShellFolder* folder, LPCITEMIDLIST item, SFGAOF mask) {
    SFGAOF attributes = mask;
    return folder && SUCCEEDED(folder->GetAttributesOf(1, &item, &attributes)) ? attributes : 0;
}

}  // namespace

bool IsBrowsableFolder(IShellFolder* folder, LPCITEMIDLIST item) {
    const SFGAOF a = AttributesOf(folder, item, SFGAO_FOLDER | SFGAO_FILESYSANCESTOR | SFGAO_STREAM);
    return (a & SFGAO_FOLDER) && (a & (SFGAO_FILESYSANCESTOR | SFGAO_STREAM));
}

bool IsFileSystemItem(IShellFolder* folder, LPCITEMIDLIST item) {
    return AttributesOf(folder, item, SFGAO_FILESYSTEM | SFGAO_FILESYSANCESTOR | SFGAO_STREAM) &
           (SFGAO_FILESYSTEM | SFGAO_FILESYSANCESTOR | SFGAO_STREAM);
}

std::string GetItemPath(LPCITEMIDLIST list) {
    ComRef<IShellFolder> desktop;
    if (!list || FAILED(::SHGetDesktopFolder(desktop.Put()))) return std::string();
    ItemIdList documents = SpecialFolderList(CSIDL_PERSONAL);
    if (!list->mkid.cb || (documents && ::ILIsEqual(documents.get(), list)))
        return GetDisplayName(desktop.Get(), list, SHGDN_NORMAL);
    char path[MAX_PATH] = {};
    if (::SHGetPathFromIDListA(list, path) && path[0]) return path;
    return GetDisplayName(desktop.Get(), list, SHGDN_INFOLDER | SHGDN_FORADDRESSBAR);
}
