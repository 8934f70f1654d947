// Folders a tree deletion must never take.
#pragma once

#include <string>

namespace dovari {

// A drive or share root, the current folder itself or any folder above it,
// however spelt ("..", ".", a relative or short name): deleting one would
// empty the disk or take the folder we run in with it. A path that cannot be
// resolved counts as protected.
bool IsProtectedFolder(const std::string& path);

} // namespace dovari
