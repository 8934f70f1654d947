#include "ClipboardText.h"

#include <cstring>
#include <cwchar>

namespace {

UINT WindowsCodePage(int codePage) { return codePage == 0 ? CP_ACP : static_cast<UINT>(codePage); }

HGLOBAL CopyToGlobal(const void* data, size_t bytes) {
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
    if (!memory) return nullptr;
    void* target = ::GlobalLock(memory);
    if (!target) {
        ::GlobalFree(memory);
        return nullptr;
    }
    std::memcpy(target, data, bytes);
    ::GlobalUnlock(memory);
    return memory;
}

bool SetData(UINT format, const void* data, size_t bytes) {
    HGLOBAL memory = CopyToGlobal(data, bytes);
    if (!memory) return false;
    if (::SetClipboardData(format, memory)) return true;
    ::GlobalFree(memory);
    return false;
}

}  // namespace

bool CClipboard::ReadText(int codePage, std::string& text) const {
    if (!m_open) return false;
    HANDLE data = ::GetClipboardData(CF_UNICODETEXT);
    if (!data) return false;
    const wchar_t* wide = static_cast<const wchar_t*>(::GlobalLock(data));
    if (!wide) return false;
    const size_t units = wcsnlen(wide, ::GlobalSize(data) / sizeof(wchar_t));
    text.clear();
    if (units > 0) {
        const UINT page = WindowsCodePage(codePage);
        const int bytes = ::WideCharToMultiByte(page, 0, wide, static_cast<int>(units), nullptr, 0, nullptr, nullptr);
        text.resize(bytes > 0 ? bytes : 0);
        if (bytes > 0)
            ::WideCharToMultiByte(page, 0, wide, static_cast<int>(units), text.data(), bytes, nullptr, nullptr);
    }
    ::GlobalUnlock(data);
    return true;
}

bool CClipboard::WriteText(int codePage, const std::string& text) const {
    if (!m_open || !::EmptyClipboard()) return false;
    const UINT page = WindowsCodePage(codePage);
    const int units = ::MultiByteToWideChar(page, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(units > 0 ? units : 0, L'\0');
    if (units > 0) ::MultiByteToWideChar(page, 0, text.data(), static_cast<int>(text.size()), wide.data(), units);
    if (!SetData(CF_UNICODETEXT, wide.c_str(), (wide.size() + 1) * sizeof(wchar_t))) return false;
    // The ANSI form for programs that read only CF_TEXT.
    const int bytes = ::WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string ansi(bytes > 0 ? bytes : 1, '\0');
    if (bytes > 0) ::WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, ansi.data(), bytes, nullptr, nullptr);
    return SetData(CF_TEXT, ansi.data(), ansi.size());
}
