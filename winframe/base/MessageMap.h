#pragma once
// Message maps: a window class lists its handlers between TW_BEGIN_MSG_MAP
// and TW_END_MSG_MAP. Entries are tried in the order written; the first one
// whose handler leaves `handled` true ends the search. A handler that sets
// `handled` to false declines, and the search goes on (to later entries,
// chained maps and finally the window's default procedure).
//
// Handler signatures:
//   message:      LRESULT OnX(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled)
//   command:      LRESULT OnX(WORD notifyCode, WORD id, HWND control, bool& handled)
//   notification: LRESULT OnX(int controlId, NMHDR* header, bool& handled)
#include <windows.h>

#include "CommandProbe.h"

// Notifications reflected back to the control that sent them arrive as
// OCM_BASE + the original message.
#ifndef OCM__BASE
#define OCM__BASE (WM_USER + 0x1c00)
#endif
// A frame hands a message to the active MDI child for pre-translation with this.
#ifndef WM_FORWARDMSG
#define WM_FORWARDMSG 0x037F
#endif

class CMessageMap {
public:
    virtual ~CMessageMap() = default;
    virtual bool ProcessWindowMessage(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam,
                                      LRESULT& lResult, DWORD mapId = 0) = 0;
};

#define TW_BEGIN_MSG_MAP(theClass)                                                          \
public:                                                                                     \
    bool ProcessWindowMessage(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam,           \
                              LRESULT& lResult, DWORD mapId = 0) override {                 \
        bool bHandled = true;                                                               \
        (void)hWnd; (void)uMsg; (void)wParam; (void)lParam; (void)lResult; (void)bHandled;  \
        switch (mapId) {                                                                    \
        case 0:

// An alternate map inside the same function, reached by chaining with its id.
#define TW_ALT_MSG_MAP(id) \
        break;             \
        case id:

#define TW_END_MSG_MAP() \
        break;           \
        default:         \
            break;       \
        }                \
        return false;    \
    }

#define TW_TRY_HANDLER(call)      \
    {                             \
        bHandled = true;          \
        lResult = call;           \
        if (bHandled) return true; \
    }

// A command entry under a CCommandProbe answers "handled" without calling its
// handler (a handler that would decline is counted as handling).
#define TW_TRY_COMMAND_HANDLER(call)                       \
    {                                                      \
        if (!CCommandProbe::Run()) {                       \
            lResult = 0;                                   \
            return true;                                   \
        }                                                  \
        TW_TRY_HANDLER(call)                               \
    }

#define TW_MESSAGE_HANDLER(msg, func) \
    if (uMsg == (UINT)(msg)) TW_TRY_HANDLER(func(uMsg, wParam, lParam, bHandled))

// For ids registered at run time: an id of 0 (registration failed) never matches.
#define TW_REGISTERED_MESSAGE_HANDLER(msgVar, func) \
    if ((msgVar) != 0 && uMsg == (UINT)(msgVar)) TW_TRY_HANDLER(func(uMsg, wParam, lParam, bHandled))

#define TW_MESSAGE_RANGE_HANDLER(first, last, func)          \
    if (uMsg >= (UINT)(first) && uMsg <= (UINT)(last))       \
    TW_TRY_HANDLER(func(uMsg, wParam, lParam, bHandled))

#define TW_COMMAND_HANDLER(id, code, func)                                           \
    if (uMsg == WM_COMMAND && LOWORD(wParam) == (WORD)(id) && HIWORD(wParam) == (WORD)(code)) \
    TW_TRY_COMMAND_HANDLER(func(HIWORD(wParam), LOWORD(wParam), (HWND)lParam, bHandled))

#define TW_COMMAND_ID_HANDLER(id, func)                       \
    if (uMsg == WM_COMMAND && LOWORD(wParam) == (WORD)(id))   \
    TW_TRY_COMMAND_HANDLER(func(HIWORD(wParam), LOWORD(wParam), (HWND)lParam, bHandled))

#define TW_COMMAND_CODE_HANDLER(code, func)                     \
    if (uMsg == WM_COMMAND && HIWORD(wParam) == (WORD)(code))   \
    TW_TRY_COMMAND_HANDLER(func(HIWORD(wParam), LOWORD(wParam), (HWND)lParam, bHandled))

