#pragma once
// The fold margin's marker shapes and colours, chosen by "fold.symbols".
#include <windows.h>

#include <array>

#include "EditingComponent.h"

// Markers 31 folder-open, 30 folder, 29 folder-sub, 28 folder-tail,
// 25 folder-end, 26 folder-open-mid, 27 folder-mid-tail, in this order.
inline constexpr std::array<int, 7> kFoldMarkers = {SC_MARKNUM_FOLDEROPEN, SC_MARKNUM_FOLDER,
                                                    SC_MARKNUM_FOLDERSUB,  SC_MARKNUM_FOLDERTAIL,
                                                    SC_MARKNUM_FOLDEREND,  SC_MARKNUM_FOLDEROPENMID,
                                                    SC_MARKNUM_FOLDERMIDTAIL};

struct FoldSymbolSet {
    std::array<int, 7> symbols;  // per marker of kFoldMarkers
    std::array<COLORREF, 7> fore;
    COLORREF back;
};

// 0 boxes, 1 circles, 2 plus and minus; any other value arrows.
const FoldSymbolSet& FoldSymbolsFor(int foldSymbols);
void DefineFoldMarkers(const CEditingComponent& component, int foldSymbols);
