// The FTP location grammar and the FTP test.
#include "dovari.h"
#include "ftp_location.h"
#include "support.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

using dovari::FtpLocation;
using dovari::SplitFtpLocation;

namespace {

TEST(IsFtpPath, SchemeBeforeTheFirstColon)
{
    struct {
        const char* text;
        int expected;
    } cases[] = {
        {"FTP://h/d/f", 1}, {"ftp://h/d/f", 1}, {"Ftp:x", 1},    {"ftp:x", 1},    {"ftps://h/f", 0},
        {"ft://h/f", 0},    {"C:\\a", 0},       {"abc", 0},      {"", 0},         {"xftp://h/f", 0},
        {"ftp", 0},         {"a/ftp://h", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsFtpPath(c.text), c.expected) << c.text;
    EXPECT_EQ(IsFtpPath(nullptr), 0);
}

struct LocationCase {
    const char* location;
    const char* host;
    std::optional<std::string> user;
    std::optional<std::string> password;
    const char* folder;
    const char* file;
};

TEST(FtpLocation, SplitsHostCredentialsFolderAndFile)
{
    const LocationCase cases[] = {
        {"ftp://u:p@h/d1/d2/f", "h", "u", "p", "d1/d2", "f"},
        {"ftp://u@h/d/f", "h", "u", std::nullopt, "d", "f"},
        {"ftp://u:@h/d/f", "h", "u", "", "d", "f"},
        {"h/d/f", "h", std::nullopt, std::nullopt, "d", "f"},
        {"FTP://h/f", "h", std::nullopt, std::nullopt, "", "f"},
        {"ftp://u:p:q@h/d/f", "h", "u", "p:q", "d", "f"},
        {"ftp://u:p@x@h/d/f", "h", "u", "p@x", "d", "f"},
        {"ftp://h/d/", "h", std::nullopt, std::nullopt, "d", ""},
    };
    for (const auto& c : cases) {
        std::optional<FtpLocation> loc = SplitFtpLocation(c.location);
        ASSERT_TRUE(loc) << c.location;
        EXPECT_EQ(loc->host, c.host) << c.location;
        EXPECT_EQ(loc->user, c.user) << c.location;
        EXPECT_EQ(loc->password, c.password) << c.location;
        EXPECT_EQ(loc->folder, c.folder) << c.location;
        EXPECT_EQ(loc->file, c.file) << c.location;
    }
}

TEST(FtpLocation, RefusesALocationWithoutPathOrTooLong)
{
    const std::string tooLong = "ftp://h/" + std::string(120, 'd') + "/f"; // 130 characters
    const std::string longest = "ftp://h/" + std::string(117, 'd') + "/f"; // 127 characters
    for (const std::string& location : {std::string("ftp://h"), std::string("ftp://u:p@h"), tooLong}) {
        dovari_test::StdoutCapture out;
        EXPECT_FALSE(SplitFtpLocation(location.c_str())) << location;
        EXPECT_EQ(out.Text(), "[ERROR]: Invalid ftp file " + location + ".\n");
    }
    EXPECT_TRUE(SplitFtpLocation(longest.c_str()));
}

} // namespace
