#pragma once
// What the tools and favourites pages share: the list toolbar (New, Delete,
// Up, Down) put where a hidden static stands, the one-column list view and
// its rows, the toolbar's enabling rule, and the folder browser of their
// "..." buttons.
#include <windows.h>
#include <commctrl.h>

#include <string>

// Creates the toolbar with id barId over the placeholder's rectangle; the
// image list it answers is the caller's to destroy.
HIMAGELIST CreateListToolbar(HWND page, int placeholderId, int barId);
// The folder browser, file-system folders only; false when none was chosen.
bool BrowseForFolder(HWND owner, std::string& path);
// Full-row selection, the light background, one column as wide as the list.
void SetUpListView(HWND list);
// New below the limit; Delete with a selection; Up and Down where there is
// room to move.
void EnableListToolbar(HWND bar, int count, int limit, int selected);
// The selected row of the single-selection list; -1 for none.
int SelectedListItem(HWND list);
// Clears the old selection, then selects and focuses row item and scrolls it
// into view; -1 leaves nothing selected.
void SelectListItem(HWND list, int item);
// Inserts a row with the text at index item.
void InsertListItem(HWND list, int item, const std::string& text);
