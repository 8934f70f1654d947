// The commands that open the options dialog, and what its pages ask of the
// main frame.
#include "DocumentFrame.h"
#include "Globals.h"
#include "MainFrame.h"
#include "OptionsPages.h"

namespace {

class CMainFrameOptionsHost : public IOptionsHost {
public:
    explicit CMainFrameOptionsHost(CMainFrame& frame) : m_frame(frame) {}

    void SetRecentFileCount(int count) override { m_frame.SetRecentFileCount(count); }

    void RestyleDocuments() override { m_frame.RestyleDocuments(); }

    bool CanCheckForUpdate() const override { return true; }
    void CheckForUpdate(bool force, bool silent) override { m_frame.CheckForUpdate(force, silent); }
    HMENU MainMenu() const override { return m_frame.Menu(); }
    std::vector<ACCEL> AcceleratorEntries() const override { return m_frame.KeymapEntries(); }
    std::string KeymapPath() const override { return m_frame.KeymapPath(); }

    // The Tools menu again, with the shortcuts the keys page wrote into the
    // tools' entries, and the table from the new key file.
    void ReloadKeymap() override { m_frame.RebuildToolsMenu(); }
    void RebuildToolsMenu() override { m_frame.RebuildToolsMenu(); }
    // The font-scheme command of the scheme already chosen.
    void ApplyFontScheme() override {
        m_frame.SendMessage(WM_COMMAND, ID_FONT_SCHEME_FIRST - 1 + m_frame.FontScheme(), 0);
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
