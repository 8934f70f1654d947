#pragma once
// Message boxes recorded instead of shown, for any seam of the message-box
// shape: the program's (pass its setter, SetMessageBoxHook) or a dialog's
// own messageBox argument (pass MessageBoxRecorder::Record). The newest
// living recorder records, and answers each box with `answer`.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

struct RecordedMessageBox {
    HWND owner = nullptr;
    std::string text;
    std::string caption;
    UINT flags = 0;
};

class MessageBoxRecorder {
public:
    using Hook = int (*)(HWND owner, const char* text, const char* caption, UINT flags);
    using Installer = Hook (*)(Hook);

    // With an installer the recorder is the seam's hook while it lives.
    explicit MessageBoxRecorder(Installer install = nullptr, int answer = IDOK);
    ~MessageBoxRecorder();
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    // The hook: records into the living recorder and answers for it.
    static int Record(HWND owner, const char* text, const char* caption, UINT flags);

    std::vector<std::string> Texts() const;
    void Clear() { boxes.clear(); }

    std::vector<RecordedMessageBox> boxes;
    int answer;
    // Runs while a box is "open", before it is answered.
    std::function<void(const RecordedMessageBox&)> whileShown;

private:
    Installer m_install;
    MessageBoxRecorder* m_outer;
    Hook m_replaced = nullptr;
};
