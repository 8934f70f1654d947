// The window base driven through real windows: dispatch order, declining
// handlers, chaining, reflection, subclassing, destruction inside a handler,
// dialogs, the message loop and update-UI state.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "Dialog.h"
#include "MessageLoop.h"
#include "UpdateUI.h"
#include "Window.h"

namespace {

constexpr UINT kProbe = WM_APP + 1;

class CBaseProbe : public CMsgWindow {
public:
    std::vector<std::string> calls;

    TW_BEGIN_MSG_MAP(CBaseProbe)
        TW_MESSAGE_HANDLER(kProbe + 3, OnBaseOnly)
    TW_ALT_MSG_MAP(1)
        TW_MESSAGE_HANDLER(kProbe + 4, OnAlt)
    TW_END_MSG_MAP()

    LRESULT OnBaseOnly(UINT, WPARAM, LPARAM, bool&) { calls.push_back("base"); return 30; }
    LRESULT OnAlt(UINT, WPARAM, LPARAM, bool&) { calls.push_back("alt"); return 40; }

protected:
    WindowClassInfo GetWindowClassInfo() const override { return {"TwTestProbe"}; }
};

class CMemberMap : public CMessageMap {
public:
    int hits = 0;
    TW_BEGIN_MSG_MAP(CMemberMap)
        TW_MESSAGE_HANDLER(kProbe + 5, OnMember)
    TW_END_MSG_MAP()
    LRESULT OnMember(UINT, WPARAM, LPARAM, bool&) { ++hits; return 50; }
};

class CProbe : public CBaseProbe {
public:
    UINT registered = ::RegisterWindowMessageA("TwTestRegistered");
    UINT unregistered = 0;
    CMemberMap member;
    int lastCommand = 0;
    UINT lastNotify = 0;

    TW_BEGIN_MSG_MAP(CProbe)
        TW_MESSAGE_HANDLER(kProbe, OnDecline)
        TW_MESSAGE_HANDLER(kProbe, OnSecond)
        TW_REGISTERED_MESSAGE_HANDLER(unregistered, OnNever)
        TW_REGISTERED_MESSAGE_HANDLER(registered, OnRegistered)
        TW_COMMAND_ID_HANDLER(100, OnCommand)
        TW_COMMAND_RANGE_HANDLER(600, 679, OnCommand)
        TW_NOTIFY_CODE_HANDLER(NM_CLICK, OnNotify)
        TW_CHAIN_MSG_MAP_MEMBER(member)
        TW_CHAIN_MSG_MAP_ALT(CBaseProbe, 1)
        TW_CHAIN_MSG_MAP(CBaseProbe)
    TW_END_MSG_MAP()

