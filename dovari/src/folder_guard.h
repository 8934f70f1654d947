// Folders a tree deletion must never take.
#pragma once

#include <string>

namespace dovari {

// A drive or share root, or the current folder itself (an empty or "." text
// lands there): deleting it would empty the disk or the folder we run in.
bool IsProtectedFolder(const std::string& path);

} // namespace dovari
