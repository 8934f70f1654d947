// Existence tests, folder-chain creation and folder-tree deletion.
#include "dovari.h"
#include "support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace dovari_test;

namespace {

TEST(Exists, FilesAndFoldersAnswerOneMissingZero)
{
    TempDir tmp;
    WriteFile(tmp / "f.txt", "x");
    struct {
        std::string path;
        int expected;
    } cases[] = {
        {tmp / "f.txt", 1},
        {tmp.path(), 1},
        {tmp.path() + "\\", 1},
        {tmp / "missing.txt", 0},
        {tmp / "missing\\f.txt", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CheckFileExists(c.path.c_str()), c.expected) << c.path;
        EXPECT_EQ(PathExists(c.path.c_str()), c.expected) << c.path;
    }
}

TEST(Exists, PathExistsAnswersZeroForAFileHeldWithoutReadSharing)
{
    TempDir tmp;
    std::string file = tmp / "held.txt";
    WriteFile(file, "x");
    HANDLE held = CreateFileA(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_EQ(PathExists(file.c_str()), 0);
    EXPECT_EQ(CheckFileExists(file.c_str()), 1);
    CloseHandle(held);
    EXPECT_EQ(PathExists(file.c_str()), 1);
}

TEST(MakeDirPath, CreatesTheFoldersBeforeEachBackslash)
{
    struct {
        const char* path; // below the temporary folder
        std::vector<const char*> made;
        std::vector<const char*> notMade;
    } cases[] = {
        {"a\\b\\c", {"a", "a\\b"}, {"a\\b\\c"}},
        {"a\\b\\c\\", {"a", "a\\b", "a\\b\\c"}, {}},
        // Only '\' separates: "a/b" is one level, which cannot be made without "a".
        {"a/b\\c\\", {}, {"a", "a\\b", "a\\b\\c"}},
    };
    for (const auto& c : cases) {
        TempDir tmp;
        EXPECT_EQ(MakeDirPath((tmp / c.path).c_str()), 1) << c.path;
        for (const char* f : c.made)
            EXPECT_TRUE(IsFolder(tmp / f)) << c.path << ": " << f;
        for (const char* f : c.notMade)
            EXPECT_FALSE(IsFolder(tmp / f)) << c.path << ": " << f;
    }
}

TEST(MakeDirPath, AnswersOneEvenWhenALevelCannotBeMade)
{
    TempDir tmp;
    WriteFile(tmp / "file", "x");
    EXPECT_EQ(MakeDirPath((tmp / "file\\sub\\").c_str()), 1);
    EXPECT_FALSE(IsFolder(tmp / "file\\sub"));
}

TEST(MakeDirPath, RefusesEmptyAndOverlongTexts)
{
    EXPECT_EQ(MakeDirPath(""), 0);
    EXPECT_EQ(MakeDirPath(nullptr), 0);
    TempDir tmp;
    std::string longPath = tmp.path() + "\\" + std::string(300, 'x') + "\\";
    EXPECT_EQ(MakeDirPath(longPath.c_str()), 0);
}

TEST(MakeDirPath, LeavesAConstantTextAlone)
{
    // A literal lives in read-only memory: writing into it would fault.
    TempDir tmp;
    CurrentFolder here(tmp.path());
    EXPECT_EQ(MakeDirPath("lit\\one\\"), 1);
    EXPECT_TRUE(IsFolder(tmp / "lit\\one"));
}

TEST(DeleteDirTree, RemovesARelativeFolderWithDotFiles)
{
    TempDir tmp;
    MakeFolder(tmp / "tree");
    MakeFolder(tmp / "tree\\.dotdir");
    WriteFile(tmp / "tree\\.dotfile", "x");
    WriteFile(tmp / "tree\\.dotdir\\f", "x");
    WriteFile(tmp / "tree\\plain.txt", "x");
    CurrentFolder here(tmp.path());
    EXPECT_EQ(DeleteDirTree("tree"), 1);
    EXPECT_FALSE(IsFolder(tmp / "tree"));
}

TEST(DeleteDirTree, KeepsAReadOnlyFileAndTheFoldersAboveIt)
{
    TempDir tmp;
    MakeFolder(tmp / "tree");
    MakeFolder(tmp / "tree\\sub");
    MakeFolder(tmp / "tree\\other");
    WriteFile(tmp / "tree\\sub\\kept.txt", "x");
    WriteFile(tmp / "tree\\sub\\gone.txt", "x");
    WriteFile(tmp / "tree\\other\\gone.txt", "x");
    SetFileAttributesA((tmp / "tree\\sub\\kept.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(DeleteDirTree((tmp / "tree\\").c_str()), 1);
    EXPECT_TRUE(IsFile(tmp / "tree\\sub\\kept.txt"));
    EXPECT_FALSE(IsFile(tmp / "tree\\sub\\gone.txt"));
    EXPECT_FALSE(IsFolder(tmp / "tree\\other"));
}

TEST(DeleteDirTree, RefusesWhatWouldEmptyTheCurrentFolder)
{
    TempDir tmp;
    MakeFolder(tmp / "here");
    WriteFile(tmp / "here\\keep.txt", "x");
    CurrentFolder here(tmp / "here");
    for (const char* text : {"", ".", ".\\", "\\", "/"})
        EXPECT_EQ(DeleteDirTree(text), 0) << "'" << text << "'";
    EXPECT_EQ(DeleteDirTree((tmp / "here").c_str()), 0);
    EXPECT_EQ(DeleteDirTree(nullptr), 0);
    EXPECT_TRUE(IsFile(tmp / "here\\keep.txt"));
}

TEST(DeleteDirTree, MissingFolderAnswersZero)
{
    TempDir tmp;
    EXPECT_EQ(DeleteDirTree((tmp / "missing").c_str()), 0);
    CurrentFolder here(tmp.path());
    EXPECT_EQ(DeleteDirTree("missing"), 0);
}

} // namespace
