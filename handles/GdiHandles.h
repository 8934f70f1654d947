#pragma once
// Owners of GDI objects and device-context state for the painting code.
#include <windows.h>

#include <utility>

// Deletes its object unless it is a stock or system object it was told not to own.
template <typename H>
class CGdiObject {
public:
    CGdiObject() = default;
    explicit CGdiObject(H handle, bool owned = true) : m_handle(handle), m_owned(owned) {}
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
    CGdiObject(CGdiObject&& other) noexcept { Swap(other); }
    CGdiObject& operator=(CGdiObject&& other) noexcept {
        CGdiObject(std::move(other)).Swap(*this);
        return *this;
    }
    ~CGdiObject() { Reset(); }

    void Reset(H handle = nullptr, bool owned = true) {
        if (m_handle && m_owned) ::DeleteObject(m_handle);
        m_handle = handle;
        m_owned = owned;
    }
    H Get() const { return m_handle; }
    operator H() const { return m_handle; }
    explicit operator bool() const { return m_handle != nullptr; }

private:
    void Swap(CGdiObject& other) {
        std::swap(m_handle, other.m_handle);
        std::swap(m_owned, other.m_owned);
    }
    H m_handle = nullptr;
    bool m_owned = true;
};

using CFontHandle = CGdiObject<HFONT>;
using CBrushHandle = CGdiObject<HBRUSH>;
using CPenHandle = CGdiObject<HPEN>;
using CBitmapHandle = CGdiObject<HBITMAP>;

// Selects an object into a DC for the scope.
class CSelectObject {
public:
    CSelectObject(HDC dc, HGDIOBJ object) : m_dc(dc), m_old(object ? ::SelectObject(dc, object) : nullptr) {}
    CSelectObject(const CSelectObject&) = delete;
    CSelectObject& operator=(const CSelectObject&) = delete;
    ~CSelectObject() {
        if (m_old) ::SelectObject(m_dc, m_old);
    }

private:
    HDC m_dc;
    HGDIOBJ m_old;
};

// Saves the DC state for the scope.
class CSaveDc {
public:
    explicit CSaveDc(HDC dc) : m_dc(dc), m_saved(::SaveDC(dc)) {}
    CSaveDc(const CSaveDc&) = delete;
    CSaveDc& operator=(const CSaveDc&) = delete;
    ~CSaveDc() {
        if (m_saved) ::RestoreDC(m_dc, m_saved);
    }

private:
    HDC m_dc;
    int m_saved;
};

// A borrowed DC for the scope: a window's client area (GetDC; null for the
// screen) or its whole window with the frame (GetWindowDC).
template <HDC (*Borrow)(HWND)>
class CBorrowedDc {
public:
    explicit CBorrowedDc(HWND hWnd) : m_hWnd(hWnd), m_dc(Borrow(hWnd)) {}
    CBorrowedDc(const CBorrowedDc&) = delete;
    CBorrowedDc& operator=(const CBorrowedDc&) = delete;
    ~CBorrowedDc() {
        if (m_dc) ::ReleaseDC(m_hWnd, m_dc);
    }
    operator HDC() const { return m_dc; }
    explicit operator bool() const { return m_dc != nullptr; }

private:
    HWND m_hWnd;
    HDC m_dc;
};

inline HDC BorrowClientDc(HWND hWnd) { return ::GetDC(hWnd); }
inline HDC BorrowWindowDc(HWND hWnd) { return ::GetWindowDC(hWnd); }
using CClientDc = CBorrowedDc<BorrowClientDc>;
using CWindowDc = CBorrowedDc<BorrowWindowDc>;
