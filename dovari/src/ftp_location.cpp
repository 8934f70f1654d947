#include "ftp_location.h"

#include <cstdio>
#include <cstring>
#include <string_view>

namespace dovari {
namespace {
// At most this many characters stand before the scheme's ':'.
constexpr size_t kSchemeChars = 255;
}

bool IsFtpLocation(const char* text)
{
    if (text == nullptr)
        return false;
    const char* colon = static_cast<const char*>(std::memchr(text, ':', strnlen(text, kSchemeChars + 1)));
    return colon != nullptr && colon - text == 3 && _strnicmp(text, "ftp", 3) == 0;
}

std::optional<FtpLocation> SplitFtpLocation(const char* location)
{
    if (location == nullptr)
        return std::nullopt;
    std::string_view text(location, strnlen(location, kLocationChars + 1));
    size_t scheme = text.find("://");
    std::string_view rest = scheme == std::string_view::npos ? text : text.substr(scheme + 3);
    size_t first = rest.find('/');
    if (text.size() > kLocationChars || first == std::string_view::npos) {
        std::printf("[ERROR]: Invalid ftp file %s.\n", location);
        return std::nullopt;
    }
    size_t last = rest.rfind('/');

    FtpLocation loc;
    std::string_view hostPart = rest.substr(0, first);
    loc.file = rest.substr(last + 1);
    if (last > first)
        loc.folder = rest.substr(first + 1, last - first - 1);

    // Hosts never hold '@', so the last one ends the credentials.
    size_t at = hostPart.rfind('@');
    if (at == std::string_view::npos) {
        loc.host = hostPart;
        return loc;
    }
    loc.host = hostPart.substr(at + 1);
    std::string_view credentials = hostPart.substr(0, at);
    size_t colon = credentials.find(':');
    loc.user = std::string(credentials.substr(0, colon));
    if (colon != std::string_view::npos)
        loc.password = std::string(credentials.substr(colon + 1));
    return loc;
}

} // namespace dovari
