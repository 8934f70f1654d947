#pragma once
// The document tab strip above or below the MDI client: scroll buttons, a
// close button, drag reordering, a bold selected tab and its own 13x13
// image list. The tabbed MDI owner decides its height and visibility.
#include "TabStripImpl.h"
#include "UniqueHandle.h"

class CDotNetTabCtrl : public CTabStripImpl {
public:
    static constexpr DWORD kWindowStyle = 0x56000000;
    static constexpr DWORD kInitialStripStyle = 0x6409;

    HIMAGELIST GetOwnImageList() const { return m_images.get(); }

    // State the owner keeps with the strip.
    int imageWidth = 13;
    int imageHeight = 13;
    int stripHeight = 24;
    int minTabCount = 1;   // fewer tabs hide the strip
    bool hidden = true;

    TW_BEGIN_MSG_MAP(CDotNetTabCtrl)
        TW_MESSAGE_HANDLER(WM_CREATE, OnCreate)
        TW_CHAIN_MSG_MAP(CTabStripImpl)
    TW_END_MSG_MAP()

protected:
    WindowClassInfo GetWindowClassInfo() const override { return {"WTL_DotNetTabCtrl", CS_DBLCLKS, nullptr}; }

private:
    LRESULT OnCreate(UINT msg, WPARAM w, LPARAM l, bool& handled);

    UniqueImageList m_images;
};
