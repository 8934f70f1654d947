#pragma once
// The list of paths a second instance hands to the first one through the
// shared block: NUL-terminated paths back to back, then an empty string.
#include <cstddef>
#include <string>
#include <vector>

constexpr size_t kForwardBlockSize = 260;

// The absolute form of a command-line argument started in `folder`: an
// argument with a drive letter stays as it is; any other is joined to the
// folder, with "." and ".." resolved.
std::string MakeForwardedPath(const std::string& folder, const std::string& argument);

// Arguments beginning with '-', '/' or '\' are switches and not handed over.
bool IsForwardingSwitch(const std::string& argument);

// Writes the list into block (blockSize bytes) and answers the byte count of
// the paths with their NULs, without the final empty string. Paths that do not
// fit are left out, and appended to `left` (absolute) when it is given, for a
// later round; the terminator is always inside the block.
size_t BuildForwardedFileList(const std::vector<std::string>& arguments, const std::string& folder, char* block,
                              size_t blockSize, std::vector<std::string>* left = nullptr);

// Reads the paths from a block of blockSize bytes whose sender reported
// `length`; never reads past min(length + 1, blockSize) bytes, and drops an
// unterminated tail.
std::vector<std::string> ParseForwardedFileList(const char* block, size_t blockSize, size_t length);
