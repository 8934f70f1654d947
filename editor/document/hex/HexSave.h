#pragma once
// Writing the hex view's edits to disk. The file keeps its size; only the
// changed bytes are written, and every write is checked.
#include <cstdint>
#include <string>

#include "ByteOverlay.h"

// Writes the edits into `source` itself when `target` names the same file,
// otherwise copies `source` beside `target`, writes the edits into the copy
// and then replaces `target` with it. `size` is the size the view shows; a
// file whose size changed meanwhile is not written. Answers true only when
// everything was written.
bool SaveHexEdits(const std::string& source, const std::string& target, uint64_t size, const ByteOverlay& edits);
