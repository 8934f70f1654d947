#pragma once
// What a docking area keeps in each slot: a slot window, the centre window
// (the MDI client) or the nested area.
#include <windows.h>

#include <memory>

#include "DockGeometry.h"

struct DockMessage;
class CDockSplitter;

class ISlotObject {
public:
    virtual ~ISlotObject() = default;
    virtual HWND Window() const = 0;
    // Forwards a code-1 hit test whose rectangle is in the record target's client coordinates.
    virtual LRESULT HitTest(DockMessage& record) = 0;
    // The minimum extent along the area's axis.
    virtual int MinExtent(Axis along) const = 0;
    // The minimum tracking size; the record is left as it was when there is nothing to ask.
    virtual void FillMinMax(MINMAXINFO& mmi) const = 0;
    // Adds the slot's move to the batch; returns the batch (null when it failed).
    virtual HDWP Place(HDWP batch, const RECT& rect) = 0;
};

using SlotPtr = std::unique_ptr<ISlotObject>;

// A window read through a pointer at each use; the frame's MDI client.
class CCentreWindowCell : public ISlotObject {
public:
    explicit CCentreWindowCell(HWND* window) : m_window(window) {}
    HWND Window() const override { return m_window ? *m_window : nullptr; }
    LRESULT HitTest(DockMessage&) override { return 0; }
    int MinExtent(Axis along) const override;
    void FillMinMax(MINMAXINFO& mmi) const override;
    HDWP Place(HDWP batch, const RECT& rect) override;

private:
    HWND* m_window;
};

// Stands for the nested area: placing it sets that area's rectangle.
class CCentreAreaCell : public ISlotObject {
public:
    explicit CCentreAreaCell(CDockSplitter& area) : m_area(area) {}
    HWND Window() const override { return nullptr; }
    LRESULT HitTest(DockMessage&) override { return 0; }
    int MinExtent(Axis along) const override;
    void FillMinMax(MINMAXINFO& mmi) const override;
    HDWP Place(HDWP batch, const RECT& rect) override;

private:
    CDockSplitter& m_area;
};
