// Folder walks over one fixture tree.
#include "dovari.h"
#include "support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

using namespace dovari_test;

namespace {

// root holds a.cpp b.h c.txt zz.cpp .hidden.cpp, sub with d.cpp e.txt and
// inner\g.h, .git with f.cpp and the folder deep, and the empty folder zdir.
class WalkTree : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* folder : {"root", "root\\sub", "root\\sub\\inner", "root\\.git", "root\\.git\\deep",
                                   "root\\zdir"})
            MakeFolder(tmp.File(folder));
        for (const char* file : {"root\\a.cpp", "root\\b.h", "root\\c.txt", "root\\zz.cpp", "root\\.hidden.cpp",
                                 "root\\sub\\d.cpp", "root\\sub\\e.txt", "root\\sub\\inner\\g.h",
                                 "root\\.git\\f.cpp"})
            WriteFile(tmp.File(file), "x");
    }

    std::vector<std::string> Full(std::vector<std::string> names) const
    {
        for (auto& name : names)
            name = tmp.File(name);
        return names;
    }

    TempFolder tmp;
};

struct Seen {
    std::vector<std::string> paths;
    std::string stopAt; // a name whose callback answers 0
};

int CollectFile(const WIN32_FIND_DATAA* data, const char* path, void* param, void* user)
{
    auto seen = static_cast<Seen*>(param);
    EXPECT_EQ(user, &seen->stopAt);
    // The record belongs to the path passed with it.
    std::string p = path;
    EXPECT_EQ(p.substr(p.size() - std::strlen(data->cFileName)), data->cFileName);
    seen->paths.push_back(p);
    return seen->stopAt == data->cFileName ? 0 : 1;
}

void CollectDir(const WIN32_FIND_DATAA*, const char* path, void* param, void*)
{
    static_cast<Seen*>(param)->paths.push_back(path);
}

std::vector<std::string> Sorted(std::vector<std::string> v)
{
    std::sort(v.begin(), v.end());
    return v;
}

struct FileWalkCase {
    const char* folder; // below the temporary folder
    const char* patterns;
    int recurse;
    std::vector<std::string> expected; // below the temporary folder
};

TEST_F(WalkTree, EnumFilesListsTheExpectedPaths)
{
    const std::vector<std::string> top = {"root\\a.cpp", "root\\b.h", "root\\c.txt", "root\\zz.cpp"};
    const std::vector<std::string> all = {"root\\a.cpp",      "root\\b.h",      "root\\c.txt",
                                          "root\\zz.cpp",     "root\\sub\\d.cpp", "root\\sub\\e.txt",
                                          "root\\sub\\inner\\g.h"};
    const FileWalkCase cases[] = {
        {"root", nullptr, 0, top},
        {"root\\", nullptr, 0, top},
        {"root//", nullptr, 0, top},
        {"root", nullptr, 1, all},
        {"root//", nullptr, 1, all},
        {"root", "*.cpp;*.h", 0, {"root\\a.cpp", "root\\b.h", "root\\zz.cpp"}},
        {"root\\", "*.cpp;*.h", 1,
         {"root\\a.cpp", "root\\b.h", "root\\zz.cpp", "root\\sub\\d.cpp", "root\\sub\\inner\\g.h"}},
        // A folder text ending in a pattern of its own: paths come from its folder part.
        {"root\\z*", nullptr, 0, {"root\\zz.cpp"}},
        {"root\\s*", nullptr, 1, {"root\\sub\\d.cpp", "root\\sub\\e.txt", "root\\sub\\inner\\g.h"}},
        {"missing", nullptr, 1, {}},
    };
    for (const auto& c : cases) {
        Seen seen;
        EXPECT_EQ(EnumFiles((tmp.File(c.folder)).c_str(), c.patterns, c.recurse, CollectFile, &seen, &seen.stopAt), 0);
        EXPECT_EQ(Sorted(seen.paths), Sorted(Full(c.expected)))
            << c.folder << " patterns " << (c.patterns ? c.patterns : "none") << " recurse " << c.recurse;
    }
}

