// The commands that open the options dialog, and what its pages ask of the
// main frame.
#include "DocumentFrame.h"
#include "Globals.h"
#include "Keymap.h"
#include "MainFrame.h"
#include "OptionsPages.h"

namespace {

class CMainFrameOptionsHost : public IOptionsHost {
public:
    explicit CMainFrameOptionsHost(CMainFrame& frame) : m_frame(frame) {}

    void SetRecentFileCount(int count) override { m_frame.SetRecentFileCount(count); }

    void RestyleDocuments() override {
        // A document shown in the hex view has no styles to renew.
        for (HWND window : m_frame.DocumentWindows()) {
            CDocumentFrame* document = CDocumentFrame::FromWindow(window);
            if (document && document->GetEditor()) document->ReapplyLanguage();
        }
    }

    bool CanCheckForUpdate() const override { return true; }
    void CheckForUpdate(bool force, bool silent) override { m_frame.CheckForUpdate(force, silent); }
    HMENU MainMenu() const override { return m_frame.Menu(); }
    std::vector<ACCEL> AcceleratorEntries() const override { return m_frame.KeymapEntries(); }
    std::string KeymapPath() const override { return m_frame.KeymapPath(); }

    void ReloadKeymap() override {
        // The tools' shortcuts are not in the key file: they come again
        // with the table's tool entries until the Tools menu rebuilds them.
        std::vector<ACCEL> tools;
        for (const ACCEL& entry : m_frame.KeymapEntries())
            if (entry.cmd >= kFirstToolCommand && entry.cmd <= kLastToolCommand) tools.push_back(entry);
        m_frame.LoadKeymap(tools);
    }

private:
    CMainFrame& m_frame;
};

}  // namespace

LRESULT CMainFrame::OnOptions(WORD, WORD id, HWND, bool&) {
    if (!g_appSettings) return 0;
    CMainFrameOptionsHost host(*this);
    ShowOptions(id, *g_appSettings, host);
    return 0;
}