#define TW_COMMAND_RANGE_HANDLER(first, last, func)                                        \
    if (uMsg == WM_COMMAND && LOWORD(wParam) >= (WORD)(first) && LOWORD(wParam) <= (WORD)(last)) \
    TW_TRY_COMMAND_HANDLER(func(HIWORD(wParam), LOWORD(wParam), (HWND)lParam, bHandled))

#define TW_NOTIFY_CODE_HANDLER(notifyCode, func)                                  \
    if (uMsg == WM_NOTIFY && ((LPNMHDR)lParam)->code == (UINT)(notifyCode))       \
    TW_TRY_HANDLER(func((int)wParam, (LPNMHDR)lParam, bHandled))

#define TW_NOTIFY_HANDLER(ctrlId, notifyCode, func)                                                   \
    if (uMsg == WM_NOTIFY && ((LPNMHDR)lParam)->idFrom == (UINT_PTR)(ctrlId) &&                \
        ((LPNMHDR)lParam)->code == (UINT)(notifyCode))                                            \
    TW_TRY_HANDLER(func((int)wParam, (LPNMHDR)lParam, bHandled))

#define TW_NOTIFY_ID_HANDLER(ctrlId, func)                                            \
    if (uMsg == WM_NOTIFY && ((LPNMHDR)lParam)->idFrom == (UINT_PTR)(ctrlId))         \
    TW_TRY_HANDLER(func((int)wParam, (LPNMHDR)lParam, bHandled))

// A notification from one particular window (for children created without ids).
#define TW_NOTIFY_FROM_HANDLER(sender, notifyCode, func)                                   \
    if (uMsg == WM_NOTIFY && ((LPNMHDR)lParam)->hwndFrom == (sender) &&             \
        ((LPNMHDR)lParam)->code == (UINT)(notifyCode))                                       \
    TW_TRY_HANDLER(func((int)wParam, (LPNMHDR)lParam, bHandled))

#define TW_NOTIFY_RANGE_CODE_HANDLER(first, last, notifyCode, func)                                 \
    if (uMsg == WM_NOTIFY && ((LPNMHDR)lParam)->idFrom >= (UINT_PTR)(first) &&               \
        ((LPNMHDR)lParam)->idFrom <= (UINT_PTR)(last) && ((LPNMHDR)lParam)->code == (UINT)(notifyCode)) \
    TW_TRY_HANDLER(func((int)wParam, (LPNMHDR)lParam, bHandled))

#define TW_CHAIN_MSG_MAP(baseClass) \
    if (baseClass::ProcessWindowMessage(hWnd, uMsg, wParam, lParam, lResult)) return true;

#define TW_CHAIN_MSG_MAP_ALT(baseClass, id) \
    if (baseClass::ProcessWindowMessage(hWnd, uMsg, wParam, lParam, lResult, id)) return true;

#define TW_CHAIN_MSG_MAP_MEMBER(member) \
    if ((member).ProcessWindowMessage(hWnd, uMsg, wParam, lParam, lResult)) return true;

#define TW_CHAIN_MSG_MAP_ALT_MEMBER(member, id) \
    if ((member).ProcessWindowMessage(hWnd, uMsg, wParam, lParam, lResult, id)) return true;

// Sends WM_COMMAND, WM_NOTIFY, WM_DRAWITEM and their kin back to the child
// that sent them, as OCM__BASE + message. Declines when there is no child.
#define TW_REFLECT_NOTIFICATIONS() \
    TW_TRY_HANDLER(ReflectNotifications(uMsg, wParam, lParam, bHandled))

// In a control's map: reflected messages it does not handle get the default
// answer of the original message.
#define TW_DEFAULT_REFLECTION_HANDLER()                                      \
    if (uMsg >= OCM__BASE && uMsg < OCM__BASE + WM_USER) {                   \
        lResult = ::DefWindowProcA(hWnd, uMsg - OCM__BASE, wParam, lParam);  \
        return true;                                                         \
    }
