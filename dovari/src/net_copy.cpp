// Copying and deleting where either side may be an FTP location (exports 8-10).
#include "dovari.h"

#include "ftp_location.h"
#include "ftp_transfer.h"
#include "paths.h"

#include <algorithm>
#include <cstdio>

namespace dovari {
namespace {

std::string Slashed(std::string text)
{
    std::replace(text.begin(), text.end(), '\\', '/');
    return text;
}

// Only a drive-letter path counts as absolute.
bool HasDrive(const char* text)
{
    return text[0] != '\0' && text[1] == ':';
}

// Local path: the current folder joined to a relative text.
std::string Anchored(const std::string& current, const char* text, const std::string& slashed)
{
    return HasDrive(text) ? slashed : current + "/" + slashed;
}

int CopyInFolder(const std::string& current, const char* source, const char* destination, int failIfExists)
{
    // Our own copies get the '/' separators; the caller's texts stay as they are.
    std::string src = Slashed(source ? source : current);
    std::string dst = Slashed(destination ? destination : current);
    bool srcFtp = IsFtpLocation(src.c_str());
    bool dstFtp = IsFtpLocation(dst.c_str());

    if (!srcFtp && !dstFtp) {
        std::printf("CopyFile(%s, %s, %d)\n", src.c_str(), dst.c_str(), failIfExists);
        return CopyFileA(src.c_str(), dst.c_str(), failIfExists);
    }
    if (srcFtp && dstFtp) {
        // Nothing is copied, so the caller must not take it for a success.
        std::printf("[ERROR]: CopyNetFile not support ftp to ftp copy mode.\n");
        return 0;
    }
    if (dstFtp) {
        if (source != nullptr)
            src = Anchored(current, source, src);
        if (src.size() >= kPathBytes)
            return 0;
        std::printf("FtpPut(%s, %s, %d)\n", dst.c_str(), src.c_str(), failIfExists);
        return FtpPut(dst.c_str(), src.c_str(), failIfExists != 0) ? 1 : 0;
    }
    if (destination == nullptr) {
        size_t name = src.rfind('/');
        dst = current + (name == std::string::npos ? "/" : src.substr(name));
    } else
        dst = Anchored(current, destination, dst);
    if (dst.size() >= kPathBytes)
        return 0;
    if (failIfExists && CheckFileExists(dst.c_str()))
        return 1;
    std::printf("FtpGet(%s, %s, %d)\n", src.c_str(), dst.c_str(), failIfExists);
    return FtpGet(src.c_str(), dst.c_str()) ? 1 : 0;
}

} // namespace
} // namespace dovari

using namespace dovari;

extern "C" int IsFtpPath(const char* text)
{
    return IsFtpLocation(text) ? 1 : 0;
}

extern "C" int CopyNetFile(const char* source, const char* destination, int failIfExists)
{
    if ((source && !FitsPath(source)) || (destination && !FitsPath(destination)))
        return 0;
    const std::string original = CurrentFolder();
    if (original.empty())
        return 0;
    int result = CopyInFolder(Slashed(original), source, destination, failIfExists);
    SetCurrentDirectoryA(original.c_str());
    return result;
}

extern "C" int DeleteNetFile(const char* path)
{
    if (path == nullptr)
        return 0;
    if (IsFtpLocation(path))
        return FitsPath(path) && FtpDelete(path) ? 1 : 0;
    return DeleteFileA(path) ? 1 : 0;
}
