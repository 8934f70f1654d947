#pragma once
// The session file: the open documents with their view state and bookmarks,
// as a small XML document without a declaration:
//   <Tarnwick><session index="i"><file firstVisibleLine= xOffset= startPos= endPos=>path
//   <Mark line="n"/>...</file>...</session></Tarnwick>
#include <string>
#include <vector>

struct SessionEntry {
    std::string path;  // empty when the element had no text (still counted)
    bool hasViewState = false;  // editor documents; hex documents keep the path only
    int firstVisibleLine = 0;
    int xOffset = 0;
    int startPos = 0;
    int endPos = 0;
    std::vector<int> marks;  // bookmarked lines, ascending
};

struct Session {
    int index = -1;  // position of the active document among the entries, -1 for none
    std::vector<SessionEntry> files;
};

std::string SessionToXml(const Session& session);
// Written beside the target and then moved over it, so a failed write keeps
// the previous session. False when nothing was written.
bool WriteSessionFile(const std::string& path, const Session& session);
// False when the file is unreadable, malformed or lacks its two elements.
bool ReadSessionFile(const std::string& path, Session& session);
