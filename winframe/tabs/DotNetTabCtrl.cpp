#include "DotNetTabCtrl.h"

// The list exists before the common creation lays the tabs out.
LRESULT CDotNetTabCtrl::OnCreate(UINT msg, WPARAM w, LPARAM l, bool& handled) {
    m_images.reset(::ImageList_Create(imageWidth, imageHeight, ILC_COLOR32 | ILC_MASK, 4, 4));
    SetImageList(m_images.get());
    return CTabStripImpl::OnCreate(msg, w, l, handled);
}
