#include "ProgramLanguageSource.h"

#include <string>

#include "AppSettings.h"
#include "FontSchemes.h"
#include "Globals.h"
#include "IniKeys.h"

namespace {

class CProgramLanguageSource : public ILanguageSource {
public:
    CPropertySets* PropertySets() const override { return g_propertySets; }

    LanguageDisplaySettings DisplaySettings() const override {
        LanguageDisplaySettings display;
        const CAppSettings* settings = g_appSettings;
        if (!settings) return display;
        display.editorMask = settings->EditorMask;
        display.highLightColor = settings->HighLightColor;
        display.lineTransparent = settings->LineTransparent;
        display.lineEdgePos = settings->LineEdgePos;
        display.lineEdgeColor = settings->LineEdgeColor;
        display.tabSize = settings->TabSize;
        display.indentSize = settings->IndentSize;
        // The chosen scheme as the ini holds it; an empty one is the default.
        const CFontSchemes schemes(*settings);
        const std::string scheme = schemes.Text(schemes.Chosen());
        if (!scheme.empty()) display.fontScheme = scheme;
        return display;
    }
};

}  // namespace

const ILanguageSource& ProgramLanguageSource() {
    static const CProgramLanguageSource s_source;
    return s_source;
}
