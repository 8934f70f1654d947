#include "FoldSymbols.h"

namespace {

constexpr COLORREF kWhite = 0xFFFFFF;
constexpr std::array<COLORREF, 7> kAllWhite = {kWhite, kWhite, kWhite, kWhite, kWhite, kWhite, kWhite};

const FoldSymbolSet kBoxes = {{SC_MARK_BOXMINUS, SC_MARK_BOXPLUS, SC_MARK_VLINE, SC_MARK_LCORNER,
                               SC_MARK_BOXPLUSCONNECTED, SC_MARK_BOXMINUSCONNECTED, SC_MARK_TCORNER},
                              kAllWhite,
                              0x808080};
const FoldSymbolSet kCircles = {{SC_MARK_CIRCLEMINUS, SC_MARK_CIRCLEPLUS, SC_MARK_VLINE, SC_MARK_LCORNERCURVE,
                                 SC_MARK_CIRCLEPLUSCONNECTED, SC_MARK_CIRCLEMINUSCONNECTED, SC_MARK_TCORNERCURVE},
                                kAllWhite,
                                0x404040};
const FoldSymbolSet kPlusMinus = {{SC_MARK_MINUS, SC_MARK_PLUS, SC_MARK_EMPTY, SC_MARK_EMPTY, SC_MARK_EMPTY,
                                   SC_MARK_EMPTY, SC_MARK_EMPTY},
                                  kAllWhite,
                                  0};
const FoldSymbolSet kArrows = {{SC_MARK_ARROWDOWN, SC_MARK_ARROW, SC_MARK_EMPTY, SC_MARK_EMPTY, SC_MARK_EMPTY,
                                SC_MARK_EMPTY, SC_MARK_EMPTY},
                               {0, 0, 0, 0, kWhite, kWhite, kWhite},
                               0};

}  // namespace

const FoldSymbolSet& FoldSymbolsFor(int foldSymbols) {
    switch (foldSymbols) {
    case 0: return kBoxes;
    case 1: return kCircles;
    case 2: return kPlusMinus;
    default: return kArrows;
    }
}

void DefineFoldMarkers(const CEditingComponent& component, int foldSymbols) {
    const FoldSymbolSet& set = FoldSymbolsFor(foldSymbols);
    for (size_t i = 0; i < kFoldMarkers.size(); ++i) {
        const uptr_t marker = static_cast<uptr_t>(kFoldMarkers[i]);
        component.Send(SCI_MARKERDEFINE, marker, set.symbols[i]);
        component.Send(SCI_MARKERSETFORE, marker, static_cast<sptr_t>(set.fore[i]));
        component.Send(SCI_MARKERSETBACK, marker, static_cast<sptr_t>(set.back));
    }
}
