// The guard that keeps DeleteDirTree off roots and the current folder. It is
// tried directly: a failing guard must not get the chance to empty a disk.
#include "folder_guard.h"
#include "support.h"

#include <gtest/gtest.h>

#include <string>

using dovari::IsProtectedFolder;
using namespace dovari_test;

namespace {

TEST(FolderGuard, ProtectsRootsAndTheCurrentFolderOnly)
{
    TempDir tmp;
    MakeFolder(tmp / "here");
    CurrentFolder here(tmp / "here");
    struct {
        std::string path;
        bool expected;
    } cases[] = {
        {"C:\\", true},
        {"C:/", true},
        {"Z:\\", true},
        {"C:\\windows\\..", true},
        {"\\\\server\\share\\", true},
        {"\\\\server\\share", true},
        {tmp / "here", true},
        {tmp / "here\\", true},
        {tmp / "here\\.", true},
        {tmp / "HERE", true},
        {tmp / "here\\sub", false},
        {tmp.path(), false}, // above the current folder is the caller's call
        {"C:\\windows", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsProtectedFolder(c.path), c.expected) << c.path;
}

} // namespace
