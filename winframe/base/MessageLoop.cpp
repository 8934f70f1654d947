#include "MessageLoop.h"

#include <algorithm>

CAppModule g_module;

void CMessageLoop::AddMessageFilter(IMessageLoopFilter* filter) { m_filters.push_back(filter); }

void CMessageLoop::RemoveMessageFilter(IMessageLoopFilter* filter) {
    m_filters.erase(std::remove(m_filters.begin(), m_filters.end(), filter), m_filters.end());
}

void CMessageLoop::AddIdleHandler(IIdleHandler* handler) { m_idleHandlers.push_back(handler); }

void CMessageLoop::RemoveIdleHandler(IIdleHandler* handler) {
    m_idleHandlers.erase(std::remove(m_idleHandlers.begin(), m_idleHandlers.end(), handler),
                         m_idleHandlers.end());
}

BOOL CMessageLoop::PreTranslateMessage(MSG* msg) {
    // A filter may remove itself or others while it runs: walk a copy, and
    // skip those no longer registered.
    std::vector<IMessageLoopFilter*> filters = m_filters;
    for (auto it = filters.rbegin(); it != filters.rend(); ++it) {
        if (std::find(m_filters.begin(), m_filters.end(), *it) == m_filters.end()) continue;
        if ((*it)->PreTranslateMessage(msg)) return TRUE;
    }
    return FALSE;
}

BOOL CMessageLoop::OnIdle(int) {
    std::vector<IIdleHandler*> handlers = m_idleHandlers;
    for (IIdleHandler* handler : handlers) {
        if (std::find(m_idleHandlers.begin(), m_idleHandlers.end(), handler) == m_idleHandlers.end()) continue;
        handler->OnIdle();
    }
    return FALSE;
}

bool CMessageLoop::IsIdleMessage(const MSG& msg) {
    switch (msg.message) {
    case WM_MOUSEMOVE:
    case WM_NCMOUSEMOVE:
    case WM_PAINT:
    case 0x0118:  // the system's caret-blink timer
        return false;
    default:
        return true;
    }
}

int CMessageLoop::Run() {
    MSG msg{};
    bool idlePhase = true;
    int idleCount = 0;
    for (;;) {
        while (idlePhase && !::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!OnIdle(idleCount++)) idlePhase = false;
        }
        BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
        if (got == -1) continue;
        if (!got) break;
        if (!PreTranslateMessage(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        if (IsIdleMessage(msg)) {
            idlePhase = true;
            idleCount = 0;
        }
    }
    return (int)msg.wParam;
}

void CAppModule::Term() {
    std::lock_guard<std::mutex> guard(m_lock);
    m_loops.clear();
}

bool CAppModule::AddMessageLoop(CMessageLoop* loop) {
    std::lock_guard<std::mutex> guard(m_lock);
    return m_loops.emplace(::GetCurrentThreadId(), loop).second;
}

void CAppModule::RemoveMessageLoop() {
    std::lock_guard<std::mutex> guard(m_lock);
    m_loops.erase(::GetCurrentThreadId());
}

CMessageLoop* CAppModule::GetMessageLoop(DWORD threadId) {
    std::lock_guard<std::mutex> guard(m_lock);
    auto it = m_loops.find(threadId);
    return it == m_loops.end() ? nullptr : it->second;
}
