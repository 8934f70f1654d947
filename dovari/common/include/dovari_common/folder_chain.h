// Creation of the folders along a path.
#pragma once

#include <string_view>

namespace dovari_common {

// Creates every missing folder named by the text before each '\' of the path.
// The text after the last '\' is never created, so a file's path makes the
// file's folders and a folder path needs a final '\' to have its last folder
// made. Failures to create are passed over.
void CreateFolderChain(std::string_view path);

} // namespace dovari_common
