#pragma once
// The pages of the options dialog, in list order, and ShowOptions, which
// runs the dialog for one of the commands that open it.
#include <windows.h>

#include <memory>
#include <vector>

#include "OptionsPage.h"

struct OptionsPageKind {
    UINT openingCommand;  // the command that opens the dialog on this page; 0 for none
    std::unique_ptr<COptionsPage> (*create)(OptionsContext& context);
};

// Every page, in list order: a new page is one line here.
const std::vector<OptionsPageKind>& OptionsPageKinds();

// The page the dialog opens on for a command: the page it names, else the
// general page.
size_t InitialOptionsPage(const std::vector<OptionsPageKind>& kinds, UINT commandId);

// Runs the dialog modally over the active window for a command of
// ID_OPTIONS_FIRST..ID_OPTIONS_LAST and answers IDOK or IDCANCEL. When a
// page's Apply changed what the documents show, they are restyled once the
// dialog has ended, whichever button ended it.
INT_PTR ShowOptions(UINT commandId, CAppSettings& settings, IOptionsHost& host);
