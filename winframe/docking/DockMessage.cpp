#include "DockMessage.h"

#include <cstring>
#include <string>

namespace {

void Put(PlacementBytes& out, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) out[at + i] = (uint8_t)(v >> (8 * i));
}

uint32_t Get(const PlacementBytes& in, size_t at) {
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= (uint32_t)in[at + i] << (8 * i);
    return v;
}

uint32_t FloatBits(float f) {
    uint32_t v;
    std::memcpy(&v, &f, sizeof v);
    return v;
}

float BitsFloat(uint32_t v) {
    float f;
    std::memcpy(&f, &v, sizeof f);
    return f;
}

// Registered during static initialisation so the id exists before any pane.
const UINT g_dockingBoxMessage = DockingBoxMessage();

}  // namespace

PlacementBytes SerialisePlacement(const DockMessage& r) {
    PlacementBytes out{};
    // Window handles carry 32 significant bits, so the file form keeps them whole.
    Put(out, 0, HandleToULong(r.pane));
    Put(out, 4, HandleToULong(r.target));
    Put(out, 8, r.code);
    Put(out, 12, r.place.flags);
    Put(out, 16, (uint32_t)r.place.position);
    Put(out, 20, FloatBits(r.place.ratio));
    Put(out, 24, (uint32_t)r.place.size);
    Put(out, 28, (uint32_t)r.place.length);
    Put(out, 32, (uint32_t)r.place.index);
    return out;
}

DockMessage DeserialisePlacement(const PlacementBytes& in) {
    DockMessage r((HWND)ULongToHandle(Get(in, 0)), (HWND)ULongToHandle(Get(in, 4)), Get(in, 8));
    r.place.flags = Get(in, 12);
    r.place.position = (LONG)Get(in, 16);
    r.place.ratio = BitsFloat(Get(in, 20));
    r.place.size = (LONG)Get(in, 24);
    r.place.length = (LONG)Get(in, 28);
    r.place.index = (LONG)Get(in, 32);
    return r;
}

UINT DockingBoxMessage() {
    static const UINT id = [] {
        std::string name = "DockingBoxMessage-" + std::to_string(::GetCurrentProcessId());
        return ::RegisterWindowMessageA(name.c_str());
    }();
    (void)g_dockingBoxMessage;
    return id;
}

LRESULT SendDockMessage(HWND to, DockMessage& record) {
    if (!to || !::IsWindow(to)) return 0;
    return ::SendMessageA(to, WM_DOCKMESSAGE, 0, (LPARAM)&record);
}

bool SpeaksDockProtocol(HWND window) {
    UINT id = DockingBoxMessage();
    if (!id || !window || !::IsWindow(window)) return false;
    DWORD pid = 0;
    ::GetWindowThreadProcessId(window, &pid);
    if (pid != ::GetCurrentProcessId()) return false;
    DockMessage query(window, nullptr, kDockProtocolQuery);
    return ::SendMessageA(window, id, 0, (LPARAM)&query) != 0;
}

void ClampFloatRect(RECT& r, int clientWidth, int clientHeight, int minWidth, int minHeight) {
    if (r.right - r.left > clientWidth / 3) r.right = r.left + clientWidth / 3;
    if (r.right - r.left < minWidth) r.right = r.left + minWidth;
    if (r.bottom - r.top > clientHeight / 3) r.bottom = r.top + clientHeight / 3;
    if (r.bottom - r.top < minHeight) r.bottom = r.top + minHeight;
}
