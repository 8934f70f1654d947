#pragma once
// Console input records: a line typed into the console, and the keys the
// console view forwards. The console takes a carriage return as Enter only
// when its record carries VK_RETURN and that key's scan code.
#include <windows.h>

#include <string>
#include <vector>

// One key-down record per character, with a carriage return appended unless
// the text already ends in one. Characters carry no virtual key, except the
// carriage returns, which are Enter.
std::vector<INPUT_RECORD> LineRecords(const std::wstring& text);

// The record of a typed character (WM_CHAR), with the key that types it.
INPUT_RECORD CharRecord(wchar_t ch);

// The record of a key that types no character (WM_KEYDOWN of the arrows,
// Home, End, Insert, Delete, page keys and F1-F12), with the control keys
// held now; false for other keys, which come as characters.
bool NavigationKeyRecord(UINT virtualKey, LPARAM keyData, INPUT_RECORD& record);