    LRESULT OnDecline(UINT, WPARAM, LPARAM, bool& handled) { calls.push_back("decline"); handled = false; return 1; }
    LRESULT OnSecond(UINT, WPARAM, LPARAM, bool&) { calls.push_back("second"); return 42; }
    LRESULT OnNever(UINT, WPARAM, LPARAM, bool&) { calls.push_back("never"); return 0; }
    LRESULT OnRegistered(UINT, WPARAM w, LPARAM, bool&) { return (LRESULT)w + 1; }
    LRESULT OnCommand(WORD, WORD id, HWND, bool&) { lastCommand = id; return 0; }
    LRESULT OnNotify(int, NMHDR* header, bool&) { lastNotify = header->code; return 7; }
};

HWND CreateProbe(CMsgWindow& window, const char* title = "probe") {
    RECT rc{0, 0, 200, 100};
    return window.Create(nullptr, &rc, title, WS_OVERLAPPEDWINDOW);
}

TEST(MessageMap, DispatchesInOrderAndLetsAHandlerDecline) {
    CProbe probe;
    ASSERT_TRUE(CreateProbe(probe));
    EXPECT_EQ(42, probe.SendMessage(kProbe));
    EXPECT_EQ((std::vector<std::string>{"decline", "second"}), probe.calls);
    EXPECT_EQ(&probe, CMsgWindow::FromHandle(probe));
    EXPECT_EQ(0, ::GetWindowLongPtrA(probe, GWLP_USERDATA)) << "user data stays free for the window";
}

TEST(MessageMap, RoutesCommandsNotificationsAndRegisteredMessages) {
    CProbe probe;
    ASSERT_TRUE(CreateProbe(probe));
    struct { WPARAM wParam; int expected; } commands[] = {
        {MAKEWPARAM(100, 0), 100}, {MAKEWPARAM(600, 0), 600}, {MAKEWPARAM(679, 1), 679}, {MAKEWPARAM(680, 0), 0}};
    for (auto& row : commands) {
        probe.lastCommand = 0;
        probe.SendMessage(WM_COMMAND, row.wParam, 0);
        EXPECT_EQ(row.expected, probe.lastCommand) << LOWORD(row.wParam);
    }
    NMHDR header{probe, 5, (UINT)NM_CLICK};
    EXPECT_EQ(7, probe.SendMessage(WM_NOTIFY, 5, (LPARAM)&header));
    EXPECT_EQ((UINT)NM_CLICK, probe.lastNotify);
    ASSERT_NE(0u, probe.registered);
    EXPECT_EQ(11, probe.SendMessage(probe.registered, 10));
    EXPECT_TRUE(std::find(probe.calls.begin(), probe.calls.end(), "never") == probe.calls.end());
}

TEST(MessageMap, ChainsMemberAlternateAndBaseMapsThenTheDefaultProcedure) {
    CProbe probe;
    ASSERT_TRUE(CreateProbe(probe, "caption"));
    EXPECT_EQ(50, probe.SendMessage(kProbe + 5));
    EXPECT_EQ(1, probe.member.hits);
    EXPECT_EQ(40, probe.SendMessage(kProbe + 4));
    EXPECT_EQ(30, probe.SendMessage(kProbe + 3));
    EXPECT_EQ("caption", probe.GetWindowText()) << "WM_GETTEXT reaches DefWindowProc";
}

// A button subclassed by an object that takes the notifications its parent reflects.
class CReflectedButton : public CMsgWindow {
public:
    int clicks = 0;
    TW_BEGIN_MSG_MAP(CReflectedButton)
        TW_MESSAGE_HANDLER(OCM__BASE + WM_COMMAND, OnReflectedCommand)
        TW_DEFAULT_REFLECTION_HANDLER()
    TW_END_MSG_MAP()
    LRESULT OnReflectedCommand(UINT, WPARAM w, LPARAM, bool&) {
        if (HIWORD(w) == BN_CLICKED) ++clicks;
        return 0;
    }
};

class CReflectingParent : public CMsgWindow {
public:
    TW_BEGIN_MSG_MAP(CReflectingParent)
        TW_REFLECT_NOTIFICATIONS()
    TW_END_MSG_MAP()
protected:
    WindowClassInfo GetWindowClassInfo() const override { return {"TwTestReflecting"}; }
};

TEST(MessageMap, ReflectsNotificationsToTheSubclassedSender) {
    CReflectingParent parent;
    ASSERT_TRUE(CreateProbe(parent));
    HWND button = ::CreateWindowA("BUTTON", "ok", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, parent, (HMENU)9, nullptr, nullptr);
    ASSERT_TRUE(button);
    CReflectedButton reflected;
    ASSERT_TRUE(reflected.SubclassWindow(button));
    ::SendMessageA(parent, WM_COMMAND, MAKEWPARAM(9, BN_CLICKED), (LPARAM)button);
    EXPECT_EQ(1, reflected.clicks);
    // The original procedure still answers everything else.
    ::SetWindowTextA(button, "renamed");
    EXPECT_EQ("renamed", reflected.GetWindowText());
    EXPECT_EQ(button, reflected.UnsubclassWindow());
    EXPECT_EQ(nullptr, CMsgWindow::FromHandle(button));
    ::SendMessageA(parent, WM_COMMAND, MAKEWPARAM(9, BN_CLICKED), (LPARAM)button);
    EXPECT_EQ(1, reflected.clicks);
    // A command without a control is not consumed by the reflection.
    EXPECT_EQ(0, ::SendMessageA(parent, WM_COMMAND, 77, 0));
}

// Destroys itself inside a handler; the object is freed in OnFinalMessage.
class CSelfDestroying : public CMsgWindow {
public:
    std::vector<std::string>* log = nullptr;
    TW_BEGIN_MSG_MAP(CSelfDestroying)
        TW_MESSAGE_HANDLER(WM_CLOSE, OnClose)
        TW_MESSAGE_HANDLER(WM_DESTROY, OnDestroy)
    TW_END_MSG_MAP()
    LRESULT OnClose(UINT, WPARAM, LPARAM, bool&) {
        ::DestroyWindow(m_hWnd);
        log->push_back(m_hWnd ? "after destroy: bound" : "after destroy: unbound");
        return 0;
    }
    LRESULT OnDestroy(UINT, WPARAM, LPARAM, bool&) { log->push_back("destroy"); return 0; }
protected:
    WindowClassInfo GetWindowClassInfo() const override { return {"TwTestSelfDestroying"}; }
    void OnFinalMessage(HWND) override {
        log->push_back("final");
        delete this;
    }
};

TEST(MessageMap, DestructionInsideAHandlerEndsAfterTheHandler) {
    std::vector<std::string> log;
    auto* window = new CSelfDestroying;
    window->log = &log;
    HWND hWnd = CreateProbe(*window);
    ASSERT_TRUE(hWnd);
    ::SendMessageA(hWnd, WM_CLOSE, 0, 0);
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_EQ((std::vector<std::string>{"destroy", "after destroy: unbound", "final"}), log);
}

TEST(MessageMap, AnObjectDestroysItsWindowWithoutBeingCalledAgain) {
    HWND hWnd;
    {
        CProbe probe;
        hWnd = CreateProbe(probe);
        ASSERT_TRUE(hWnd);
    }
    EXPECT_FALSE(::IsWindow(hWnd));
}

class CMdiFrame : public CMsgWindow {
public:
    HWND client = nullptr;
    TW_BEGIN_MSG_MAP(CMdiFrame)
        TW_MESSAGE_HANDLER(WM_CREATE, OnCreate)
    TW_END_MSG_MAP()
    LRESULT OnCreate(UINT, WPARAM, LPARAM, bool&) {
        CLIENTCREATESTRUCT ccs{nullptr, 1000};
        client = ::CreateWindowA("MDICLIENT", nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 100, 100,
                                 m_hWnd, nullptr, nullptr, &ccs);
        SetDefaultProc(DefaultProc::Frame);
        SetMdiClient(client);
        return 0;
    }
protected:
    WindowClassInfo GetWindowClassInfo() const override { return {"TwTestMdiFrame"}; }
};

class CMdiChild : public CMsgWindow {
public:
    bool created = false;
    TW_BEGIN_MSG_MAP(CMdiChild)
        TW_MESSAGE_HANDLER(WM_CREATE, OnCreate)
    TW_END_MSG_MAP()
    LRESULT OnCreate(UINT, WPARAM, LPARAM, bool& handled) { created = true; handled = false; return 0; }
protected:
    WindowClassInfo GetWindowClassInfo() const override { return {"TwTestMdiChild"}; }
};

TEST(MessageMap, MdiChildrenBindAndUseTheMdiDefaults) {
    CMdiFrame frame;
    ASSERT_TRUE(CreateProbe(frame));
    ASSERT_TRUE(frame.client);
    CMdiChild child;
    HWND hChild = child.CreateMdiChild(frame.client, "doc", WS_VISIBLE | WS_OVERLAPPEDWINDOW);
    ASSERT_TRUE(hChild);
    EXPECT_TRUE(child.created);
    EXPECT_EQ(hChild, (HWND)::SendMessageA(frame.client, WM_MDIGETACTIVE, 0, 0));
    ::SendMessageA(frame.client, WM_MDIDESTROY, (WPARAM)hChild, 0);
    EXPECT_FALSE(::IsWindow(hChild));
    EXPECT_EQ(nullptr, child.m_hWnd);
}

class CTestDialog : public CModelessDialog {
public:
    bool endAtInit = false;
    int okCount = 0;
    TW_BEGIN_MSG_MAP(CTestDialog)
        TW_MESSAGE_HANDLER(WM_INITDIALOG, OnInitDialog)
        TW_MESSAGE_HANDLER(kProbe, OnProbe)
        TW_COMMAND_ID_HANDLER(IDOK, OnOk)
    TW_END_MSG_MAP()
    LRESULT OnInitDialog(UINT, WPARAM, LPARAM, bool&) {
        if (endAtInit) ::PostMessageA(m_hWnd, WM_COMMAND, IDOK, 0);
        return TRUE;
    }
    LRESULT OnProbe(UINT, WPARAM, LPARAM, bool&) { return 99; }
    LRESULT OnOk(WORD, WORD, HWND, bool&) {
        ++okCount;
        if (endAtInit) EndDialog(7);
        return 0;
    }
};

CDialogTemplateBuilder SmallTemplate() {
    CDialogTemplateBuilder builder(WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 0, 0, 120, 60, "dialog");
    builder.AddItem(WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 10, 30, 40, 14, IDOK, 0x0080, "OK");
    builder.AddItem(WS_VISIBLE, 0, 10, 10, 80, 10, 1001, 0x0082, "label");
    return builder;
}

TEST(Dialogs, ModalFromAnInMemoryTemplateAnswersEndDialog) {
    CDialogTemplateBuilder builder = SmallTemplate();
    CTestDialog dialog;
    dialog.endAtInit = true;
    EXPECT_EQ(7, dialog.DoModalIndirect(nullptr, builder.Get()));
    EXPECT_EQ(1, dialog.okCount);
}

TEST(Dialogs, ModelessAnswersThroughTheMessageResultAndDefaultButton) {
    CMessageLoop loop;
    ASSERT_TRUE(g_module.AddMessageLoop(&loop));
    CDialogTemplateBuilder builder = SmallTemplate();
    CTestDialog dialog;
    HWND hDlg = dialog.CreateModelessIndirect(nullptr, builder.Get());
    ASSERT_TRUE(hDlg);
    dialog.AttachToMessageLoop();
    EXPECT_EQ(99, ::SendMessageA(hDlg, kProbe, 0, 0));
    char label[32] = {};
    ::GetDlgItemTextA(hDlg, 1001, label, sizeof(label));
    EXPECT_STREQ("label", label);
    // Enter in the dialog goes through the loop's filter to the default button.
    MSG enter{::GetDlgItem(hDlg, IDOK), WM_KEYDOWN, VK_RETURN, 0, 0, {0, 0}};
    EXPECT_TRUE(loop.PreTranslateMessage(&enter));
    EXPECT_EQ(1, dialog.okCount);
    ::DestroyWindow(hDlg);
    MSG other{nullptr, WM_KEYDOWN, VK_RETURN, 0, 0, {0, 0}};
    EXPECT_FALSE(loop.PreTranslateMessage(&other)) << "the destroyed dialog left the loop";
    g_module.RemoveMessageLoop();
}

struct RecordingFilter : IMessageLoopFilter {
    std::vector<int>* order;
    int id;
    BOOL consume;
    RecordingFilter(std::vector<int>* o, int i, BOOL c) : order(o), id(i), consume(c) {}
    BOOL PreTranslateMessage(MSG*) override { order->push_back(id); return consume; }
};

struct QuittingIdle : IIdleHandler {
    int runs = 0;
    BOOL OnIdle() override {
        if (++runs == 1) ::PostQuitMessage(5);
        return FALSE;
    }
};

TEST(MessageLoop, FiltersNewestFirstIdleHandlersAndTheQuitCode) {
    CMessageLoop loop;
    std::vector<int> order;
    RecordingFilter older(&order, 1, FALSE), newer(&order, 2, TRUE);
    loop.AddMessageFilter(&older);
    loop.AddMessageFilter(&newer);
    MSG msg{nullptr, WM_NULL, 0, 0, 0, {0, 0}};
    EXPECT_TRUE(loop.PreTranslateMessage(&msg));
    EXPECT_EQ((std::vector<int>{2}), order) << "a consuming filter stops the chain";
    loop.RemoveMessageFilter(&newer);
    order.clear();
    EXPECT_FALSE(loop.PreTranslateMessage(&msg));
    EXPECT_EQ((std::vector<int>{1}), order);

    QuittingIdle idle;
    loop.AddIdleHandler(&idle);
    EXPECT_EQ(5, loop.Run());
    EXPECT_GE(idle.runs, 1);
    EXPECT_EQ(&loop, g_module.AddMessageLoop(&loop) ? g_module.GetMessageLoop() : nullptr);
    EXPECT_EQ(nullptr, g_module.GetMessageLoop(::GetCurrentThreadId() + 1));
    g_module.RemoveMessageLoop();
}

TEST(UpdateUI, PushesStatesToToolbarsAndOpeningMenus) {
    CProbe probe;
    ASSERT_TRUE(CreateProbe(probe));
    HWND toolbar = ::CreateWindowExA(0, TOOLBARCLASSNAMEA, nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 100, 24, probe,
                                     nullptr, nullptr, nullptr);
    ASSERT_TRUE(toolbar);
    ::SendMessageA(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    TBBUTTON buttons[2] = {{I_IMAGENONE, 101, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0},
                           {I_IMAGENONE, 102, TBSTATE_ENABLED, BTNS_CHECK, {}, 0, 0}};
    ::SendMessageA(toolbar, TB_ADDBUTTONSA, 2, (LPARAM)buttons);
    CUpdateUI ui;
    ui.UIAddToolBar(toolbar);
    ui.UIEnable(101, false);
    ui.UISetCheck(102, 1);
    ui.UIUpdateToolBar();
    EXPECT_FALSE(::SendMessageA(toolbar, TB_ISBUTTONENABLED, 101, 0));
    EXPECT_TRUE(::SendMessageA(toolbar, TB_ISBUTTONCHECKED, 102, 0));

    HMENU popup = ::CreatePopupMenu();
    ::AppendMenuA(popup, MF_STRING, 101, "a");
    ::AppendMenuA(popup, MF_STRING, 102, "b");
    ::AppendMenuA(popup, MF_STRING, 103, "c");
    LRESULT result = 0;
    EXPECT_FALSE(ui.ProcessWindowMessage(probe, WM_INITMENUPOPUP, (WPARAM)popup, 0, result));
    EXPECT_TRUE(::GetMenuState(popup, 101, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(::GetMenuState(popup, 102, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_EQ(0u, ::GetMenuState(popup, 103, MF_BYCOMMAND) & (MF_GRAYED | MF_CHECKED));
    ::DestroyMenu(popup);
}

}  // namespace
