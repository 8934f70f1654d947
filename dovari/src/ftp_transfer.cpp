#include "ftp_transfer.h"

#include "ftp_location.h"
#include "handles.h"
#include "paths.h"

#include <cstdio>
#include <cstring>

namespace dovari {
namespace {

constexpr INTERNET_PORT kFtpPort = 21;

const char* OrNull(const std::optional<std::string>& text)
{
    return text ? text->c_str() : nullptr;
}

// Connection to the location's host with its remote folder entered. The
// connection closes before the internet handle (members close in reverse).
class FtpSession {
public:
    bool Open(const FtpLocation& loc)
    {
        // The agent name is the program that runs the library.
        char agent[kPathBytes] = "";
        DWORD n = GetModuleFileNameA(nullptr, agent, sizeof agent);
        if (n >= sizeof agent)
            agent[0] = '\0';

        internet_.reset(InternetOpenA(agent, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
        if (!internet_) {
            DWORD error = GetLastError();
            std::puts("InternetOpen run fail.");
            return Fail(error);
        }
        // Flags 0: active mode.
        connection_.reset(InternetConnectA(internet_.get(), loc.host.c_str(), kFtpPort, OrNull(loc.user),
                                           OrNull(loc.password), INTERNET_SERVICE_FTP, 0, 0));
        if (!connection_)
            return Fail(GetLastError());
        // A location with one '/' after the host has no folder to enter.
        if (!loc.folder.empty() && !FtpSetCurrentDirectoryA(connection_.get(), loc.folder.c_str()))
            return Fail(GetLastError());
        return true;
    }

    HINTERNET connection() const { return connection_.get(); }

private:
    static bool Fail(DWORD error)
    {
        std::printf("%d\n", static_cast<int>(error));
        return false;
    }

    UniqueInternet internet_;
    UniqueInternet connection_;
};

bool FtpFileExists(HINTERNET connection, const char* name)
{
    WIN32_FIND_DATAA data;
    UniqueInternet find(FtpFindFirstFileA(connection, name, &data, INTERNET_FLAG_RELOAD, 0));
    if (!find) {
        std::printf("[ERROR]: FtpFindFirstFile search file '%s' failed.\n", name);
        return false;
    }
    for (;;) {
        if (lstrcmpiA(data.cFileName, name) == 0)
            return true;
        if (!InternetFindNextFileA(find.get(), &data)) {
            if (GetLastError() != ERROR_NO_MORE_FILES)
                std::puts("InternetFindNextFile run error.");
            return false;
        }
    }
}

// The folder of a local path, where the download first lands.
std::string FolderOf(const char* path)
{
    const char* sep = std::strrchr(path, '/');
    const char* back = std::strrchr(path, '\\');
    if (back > sep)
        sep = back;
    return sep ? std::string(path, sep - path + 1) : std::string(".");
}

void ReportGetFailure(DWORD error, const std::string& file)
{
    if (error == ERROR_FILE_NOT_FOUND)
        std::printf("[ERROR]: FtpGetFile fail, Cannot find file %s.\n", file.c_str());
    else if (error == ERROR_FILE_EXISTS)
        std::printf("[ERROR]: FtpGetFile fail, file exist %s.\n", file.c_str());
    else
        std::printf("[ERROR]: FtpGetFile fail, %d.\n", static_cast<int>(error));
}

} // namespace

bool FtpPut(const char* location, const char* localPath, bool failIfExists)
{
    std::optional<FtpLocation> loc = SplitFtpLocation(location);
    if (!loc)
        return false;
    if (localPath == nullptr || std::strchr(localPath, '/') == nullptr) {
        std::printf("[ERROR]: Invalid local file %s.\n", localPath ? localPath : "");
        return false;
    }
    FtpSession session;
    if (!session.Open(*loc))
        return false;
    if (failIfExists && FtpFileExists(session.connection(), loc->file.c_str()))
        return true;
    // The full local path: the current folder stays where it is.
    if (!FtpPutFileA(session.connection(), localPath, loc->file.c_str(), FTP_TRANSFER_TYPE_BINARY, 0)) {
        DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND)
            std::printf("[ERROR]: Cannot find file %s.\n", loc->file.c_str());
        else
            std::printf("[ERROR]: FtpPutFile fail, %d.\n", static_cast<int>(error));
        return false;
    }
    return true;
}

bool FtpGet(const char* location, const char* localPath)
{
    std::optional<FtpLocation> loc = SplitFtpLocation(location);
    if (!loc || localPath == nullptr)
        return false;
    FtpSession session;
    if (!session.Open(*loc))
        return false;

    char temp[kPathBytes];
    if (!GetTempFileNameA(FolderOf(localPath).c_str(), "dvg", 0, temp)) {
        ReportGetFailure(GetLastError(), loc->file);
        return false;
    }
    if (!FtpGetFileA(session.connection(), loc->file.c_str(), temp, FALSE, FILE_ATTRIBUTE_NORMAL,
                     FTP_TRANSFER_TYPE_BINARY, 0)) {
        DWORD error = GetLastError();
        DeleteFileA(temp);
        ReportGetFailure(error, loc->file);
        return false;
    }
    if (!MoveFileExA(temp, localPath, MOVEFILE_REPLACE_EXISTING)) {
        DWORD error = GetLastError();
        DeleteFileA(temp);
        ReportGetFailure(error, loc->file);
        return false;
    }
    return true;
}

bool FtpDelete(const char* location)
{
    std::optional<FtpLocation> loc = SplitFtpLocation(location);
    if (!loc)
        return false;
    FtpSession session;
    if (!session.Open(*loc))
        return false;
    if (!FtpDeleteFileA(session.connection(), loc->file.c_str())) {
        DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND)
            std::printf("[ERROR]: Cannot find file %s.\n", loc->file.c_str());
        else
            std::printf("[ERROR]: FtpDeleteFile fail, %d.\n", static_cast<int>(error));
        return false;
    }
    return true;
}

} // namespace dovari
