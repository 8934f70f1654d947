#pragma once
// The state images of a check list: 1 unticked, 2 ticked, 3 mixed, drawn at
// run time with the visual style when one is active, else classic frames.
#include <windows.h>
#include <commctrl.h>

enum CheckState { kCheckUnticked = 1, kCheckTicked = 2, kCheckMixed = 3 };

// Decides whether the themed images are drawn; tests reach the classic ones
// through it (Wine keeps a theme active).
enum class CheckBoxStyle { Automatic, Themed, Classic };
void SetCheckBoxStyle(CheckBoxStyle style);

// Owned by the caller (ImageList_Destroy).
HIMAGELIST CreateCheckBoxImages(int cx, int cy);
