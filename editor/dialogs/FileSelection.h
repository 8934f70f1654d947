#pragma once
// The chosen paths of a multi-select open dialog, from its file-name buffer
// or from the selection text and folder read from the dialog itself.
#include <string>
#include <vector>

// buffer: "folder\0name\0name\0\0", or one full path ("path\0\0") when a single
// file was chosen; without multiple selection the buffer is the one path.
std::vector<std::string> PathsFromBuffer(const char* buffer, bool multiSelect);
// selection: the dialog's name box, `"a" "b"` with any blanks around, or one
// unquoted name. An absolute name is taken as it is.
std::vector<std::string> PathsFromSelection(const std::string& folder, const std::string& selection);
