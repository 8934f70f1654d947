#pragma once
// What the program's editor views style from: the global property store,
// the display settings and the chosen font scheme of the settings.
#include "LanguageSource.h"

const ILanguageSource& ProgramLanguageSource();
