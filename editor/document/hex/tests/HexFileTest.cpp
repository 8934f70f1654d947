// Pages read from real files and the edits written back.
#include <gtest/gtest.h>

#include <windows.h>

#include "FilePageSource.h"
#include "HexSave.h"
#include "TempFolder.h"

namespace {

class HexFileTest : public ::testing::Test {
protected:
    TempFolder folder;
    std::string original = std::string("0123456789abcdefXYZ", 19);

    std::string Make(const std::string& name) {
        folder.Write(name, original);
        return folder.File(name);
    }
    static ByteOverlay Edits(std::initializer_list<std::pair<uint64_t, uint8_t>> bytes) {
        ByteOverlay edits;
        for (auto [offset, value] : bytes) edits.Set(offset, value);
        return edits;
    }
};

TEST_F(HexFileTest, ReadsAPageAndTheSize) {
    std::string path = Make("a.bin");
    EXPECT_EQ(FilePageSource::FileSize(path), std::optional<uint64_t>(19));
    EXPECT_FALSE(FilePageSource::FileSize(folder.File("missing.bin")));
    FilePageSource source(path);
    uint8_t page[8] = {};
    EXPECT_EQ(source.Read(14, page, sizeof(page)), 5u);
    EXPECT_EQ(std::string((char*)page, 5), "efXYZ");
    ::DeleteFileA(path.c_str());
    EXPECT_EQ(source.Read(0, page, sizeof(page)), 0u);
}

TEST_F(HexFileTest, OverlayRuns) {
    auto runs = Edits({{3, 'a'}, {4, 'b'}, {9, 'c'}}).Runs();
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].offset, 3u);
    EXPECT_EQ(runs[0].bytes, (std::vector<uint8_t>{'a', 'b'}));
    EXPECT_EQ(runs[1].offset, 9u);
}

TEST_F(HexFileTest, SavesInPlaceOnlyTheChangedBytes) {
    std::string path = Make("a.bin");
    ASSERT_TRUE(SaveHexEdits(path, path, 19, Edits({{0, 'A'}, {1, 'B'}, {18, '!'}})));
    EXPECT_EQ(folder.Read("a.bin"), "AB23456789abcdefXY!");
}

TEST_F(HexFileTest, SavesUnderANewNameBesideIt) {
    std::string path = Make("a.bin");
    folder.Write("b.bin", "old contents");
    ASSERT_TRUE(SaveHexEdits(path, folder.File("b.bin"), 19, Edits({{5, '-'}})));
    EXPECT_EQ(folder.Read("b.bin"), "01234-6789abcdefXYZ");
    EXPECT_EQ(folder.Read("a.bin"), original);
    EXPECT_EQ(::GetFileAttributesA(folder.File("b.bin.tw-save").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(HexFileTest, ReportsFailureAndWritesNothing) {
    std::string path = Make("a.bin");
    auto edits = Edits({{2, 'x'}});
    // The file changed size since it was opened.
    EXPECT_FALSE(SaveHexEdits(path, path, 20, edits));
    // An edit past the end would grow the file.
    EXPECT_FALSE(SaveHexEdits(path, path, 19, Edits({{19, 'x'}})));
    EXPECT_EQ(folder.Read("a.bin"), original);
    // The file is gone.
    EXPECT_FALSE(SaveHexEdits(folder.File("gone.bin"), folder.File("gone.bin"), 19, edits));
    // Another program holds the file without sharing it.
    HANDLE held = ::CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(SaveHexEdits(path, path, 19, edits));
    EXPECT_FALSE(SaveHexEdits(path, folder.File("c.bin"), 19, edits));
    ::CloseHandle(held);
    EXPECT_EQ(folder.Read("a.bin"), original);
    // A new name in a folder that does not exist.
    EXPECT_FALSE(SaveHexEdits(path, folder.File("no\\such\\b.bin"), 19, edits));
}

}  // namespace
