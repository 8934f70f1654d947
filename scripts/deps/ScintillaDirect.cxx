// Scintilla_DirectFunction for the static Scintilla library.
//
// Upstream only defines this entry point in ScintillaDLL.cxx, next to a
// DllMain, so the DLL can export it. The static library gets the same entry
// point from this file, without the DllMain and without a dllexport.
// Compiled by scripts/deps.sh with scintilla/include and scintilla/win32 on
// the include path.

#include <windows.h>

#include "ScintillaTypes.h"
#include "ScintillaWin.h"

extern "C" Scintilla::sptr_t __stdcall Scintilla_DirectFunction(
    Scintilla::Internal::ScintillaWin *sci, UINT iMessage,
    Scintilla::uptr_t wParam, Scintilla::sptr_t lParam) {
	return Scintilla::Internal::DirectFunction(sci, iMessage, wParam, lParam);
}
