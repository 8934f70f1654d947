#pragma once
// The editing component as the document code sees it: messages go through
// the component's direct function, with a few helpers over the messages
// whose form changed in the component's 5.x releases.
#include <windows.h>

#include <cstddef>
#include <string>

#include <scintilla/Scintilla.h>

// Sees, on their way to the component, the messages that change its undo
// history or what it tells of it (the view keeps undo records of its own
// beside that history), and carries them on with SendDirect.
class IHistoryObserver {
public:
    virtual sptr_t SendObserved(unsigned int message, uptr_t wParam, sptr_t lParam) = 0;

protected:
    ~IHistoryObserver() = default;
};

// The text as the component holds it, in place: the run before its gap and
// the run after it.
struct HeldText {
    const char* before;
    size_t beforeLength;
    const char* after;
    size_t afterLength;
};

class CEditingComponent {
public:
    CEditingComponent() = default;
    explicit CEditingComponent(HWND window) { Attach(window); }

    // Reads the direct function and pointer from the component's window.
    void Attach(HWND window);
    HWND Window() const { return m_window; }
    bool IsAttached() const { return m_function != nullptr; }
    // Lets a test put a recording function in front of the component's own,
    // for settings the component has no getter for.
    SciFnDirect DirectFunction() const { return m_function; }
    sptr_t DirectPointer() const { return m_pointer; }
    void SetDirect(SciFnDirect function, sptr_t pointer) {
        m_function = function;
        m_pointer = pointer;
    }

    void SetObserver(IHistoryObserver* observer) { m_observer = observer; }
    static constexpr bool IsHistoryMessage(unsigned int message) {
        return message == SCI_UNDO || message == SCI_REDO || message == SCI_EMPTYUNDOBUFFER ||
               message == SCI_SETMODEVENTMASK || message == SCI_SETDOCPOINTER;
    }

    sptr_t Send(unsigned int message, uptr_t wParam = 0, sptr_t lParam = 0) const {
        if (m_observer && IsHistoryMessage(message)) return m_observer->SendObserved(message, wParam, lParam);
        return m_function(m_pointer, message, wParam, lParam);
    }
    // Past the observer.
    sptr_t SendDirect(unsigned int message, uptr_t wParam = 0, sptr_t lParam = 0) const {
        return m_function(m_pointer, message, wParam, lParam);
    }

    size_t Length() const { return static_cast<size_t>(Send(SCI_GETLENGTH)); }
    void AddText(const char* text, size_t length) const {
        Send(SCI_ADDTEXT, static_cast<uptr_t>(length), reinterpret_cast<sptr_t>(text));
    }
    // Copies [start, end) into buffer, which holds end - start + 1 bytes.
    void GetTextRange(size_t start, size_t end, char* buffer) const;
    std::string GetText() const;
    // Pointed at without moving the gap: closing it (as the character
    // pointer does) copies all that follows it, and may grow the buffer by
    // the whole text. Valid until the text changes.
    HeldText Held() const;
    // Replaces the whole text; undoable.
    void ReplaceAll(const std::string& text) const;
    // The lexer of a properties lexer text, made by its Lexilla name; an
    // empty or unknown text leaves the styling to the container (no lexer).
    void SetLexer(const std::string& lexer) const;
    void SetCodePage(int codePage) const { Send(SCI_SETCODEPAGE, static_cast<uptr_t>(codePage)); }
    int CodePage() const { return static_cast<int>(Send(SCI_GETCODEPAGE)); }

private:
    HWND m_window = nullptr;
    SciFnDirect m_function = nullptr;
    sptr_t m_pointer = 0;
    IHistoryObserver* m_observer = nullptr;
};
