#include "MessageBoxRecorder.h"

namespace {
MessageBoxRecorder* g_recorder = nullptr;
}  // namespace

MessageBoxRecorder::MessageBoxRecorder(Installer install, int answer)
    : answer(answer), m_install(install), m_outer(g_recorder) {
    g_recorder = this;
    if (m_install) m_replaced = m_install(Record);
}

MessageBoxRecorder::~MessageBoxRecorder() {
    if (m_install) m_install(m_replaced);
    if (g_recorder == this) g_recorder = m_outer;
}

int MessageBoxRecorder::Record(HWND owner, const char* text, const char* caption, UINT flags) {
    if (!g_recorder) return IDCANCEL;
    g_recorder->boxes.push_back({owner, text ? text : "", caption ? caption : "", flags});
    if (g_recorder->whileShown) g_recorder->whileShown(g_recorder->boxes.back());
    return g_recorder->answer;
}

std::vector<std::string> MessageBoxRecorder::Texts() const {
    std::vector<std::string> texts;
    for (const RecordedMessageBox& box : boxes) texts.push_back(box.text);
    return texts;
}
