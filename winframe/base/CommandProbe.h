#pragma once
// Asks the WM_COMMAND routing whether anything carries out a command, without
// carrying it out. While a CCommandProbe lives on a thread, the TW_COMMAND_*
// map entries and the code that dispatches commands by hand (a view's switch,
// its hooks) ask Run() where they would act: under a probe it notes the
// answer and tells them to return "handled" without acting. Handlers that only pass a command
// on (to the active document, to its view) run as usual, so the command is
// followed to where it is really carried out. Used by tests that check every
// enabled menu command and toolbar button has a handler.
class CCommandProbe {
public:
    CCommandProbe() : m_outer(t_current) { t_current = this; }
    ~CCommandProbe() { t_current = m_outer; }
    CCommandProbe(const CCommandProbe&) = delete;
    CCommandProbe& operator=(const CCommandProbe&) = delete;

    // Whether something took the command since the probe began (or Reset).
    bool Answered() const { return m_answered; }
    void Reset() { m_answered = false; }

    // For the place where a command would be carried out: true when it is to
    // be carried out (no probe is active); false under a probe, which then
    // counts the command as answered.
    static bool Run() {
        if (!t_current) return true;
        t_current->m_answered = true;
        return false;
    }

private:
    static inline thread_local CCommandProbe* t_current = nullptr;
    CCommandProbe* const m_outer;
    bool m_answered = false;
};
