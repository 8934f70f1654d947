#include "TabStripItem.h"

#include "TabStripDefs.h"

bool CTabStripItem::Matches(const CTabStripItem& pattern, UINT flags) const {
    if ((flags & TSIF_RECT) && !::EqualRect(&rect, &pattern.rect)) return false;
    if ((flags & TSIF_IMAGE) && image != pattern.image) return false;
    if ((flags & TSIF_TEXT) && text != pattern.text) return false;
    if ((flags & TSIF_TOOLTIP) && tooltip != pattern.tooltip) return false;
    if ((flags & TSIF_DATA) && data != pattern.data) return false;
    if ((flags & TSIF_MARKED) && marked != pattern.marked) return false;
    if ((flags & TSIF_CLOSABLE) && closable != pattern.closable) return false;
    return true;
}

void CTabStripItem::CopyFoundInto(CTabStripItem& pattern, UINT flags) const {
    pattern.rect = rect;
    pattern.image = image;
    pattern.text = text;
    pattern.tooltip = tooltip;
    pattern.marked = marked;
    pattern.closable = closable;
    if (flags & TSIF_DATA) pattern.data = data;
}
