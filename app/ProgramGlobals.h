#pragma once
// Makes and frees the process-wide objects of Globals.h; the settings
// (g_appSettings) are made first, by the caller.

bool InitGlobals();
void FreeGlobals();
