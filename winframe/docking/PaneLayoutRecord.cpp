#include "PaneLayoutRecord.h"

#include <cmath>
#include <cstring>

namespace {

void Put(PaneRecordBytes& out, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) out[at + i] = (uint8_t)(v >> (8 * i));
}

uint32_t Get(const PaneRecordBytes& in, size_t at) {
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= (uint32_t)in[at + i] << (8 * i);
    return v;
}

}  // namespace

PaneRecordBytes SerialisePaneRecord(const PaneLayoutRecord& r) {
    PaneRecordBytes out{};
    PlacementBytes head = SerialisePlacement(r.placement);
    std::memcpy(out.data(), head.data(), head.size());
    Put(out, 36, (uint32_t)r.floatRect.left);
    Put(out, 40, (uint32_t)r.floatRect.top);
    Put(out, 44, (uint32_t)r.floatRect.right);
    Put(out, 48, (uint32_t)r.floatRect.bottom);
    Put(out, 52, r.docked);
    Put(out, 56, r.visible);
    return out;
}

PaneLayoutRecord DeserialisePaneRecord(const PaneRecordBytes& in) {
    PaneLayoutRecord r;
    PlacementBytes head{};
    std::memcpy(head.data(), in.data(), head.size());
    r.placement = DeserialisePlacement(head);
    r.floatRect = {(LONG)Get(in, 36), (LONG)Get(in, 40), (LONG)Get(in, 44), (LONG)Get(in, 48)};
    r.docked = Get(in, 52);
    r.visible = Get(in, 56);
    return r;
}

uint32_t PaneSortKey(const PaneLayoutRecord& r) {
    const DockPlacementForm& p = r.placement.place;
    if (p.flags & kPlaceFloating) return 0xE0000000u | HandleToULong(r.placement.target);
    // A ratio read from a file may be anything: negative or not a number counts as 0.
    double scaled = (double)p.ratio * 16383.0;
    uint32_t ratio = (scaled > 0 && scaled < 4294967295.0) ? (uint32_t)scaled : 0;
    return ((~p.flags & 3u) << 30) | (((uint32_t)p.position & 0x7Fu) << 23) | ((ratio & 0x3FFFu) << 9) |
           ((uint32_t)p.index & 0x1FFu);
}
