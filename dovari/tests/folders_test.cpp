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
    TempFolder tmp;
    WriteFile(tmp.File("f.txt"), "x");
    struct {
        std::string path;
        int expected;
    } cases[] = {
        {tmp.File("f.txt"), 1},
        {tmp.Path(), 1},
        {tmp.Path() + "\\", 1},
        {tmp.File("missing.txt"), 0},
        {tmp.File("missing\\f.txt"), 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CheckFileExists(c.path.c_str()), c.expected) << c.path;
        EXPECT_EQ(PathExists(c.path.c_str()), c.expected) << c.path;
    }
}

TEST(Exists, PathExistsAnswersZeroForAFileHeldWithoutReadSharing)
{
    TempFolder tmp;
    std::string file = tmp.File("held.txt");
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
        TempFolder tmp;
        EXPECT_EQ(MakeDirPath((tmp.File(c.path)).c_str()), 1) << c.path;
        for (const char* f : c.made)
            EXPECT_TRUE(IsFolder(tmp.File(f))) << c.path << ": " << f;
        for (const char* f : c.notMade)
            EXPECT_FALSE(IsFolder(tmp.File(f))) << c.path << ": " << f;
    }
}

TEST(MakeDirPath, AnswersOneEvenWhenALevelCannotBeMade)
{
    TempFolder tmp;
    WriteFile(tmp.File("file"), "x");
    EXPECT_EQ(MakeDirPath((tmp.File("file\\sub\\")).c_str()), 1);
    EXPECT_FALSE(IsFolder(tmp.File("file\\sub")));
}

TEST(MakeDirPath, RefusesEmptyAndOverlongTexts)
{
    EXPECT_EQ(MakeDirPath(""), 0);
    EXPECT_EQ(MakeDirPath(nullptr), 0);
    TempFolder tmp;
    std::string longPath = tmp.Path() + "\\" + std::string(300, 'x') + "\\";
    EXPECT_EQ(MakeDirPath(longPath.c_str()), 0);
}

TEST(MakeDirPath, LeavesAConstantTextAlone)
{
    // A literal lives in read-only memory: writing into it would fault.
    TempFolder tmp;
    CurrentFolder here(tmp.Path());
    EXPECT_EQ(MakeDirPath("lit\\one\\"), 1);
    EXPECT_TRUE(IsFolder(tmp.File("lit\\one")));
}

TEST(DeleteDirTree, RemovesARelativeFolderWithDotFiles)
{
    TempFolder tmp;
    MakeFolder(tmp.File("tree"));
    MakeFolder(tmp.File("tree\\.dotdir"));
    WriteFile(tmp.File("tree\\.dotfile"), "x");
    WriteFile(tmp.File("tree\\.dotdir\\f"), "x");
    WriteFile(tmp.File("tree\\plain.txt"), "x");
    CurrentFolder here(tmp.Path());
    EXPECT_EQ(DeleteDirTree("tree"), 1);
    EXPECT_FALSE(IsFolder(tmp.File("tree")));
}

TEST(DeleteDirTree, KeepsAReadOnlyFileAndTheFoldersAboveIt)
{
    TempFolder tmp;
    MakeFolder(tmp.File("tree"));
    MakeFolder(tmp.File("tree\\sub"));
    MakeFolder(tmp.File("tree\\other"));
    WriteFile(tmp.File("tree\\sub\\kept.txt"), "x");
    WriteFile(tmp.File("tree\\sub\\gone.txt"), "x");
    WriteFile(tmp.File("tree\\other\\gone.txt"), "x");
    SetFileAttributesA((tmp.File("tree\\sub\\kept.txt")).c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(DeleteDirTree((tmp.File("tree\\")).c_str()), 1);
    EXPECT_TRUE(IsFile(tmp.File("tree\\sub\\kept.txt")));
    EXPECT_FALSE(IsFile(tmp.File("tree\\sub\\gone.txt")));
    EXPECT_FALSE(IsFolder(tmp.File("tree\\other")));
}

TEST(DeleteDirTree, RefusesWhatWouldEmptyTheCurrentFolder)
{
    TempFolder tmp;
    MakeFolder(tmp.File("here"));
    WriteFile(tmp.File("here\\keep.txt"), "x");
    CurrentFolder here(tmp.File("here"));
    for (const char* text : {"", ".", ".\\", "\\", "/"})
        EXPECT_EQ(DeleteDirTree(text), 0) << "'" << text << "'";
    EXPECT_EQ(DeleteDirTree((tmp.File("here")).c_str()), 0);
    EXPECT_EQ(DeleteDirTree(nullptr), 0);
    EXPECT_TRUE(IsFile(tmp.File("here\\keep.txt")));
}

TEST(DeleteDirTree, RefusesTheParentFolderHoweverSpelt)
{
    TempFolder tmp;
    MakeFolder(tmp.File("here"));
    WriteFile(tmp.File("sibling.txt"), "x");
    WriteFile(tmp.File("here\\keep.txt"), "x");
    CurrentFolder here(tmp.File("here"));
    for (const char* text : {"..", "..\\", "../", "..\\here\\..", "..\\.", "here\\..\\.."})
        EXPECT_EQ(DeleteDirTree(text), 0) << "'" << text << "'";
    EXPECT_EQ(DeleteDirTree(tmp.Path().c_str()), 0);
    EXPECT_TRUE(IsFile(tmp.File("sibling.txt")));
    EXPECT_TRUE(IsFile(tmp.File("here\\keep.txt")));
}

TEST(DeleteDirTree, MissingFolderAnswersZero)
{
    TempFolder tmp;
    EXPECT_EQ(DeleteDirTree((tmp.File("missing")).c_str()), 0);
    CurrentFolder here(tmp.Path());
    EXPECT_EQ(DeleteDirTree("missing"), 0);
}

} // namespace
