#pragma once
// The record every docking window exchanges, its codes, and the two message
// ids that carry it. In memory the record holds natural-size handles and
// pointers; only the placement form has a fixed 36-byte file layout.
#include <windows.h>

#include <array>
#include <cstdint>

// Carries a DockMessage* in lParam to every docking window.
constexpr UINT WM_DOCKMESSAGE = WM_USER + 1;
// Sent by a container to a pane: wParam 0 = left lParam; (v << 16) + 1 = entered lParam.
constexpr UINT WM_DOCKNOTICE = WM_USER;
inline WPARAM DockEnteredNotice(int vertical) { return ((WPARAM)vertical << 16) + 1; }

enum DockCode : UINT {
    kDockHitTest = 1,
    kDockDock = 2,
    kDockRemove = 3,
    kDockQueryPlacement = 4,
    kDockAtPlacement = 5,
    kDockClampFloat = 7,
    kDockReplace = 8,
    kDockProtocolQuery = 9,
    kDockShow = 10,
    kDockIsAutoHide = 11,
    kDockPin = 12,
    kDockMinLength = 13,
};

// Drop flags of the drag form.
constexpr DWORD kDropAfterCentre = 0x1;
constexpr DWORD kDropInnerArea = 0x80000000;

// Flags of the placement form.
constexpr DWORD kPlaceLeftRight = 0x01;
constexpr DWORD kPlaceBeforeCentre = 0x02;
constexpr DWORD kPlaceAlone = 0x04;
constexpr DWORD kPlaceFloating = 0x08;
constexpr DWORD kPlaceActive = 0x10;
constexpr DWORD kPlaceAutoHidden = 0x20;
// Side = flags & 3.
enum DockSide : DWORD { kSideBottom = 0, kSideRight = 1, kSideTop = 2, kSideLeft = 3 };

struct DockDragForm {
    RECT rect;        // screen coordinates; drop point = top-left
    DWORD dropFlags;
    DWORD reserved;
};

struct DockPlacementForm {
    DWORD flags;
    LONG position;
    float ratio;
    LONG size;
    LONG length;
    LONG index;
};

struct DockFloatForm {
    DWORD flags;      // kPlaceFloating
    RECT rect;
    LONG index;
};

struct DockReplaceForm {
    HWND window;      // takes the pane's place
    // Nonzero when the window takes the pane in at once (a tab docking box
    // made in its place): the pane goes to it as a hidden child rather than
    // leaving as a popup, which under Wine would get an X window for nothing.
    DWORD handOver;
};

struct DockPinForm {
    DWORD flags;      // side in bits 0-1
    LONG size;
    DWORD showNow;
    LONG count;
    HWND* panes;      // count windows, owned by the sender
};

struct DockMessage {
    HWND pane = nullptr;
    HWND target = nullptr;
    UINT code = 0;
    union {
        DockDragForm drag;
        DockPlacementForm place;
        DockFloatForm floating;
        DockReplaceForm replace;
        DockPinForm pin;
    };
    DockMessage() : drag{} { pin = DockPinForm{}; }
    DockMessage(HWND p, HWND t, UINT c) : DockMessage() {
        pane = p;
        target = t;
        code = c;
    }
};

// The file form of a placement: nine little-endian 32-bit fields.
constexpr size_t kPlacementBytes = 36;
using PlacementBytes = std::array<uint8_t, kPlacementBytes>;
PlacementBytes SerialisePlacement(const DockMessage& record);
DockMessage DeserialisePlacement(const PlacementBytes& bytes);

// "DockingBoxMessage-<pid>", registered once; 0 when registration failed.
UINT DockingBoxMessage();

// Sends the record by WM_DOCKMESSAGE; 0 for a window that is not there.
LRESULT SendDockMessage(HWND to, DockMessage& record);
// Whether the window answers code 9 under the registered id. Windows of other
// processes are not asked: a hung one would block the caller.
bool SpeaksDockProtocol(HWND window);

// Code 7: cut a float rectangle to a third of the frame's client, but never
// below the system's minimum window size.
void ClampFloatRect(RECT& r, int clientWidth, int clientHeight, int minWidth, int minHeight);
