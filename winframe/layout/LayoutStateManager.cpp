#include "LayoutStateManager.h"

#include <windows.h>

#include "WindowLayoutItems.h"

namespace {

const char kGeneral[] = "General";
const char kMainWindow[] = "MainWindow";
const char kWidthKey[] = "SM_CXSCREEN";
const char kHeightKey[] = "SM_CYSCREEN";

std::vector<uint8_t> ReadValue(CLayoutStore& store, const char* key, bool& found) {
    std::vector<uint8_t> bytes(16);
    size_t length = bytes.size();
    found = store.ReadBinary(key, bytes.data(), length) == kLayoutOk;
    bytes.resize(found ? length : 0);
    return bytes;
}

}  // namespace

bool CLayoutStateManager::Save(CLayoutFile& file) {
    RECT area = LayoutWorkArea();
    CLayoutFile general;
    general.OpenSectionForWriting(file, kGeneral, 0);
    auto width = LayoutInt32(area.right - area.left), height = LayoutInt32(area.bottom - area.top);
    general.WriteBinary(kWidthKey, width.data(), width.size());
    general.WriteBinary(kHeightKey, height.data(), height.size());
    CLayoutFile main;
    main.OpenSectionForWriting(file, kMainWindow, 0);
    return m_root->Store(main);
}

void CLayoutStateManager::Restore(CLayoutFile& file) {
    RECT area = LayoutWorkArea();
    CLayoutFile general;
    general.OpenSectionForReading(file, kGeneral, 0);
    bool found = false;
    std::vector<uint8_t> width = ReadValue(general, kWidthKey, found);
    LayoutRatio x = WorkAreaRatio(found ? &width : nullptr, area.right - area.left);
    std::vector<uint8_t> height = ReadValue(general, kHeightKey, found);
    LayoutRatio y = WorkAreaRatio(found ? &height : nullptr, area.bottom - area.top);
    CLayoutFile main;
    main.OpenSectionForReading(file, kMainWindow, 0);
    if (!m_root->Restore(main, x, y)) m_root->RestoreDefault();
}

bool CLayoutStateManager::SaveToFile(const std::string& path) {
    std::string temporary = path + ".new";
    ::DeleteFileA(temporary.c_str());
    CLayoutFile file(temporary);
    bool saved = Save(file);
    // The profile functions may cache the file: written out before the move.
    ::WritePrivateProfileStringA(nullptr, nullptr, nullptr, temporary.c_str());
    if (!saved || ::GetFileAttributesA(temporary.c_str()) == INVALID_FILE_ATTRIBUTES ||
        !::MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        ::DeleteFileA(temporary.c_str());
        return false;
    }
    return true;
}

void CLayoutStateManager::RestoreOrCreate(const std::string& path) {
    if (::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) {
        CLayoutFile file(path);
        Restore(file);
        return;
    }
    m_root->RestoreDefault();
    HANDLE created = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (created != INVALID_HANDLE_VALUE) ::CloseHandle(created);
    SaveToFile(path);
}
