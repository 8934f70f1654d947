// Existence tests shared by the library's exports and the updater.
#pragma once

namespace dovari_common {

// True when the path's attributes can be read (a file or a folder).
bool AttributesReadable(const char* path);

// True when the path opens as an existing object for reading; folders open
// too. A file held open without read sharing answers false.
bool OpensForReading(const char* path);

} // namespace dovari_common
