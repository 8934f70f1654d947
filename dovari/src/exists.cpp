#include "dovari.h"

#include "dovari_common/path_probe.h"

extern "C" int CheckFileExists(const char* path)
{
    return dovari_common::AttributesReadable(path) ? 1 : 0;
}

extern "C" int PathExists(const char* path)
{
    return dovari_common::OpensForReading(path) ? 1 : 0;
}