TEST_F(WalkTree, StoppingInASubfolderEndsThatSubfolderOnly)
{
    Seen seen;
    seen.stopAt = "d.cpp";
    EnumFiles((tmp.File("root")).c_str(), nullptr, 1, CollectFile, &seen, &seen.stopAt);
    // Wine lists entries sorted by name, so the order is exact.
    EXPECT_EQ(seen.paths, Full({"root\\a.cpp", "root\\b.h", "root\\c.txt", "root\\sub\\d.cpp", "root\\zz.cpp"}));
}

TEST_F(WalkTree, StoppingAtTopEndsTheWalk)
{
    Seen seen;
    seen.stopAt = "b.h";
    EnumFiles((tmp.File("root")).c_str(), nullptr, 1, CollectFile, &seen, &seen.stopAt);
    EXPECT_EQ(seen.paths, Full({"root\\a.cpp", "root\\b.h"}));
}

TEST_F(WalkTree, EnumDirsVisitsParentsFirstAndRecursesOnlyForOne)
{
    struct Case {
        int recurse;
        std::vector<std::string> expected;
    } cases[] = {
        {1, {"root\\sub\\", "root\\sub\\inner\\", "root\\zdir\\"}},
        {2, {"root\\sub\\", "root\\zdir\\"}},
        {0, {"root\\sub\\", "root\\zdir\\"}},
    };
    for (const auto& c : cases) {
        Seen seen;
        EXPECT_EQ(EnumDirs((tmp.File("root")).c_str(), c.recurse, CollectDir, &seen, nullptr), 0);
        EXPECT_EQ(seen.paths, Full(c.expected)) << "recurse " << c.recurse;
    }
}

TEST_F(WalkTree, OverlongFolderTextWalksNothing)
{
    std::string folder = tmp.Path() + "\\" + std::string(300, 'x');
    Seen seen;
    EnumFiles(folder.c_str(), nullptr, 1, CollectFile, &seen, &seen.stopAt);
    EnumDirs(folder.c_str(), 1, CollectDir, &seen, nullptr);
    EXPECT_TRUE(seen.paths.empty());
}

// An entry whose full path would pass 259 characters is skipped, not cut.
TEST_F(WalkTree, EntriesPastThePathLimitAreSkipped)
{
    std::string deep = tmp.File("root");
    std::string name(std::max<int>(1, 250 - static_cast<int>(deep.size())), 'n');
    // The long form of the path makes what the ANSI limit would refuse.
    MakeFolder("\\\\?\\" + deep + "\\" + name);
    WriteFile("\\\\?\\" + deep + "\\" + name + "\\" + std::string(20, 'f') + ".txt", "x");
    Seen seen;
    EnumFiles(deep.c_str(), "*.txt", 1, CollectFile, &seen, &seen.stopAt);
    for (const auto& p : seen.paths)
        EXPECT_LT(p.size(), 260u) << p;
    EXPECT_EQ(Sorted(seen.paths), Full({"root\\c.txt", "root\\sub\\e.txt"}));
}

// The tree of tests/support/make-link-loop.sh: a link from a\b back to a
// and a link c to a, both seen under Wine as folders.
std::string LinkLoopTree()
{
    const char* tree = std::getenv("TW_LINK_LOOP_TREE");
    return tree ? tree : "";
}

TEST(WalkLinks, EachRealFolderIsEnteredOnce)
{
    const std::string root = LinkLoopTree();
    ASSERT_FALSE(root.empty()) << "TW_LINK_LOOP_TREE is set by the test's fixture";
    Seen files;
    EnumFiles(root.c_str(), nullptr, 1, CollectFile, &files, &files.stopAt);
    EXPECT_EQ(Sorted(files.paths), Sorted({root + "\\top.txt", root + "\\a\\f1.txt", root + "\\a\\b\\f2.txt"}));
    Seen folders;
    EnumDirs(root.c_str(), 1, CollectDir, &folders, nullptr);
    EXPECT_EQ(Sorted(folders.paths), Sorted({root + "\\a\\", root + "\\a\\b\\"}));
    // Without recursion a link is listed like any folder.
    Seen top;
    EnumDirs(root.c_str(), 0, CollectDir, &top, nullptr);
    EXPECT_EQ(Sorted(top.paths), Sorted({root + "\\a\\", root + "\\c\\"}));
}

} // namespace
