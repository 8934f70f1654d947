#pragma once
// One docking area: a row of slots along an axis around a centre cell (the
// nested area or the MDI client), in the frame's client coordinates.
#include <windows.h>

#include "DockMessage.h"
#include "PaneSequence.h"
#include "SlotObject.h"

class CDockSplitter {
public:
    static constexpr int kHitMargin = 20;
    using Sequence = CPaneSequence<SlotPtr>;

    explicit CDockSplitter(Axis along);
    CDockSplitter(const CDockSplitter&) = delete;
    CDockSplitter& operator=(const CDockSplitter&) = delete;

    Axis GetAxis() const { return m_seq.GetAxis(); }
    const RECT& Rect() const { return m_rect; }
    const Sequence& Slots() const { return m_seq; }
    // The centre's index, or npos before a centre is set.
    size_t CentreIndex() const;

    // Lays the area out in R; nothing when R is the current rectangle.
    void SetRect(const RECT& r);
    // Places every slot's window again (one batch).
    bool PlaceSlots();
    void SetCentreWindow(HWND* window, const RECT& s);
    void SetCentreArea(CDockSplitter& nested, const RECT& s);

    // The dock codes; rectangles of hit tests in the frame's client coordinates.
    LRESULT HitTest(DockMessage& record);                  // 1
    LRESULT InsertNewSlot(DockMessage& record, HWND frame); // 2
    LRESULT RemoveSlot(HWND slotWindow);                   // 3
    LRESULT QueryPlacement(DockMessage& record);           // 4
    LRESULT DockPane(DockMessage& record, HWND frame);     // 5

    // Along the axis the sum of the slots' minimums with a bar each, less
    // one bar; across, the largest.
    void FillMinMax(MINMAXINFO& mmi) const;
    void DrawBars(HDC dc) const;
    // The bar under a client point, or npos.
    size_t BarAt(POINT p) const;
    // Drags bar k from the press point; true when the layout changed.
    bool TrackBar(HWND frame, size_t k, POINT press, bool outline);

private:
    size_t InsertSlotWindow(size_t index, int requested, int length, HWND pane, HWND frame, UINT code,
                            DockMessage& record, LRESULT& reply);
    RECT SlotRect(size_t i) const;

    RECT m_rect{};
    Sequence m_seq;
    const ISlotObject* m_centre = nullptr;
};
