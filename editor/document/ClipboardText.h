#pragma once
// The clipboard's text in the editing component's code page, and the
// component's text onto the clipboard in both the Unicode and ANSI forms.
#include <windows.h>

#include <string>

// Holds the clipboard open for its lifetime.
class CClipboard {
public:
    explicit CClipboard(HWND owner) : m_open(::OpenClipboard(owner) != 0) {}
    ~CClipboard() {
        if (m_open) ::CloseClipboard();
    }
    CClipboard(const CClipboard&) = delete;
    CClipboard& operator=(const CClipboard&) = delete;

    bool IsOpen() const { return m_open; }
    // False when there is no text; text is in codePage (65001, a DBCS ANSI
    // page, or 0 for the ANSI page).
    bool ReadText(int codePage, std::string& text) const;
    // Empties the clipboard and puts text (in codePage) on it.
    bool WriteText(int codePage, const std::string& text) const;

private:
    bool m_open;
};
