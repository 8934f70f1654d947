#pragma once
// The names a start of the editor opens: its own command line made full
// against the folder it was started in, before anything opens or stores
// them, so that the session and the recent list never hold a relative name.
#include <string>
#include <vector>

// The absolute form of one argument. A name beginning with a single '/' that
// names an existing file of the host system (Wine) becomes that file's drive
// path; device names stay as typed, to be refused by name.
std::string FullStartPath(const std::string& argument);

const std::vector<std::string>& StartFiles();
void SetStartFiles(std::vector<std::string> files);
