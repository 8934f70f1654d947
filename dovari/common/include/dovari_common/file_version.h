// Reading a file's fixed version record.
#pragma once

#include <windows.h>

namespace dovari_common {

// Copies the fixed version record of the file (the running program's own
// file when path is null) into out. False when the file has none.
bool ReadFixedVersion(const char* path, VS_FIXEDFILEINFO* out);

} // namespace dovari_common
