#pragma once
// The registered message by which another program (the save benchmark) asks
// the editor's main window how long its last save waited for the disk. The
// answer is that save's flush time in microseconds, 0 before any save: an
// integer, which is all a message answers across processes, and asked after
// the save, so the save itself runs as it always does.
inline constexpr char kLastSaveFlushMessageName[] = "Tarnwick.LastSaveFlushMicroseconds";
