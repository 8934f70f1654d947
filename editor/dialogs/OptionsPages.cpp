#include "OptionsPages.h"

#include "ColoursPage.h"
#include "EditorPage.h"
#include "FavoritesPage.h"
#include "FontPage.h"
#include "GeneralPage.h"
#include "KeyboardPage.h"
#include "OptionsDialog.h"
#include "ToolsPage.h"
#include "UpdatePage.h"
#include "VariablesPage.h"
#include "resource.h"

namespace {

template <class Page>
std::unique_ptr<COptionsPage> MakePage(OptionsContext& context) {
    return std::make_unique<Page>(context);
}

}  // namespace

const std::vector<OptionsPageKind>& OptionsPageKinds() {
    static const std::vector<OptionsPageKind> kinds = {
        {ID_OPTIONS_GENERAL, MakePage<CGeneralPage>},
        {0, MakePage<CEditorPage>},
        {ID_OPTIONS_FONTS, MakePage<CFontPage>},
        {0, MakePage<CColoursPage>},
        {ID_OPTIONS_KEYS, MakePage<CKeyboardPage>},
        {ID_OPTIONS_FAVORITES, MakePage<CFavoritesPage>},
        {0, MakePage<CVariablesPage>},
        {ID_OPTIONS_TOOLS, MakePage<CToolsPage>},
        {0, MakePage<CUpdatePage>},
    };
    return kinds;
}

size_t InitialOptionsPage(const std::vector<OptionsPageKind>& kinds, UINT commandId) {
    size_t general = 0;
    for (size_t i = 0; i < kinds.size(); ++i) {
        if (kinds[i].openingCommand == commandId) return i;
        if (kinds[i].openingCommand == ID_OPTIONS_GENERAL) general = i;
    }
    return general;
}

INT_PTR ShowOptions(UINT commandId, CAppSettings& settings, IOptionsHost& host) {
    OptionsContext context{settings, host};
    const std::vector<OptionsPageKind>& kinds = OptionsPageKinds();
    std::vector<std::unique_ptr<COptionsPage>> pages;
    std::vector<COptionsPage*> list;
    for (const OptionsPageKind& kind : kinds) {
        pages.push_back(kind.create(context));
        list.push_back(pages.back().get());
    }
    COptionsDialog dialog(list, InitialOptionsPage(kinds, commandId));
    context.EditorSettingsChanged = false;
    const INT_PTR result = dialog.Run(::GetActiveWindow());
    // Also after Cancel: an earlier Apply stored settings the documents
    // should show.
    if (context.EditorSettingsChanged) host.RestyleDocuments();
    return result;
}
