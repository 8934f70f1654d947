#pragma once
// The thread's message loop with its message filters and idle handlers, and
// the module object that finds a thread's loop.
#include <windows.h>

#include <map>
#include <mutex>
#include <vector>

struct IMessageLoopFilter {
    virtual ~IMessageLoopFilter() = default;
    // True when the message was consumed and must not be dispatched.
    virtual BOOL PreTranslateMessage(MSG* msg) = 0;
};

struct IIdleHandler {
    virtual ~IIdleHandler() = default;
    virtual BOOL OnIdle() = 0;
};

class CMessageLoop {
public:
    void AddMessageFilter(IMessageLoopFilter* filter);
    void RemoveMessageFilter(IMessageLoopFilter* filter);
    void AddIdleHandler(IIdleHandler* handler);
    void RemoveIdleHandler(IIdleHandler* handler);

    // Runs until WM_QUIT and answers its wParam.
    int Run();
    // The filters, newest first; true when one consumed the message.
    BOOL PreTranslateMessage(MSG* msg);
    // Runs every idle handler; false ends the idle phase.
    BOOL OnIdle(int idleCount);
    // Messages that do not end an idle phase (no real activity).
    static bool IsIdleMessage(const MSG& msg);

private:
    std::vector<IMessageLoopFilter*> m_filters;
    std::vector<IIdleHandler*> m_idleHandlers;
};

class CAppModule {
public:
    void Init(HINSTANCE instance) { m_instance = instance; }
    void Term();
    HINSTANCE Instance() const { return m_instance; }

    bool AddMessageLoop(CMessageLoop* loop);
    void RemoveMessageLoop();
    // The loop of the given thread (default: the calling thread), or null.
    CMessageLoop* GetMessageLoop(DWORD threadId = ::GetCurrentThreadId());

    // No control is hosted in this program; kept for the start-up order.
    void InitControlHosting() {}

private:
    HINSTANCE m_instance = nullptr;
    std::mutex m_lock;
    std::map<DWORD, CMessageLoop*> m_loops;
};

extern CAppModule g_module;
