// "ftp://[user[:password]@]host/folder/file" locations.
#pragma once

#include <optional>
#include <string>

namespace dovari {

constexpr size_t kLocationChars = 127;

struct FtpLocation {
    std::string host;
    std::optional<std::string> user;     // absent without '@'
    std::optional<std::string> password; // absent without ':' in the credentials
    std::string folder;                  // between the first and the last '/'; may be empty
    std::string file;                    // after the last '/'
};

// True when the text before the first ':' is "ftp" in any letter case.
bool IsFtpLocation(const char* text);

// Splits a location; everything up to the first "://" is skipped. A location
// without '/' after the host, or one too long, is reported on standard
// output ("[ERROR]: Invalid ftp file ...") and answers nullopt.
std::optional<FtpLocation> SplitFtpLocation(const char* location);

} // namespace dovari
