#pragma once
// An editor program started on one file and driven from outside, the same
// way for our program and the peer, so that their figures compare. Both edit
// in the same component, whose messages answer integers across processes.
// Under Wine a menu handle means nothing in another process, so commands go
// by id with WM_COMMAND, and another process's control text is set and read
// with WM_SETTEXT and WM_GETTEXT (GetWindowText does not reach it).
#include <windows.h>

#include <string>
#include <vector>

#include "ProgramProcess.h"

class RemoteEditor {
public:
    // frameClass: the class of the program's main window; componentClass:
    // that of its editing component.
    RemoteEditor(const char* frameClass, const char* componentClass);
    // A program still running is closed without saving.
    ~RemoteEditor();
    RemoteEditor(const RemoteEditor&) = delete;
    RemoteEditor& operator=(const RemoteEditor&) = delete;

    // Starts exe from folder on file and waits until the file is loaded: the
    // component holds all of it (the text is UTF-8 without a mark, so its
    // length is the file's size) and the window thread answers. A program
    // that loads in the background holds some text long before it is done.
    bool Open(const std::string& exe, const std::string& folder, const std::string& file);
    // The same with switches before the file on the command line, until the
    // component holds length bytes (a file the program converts holds
    // another length than its size; negative: the file's size).
    bool Open(const std::string& exe, const std::string& folder, const std::string& switches,
              const std::string& file, LONG_PTR length);
    // Starts exe from folder with arguments and waits for its main window,
    // looking every millisecond; true once it is visible.
    bool Start(const std::string& exe, const std::string& folder, const std::string& arguments);
    // Moves the caret to the end of the text, as Ctrl+End does, and waits
    // until the last line is in view and painted and the window thread
    // answers; false when that did not happen in time.
    bool ShowLastLine(DWORD timeoutMs = 60000) const;
    // The most memory the process has held so far (its peak working set,
    // which Wine reads from the process's own figures), 0 when unknown.
    size_t PeakMemory() const;

    HWND Frame() const { return m_frame; }
    HWND Component() const { return m_component; }
    DWORD ProcessId() const { return m_program.Id(); }
    // The component's integer answer to a message without arguments, or -1
    // when it does not answer in time.
    LONG_PTR Ask(UINT message, DWORD timeoutMs = 120000) const;
    // The main window's integer answer to a message without arguments (one
    // the program registered, say), or -1 when it does not answer in time.
    LONG_PTR AskFrame(UINT message, DWORD timeoutMs = 60000) const;
    // Its SCI_GETLENGTH.
    LONG_PTR Length(DWORD timeoutMs = 120000) const;
    // The main window's thread answers again (it is held while it works).
    bool Answers(DWORD timeoutMs = 60000) const;
    // Posts the command to the main window, as its menu would.
    void Command(UINT id) const;
    // A visible window of the program of that control id and class, top-level
    // or below one (a modeless dialog is top-level, a strip is a child).
    HWND FindControl(int id, const char* className) const;
    // Answers each message box or question the program shows now, other
    // than keep: No where it asks, else OK or Cancel. Answers how many.
    int AnswerQuestions(HWND keep = nullptr) const;
    // Closes the program, answering No to "save changes?"; true once it ended.
    bool Close(DWORD timeoutMs = 30000);

private:
    const char* m_frameClass;
    const char* m_componentClass;
    ProgramProcess m_program;
    HWND m_frame = nullptr;
    HWND m_component = nullptr;
    bool m_running = false;
};

// Sends text to another process's control; true when it reads back the same.
bool SetRemoteText(HWND control, const std::string& text);
// Checks a check box (or a push-like toggle) as a click would, so that its
// owner hears of it; true when it is checked after.
bool CheckRemoteBox(HWND box);
// The whole of a file, empty when it cannot be read.
std::string ReadAll(const std::string& path);
// The size of a file in bytes, 0 when it cannot be read.
ULONGLONG FileSize(const std::string& path);
// Milliseconds between two readings of the performance counter.
double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to);
// The median of figures (the upper one of an even count); not of none.
double Median(std::vector<double> values);
