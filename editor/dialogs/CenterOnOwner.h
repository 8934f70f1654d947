#pragma once
// Places a dialog in the middle of its owner, or of the work area when the
// owner is missing or hidden.
#include <windows.h>

void CenterOnOwner(HWND dialog);
