// The guard that keeps DeleteDirTree off roots and the current folder. It is
// tried directly: a failing guard must not get the chance to empty a disk.
#include "folder_guard.h"
#include "support.h"

#include <gtest/gtest.h>

#include <string>

using dovari::IsProtectedFolder;
using namespace dovari_test;

namespace {

TEST(FolderGuard, ProtectsRootsTheCurrentFolderAndItsAncestors)
{
    TempFolder tmp;
    MakeFolder(tmp.File("here"));
    CurrentFolder here(tmp.File("here"));
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
        {tmp.File("here"), true},
        {tmp.File("here\\"), true},
        {tmp.File("here\\."), true},
        {tmp.File("HERE"), true},
        {tmp.File("here\\sub"), false},
        {tmp.File("here\\sub\\.."), true},
        {tmp.File("other"), false},
        {tmp.Path(), true},
        {tmp.Path() + "\\", true},
        {"..", true},
        {"..\\", true},
        {"../here", true},
        {"..\\here\\..", true},
        {"sub\\..\\..", true},
        {"sub", false},
        {"..\\other", false},
        {"C:\\windows", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsProtectedFolder(c.path), c.expected) << c.path;
}

} // namespace
