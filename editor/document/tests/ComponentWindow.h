#pragma once
// A real editing-component window for tests, destroyed with the object.
#include <windows.h>

#include <string>

#include "EditingComponent.h"

class ComponentWindow {
public:
    ComponentWindow() {
        static const bool registered = Scintilla_RegisterClasses(::GetModuleHandleA(nullptr)) != 0;
        (void)registered;
        m_window = ::CreateWindowExW(0, L"Scintilla", L"", WS_OVERLAPPEDWINDOW, 0, 0, 600, 400, nullptr, nullptr,
                                     ::GetModuleHandleA(nullptr), nullptr);
        component.Attach(m_window);
    }
    ~ComponentWindow() { ::DestroyWindow(m_window); }
    ComponentWindow(const ComponentWindow&) = delete;
    ComponentWindow& operator=(const ComponentWindow&) = delete;

    HWND Window() const { return m_window; }
    std::string Text() const { return component.GetText(); }
    void SetText(const std::string& text) const {
        component.Send(SCI_CLEARALL);
        component.AddText(text.data(), text.size());
    }
    sptr_t Send(unsigned int message, uptr_t w = 0, sptr_t l = 0) const { return component.Send(message, w, l); }

    CEditingComponent component;

private:
    HWND m_window = nullptr;
};
