// Deletion of a folder with everything below it.
#pragma once

#include <string>

namespace dovari_common {

// Deletes every file below dir (no trailing separator) and then the folders
// themselves; a folder link is removed, never what it points to. A file that
// cannot be deleted (read-only, in use) stays, and so do the folders above
// it. dir is extended and cut back in place; entries that cannot be named
// within MAX_PATH are left alone.
void RemoveFolderTree(std::string& dir);

} // namespace dovari_common
