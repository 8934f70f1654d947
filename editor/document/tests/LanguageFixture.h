#pragma once
// A real editor view styled from a property store read out of a
// "root.properties" text, with settings the test chooses.
#include <memory>
#include <string>

#include <SciLexer.h>

#include "LanguageSource.h"
#include "PropertySets.h"
#include "TempFolder.h"
#include "ViewFixture.h"

class TestLanguageSource : public ILanguageSource {
public:
    TestLanguageSource() : sets(std::make_unique<CPropertySets>()) {}
    CPropertySets* PropertySets() const override { return sets.get(); }
    LanguageDisplaySettings DisplaySettings() const override { return display; }

    // The root file of a fresh language folder.
    void Load(const std::string& rootText) {
        folder.Write("root.properties", rootText);
        sets->Load(folder.Path());
    }
    void LoadFolder(const std::string& path) { sets->Load(path); }

    TempFolder folder;
    std::unique_ptr<CPropertySets> sets;
    LanguageDisplaySettings display;
};

class StyledView {
public:
    explicit StyledView(uint32_t editorMask = kMaskSyntaxHighlight) : w(editorMask) {
        w.view->SetLanguageSource(&source);
    }
    CEditorView& View() const { return *w.view; }
    sptr_t Send(unsigned int message, uptr_t wp = 0, sptr_t lp = 0) const { return w.Send(message, wp, lp); }
    void SetText(const std::string& text) const {
        w.SetText(text);
        Send(SCI_COLOURISE, 0, -1);
    }
    int StyleAt(int position) const { return static_cast<int>(Send(SCI_GETSTYLEAT, static_cast<uptr_t>(position))); }
    COLORREF Fore(int style) const { return static_cast<COLORREF>(Send(SCI_STYLEGETFORE, static_cast<uptr_t>(style))); }
    COLORREF Back(int style) const { return static_cast<COLORREF>(Send(SCI_STYLEGETBACK, static_cast<uptr_t>(style))); }
    std::string Font(int style) const {
        char face[128] = {};
        Send(SCI_STYLEGETFONT, static_cast<uptr_t>(style), reinterpret_cast<sptr_t>(face));
        return face;
    }
    std::string Property(const char* key) const {
        std::string value(static_cast<size_t>(Send(SCI_GETPROPERTY, reinterpret_cast<uptr_t>(key), 0)), '\0');
        Send(SCI_GETPROPERTY, reinterpret_cast<uptr_t>(key), reinterpret_cast<sptr_t>(value.data()));
        return value;
    }
    bool Visible(int line) const { return Send(SCI_GETLINEVISIBLE, static_cast<uptr_t>(line)) != 0; }
    bool Expanded(int line) const { return Send(SCI_GETFOLDEXPANDED, static_cast<uptr_t>(line)) != 0; }
    bool IsHeader(int line) const {
        return (Send(SCI_GETFOLDLEVEL, static_cast<uptr_t>(line)) & SC_FOLDLEVELHEADERFLAG) != 0;
    }

    TestLanguageSource source;
    ViewWindow w;
};
