// The FTP side of the network copy. Each operation connects on its own,
// reports its failures on standard output and answers whether it succeeded.
#pragma once

namespace dovari {

// Sends the local file (a full path holding '/') to the location. With
// failIfExists set, a remote file of that name is left as it is (success).
bool FtpPut(const char* location, const char* localPath, bool failIfExists);

// Fetches the location into the local path, replacing a file there only once
// the whole download has arrived.
bool FtpGet(const char* location, const char* localPath);

bool FtpDelete(const char* location);

} // namespace dovari
