// The save path on real files under Wine, with fixtures made on the Linux
// side: the file stays the same file (links, hard links, mode), folders and
// disks that refuse, an interrupted save and its copy, and paths past the
// ANSI calls' limit.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "ReplacingFile.h"
#include "ResourceText.h"
#include "TempFolder.h"
#include "UnixShell.h"

namespace {

bool SaveTo(const std::string& path, const std::string& bytes, DWORD* error = nullptr) {
    CReplacingFile file;
    const bool ok = file.Open(path) && file.Write(bytes.data(), bytes.size()) && file.Commit();
    if (error) *error = file.LastError();
    return ok;
}

std::string ReadWide(const std::wstring& path) {
    UniqueHandle file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, 0, nullptr));
    if (!file) return "(missing)";
    std::string bytes(1 << 20, '\0');
    DWORD got = 0;
    ::ReadFile(file.get(), bytes.data(), (DWORD)bytes.size(), &got, nullptr);
    bytes.resize(got);
    return bytes;
}

std::string Sh(const TempFolder& folder, const std::string& name) { return ShellQuote(UnixPath(folder.File(name))); }

TEST(SafeSave, TheFileStaysTheSameFile) {
    struct Case {
        const char* what;
        const char* setup;  // in the folder, on the Linux side
        const char* saved;  // the name the editor saves
        const char* check;  // true when the file is still what it was
    };
    const Case cases[] = {
        {"a symbolic link", "mkdir data && printf old > data/real.txt && ln -s data/real.txt link.txt", "link.txt",
         "test -L link.txt && [ \"$(cat data/real.txt)\" = new ]"},
        {"two hard links", "printf old > one.txt && ln one.txt two.txt", "one.txt",
         "[ \"$(cat two.txt)\" = new ] && [ \"$(stat -c %h one.txt)\" = 2 ]"},
        {"mode 600", "printf old > private.txt && chmod 600 private.txt", "private.txt",
         "[ \"$(stat -c %a private.txt)\" = 600 ]"},
        {"an executable script", "printf old > run.sh && chmod 755 run.sh", "run.sh",
         "[ \"$(stat -c %a run.sh)\" = 755 ]"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder folder;
        const std::string cd = "cd " + ShellQuote(UnixPath(folder.Path())) + " && ";
        ASSERT_EQ(0, RunUnixShell(cd + c.setup));
        EXPECT_TRUE(SaveTo(folder.File(c.saved), "new"));
        EXPECT_EQ("new", folder.Read(c.saved));
        EXPECT_EQ(0, RunUnixShell(cd + c.check));
        EXPECT_EQ(0, RunUnixShell(cd + "! ls -a | grep -q tarnwick"));
    }
}

TEST(SafeSave, AWritableFileInAFolderThatCannotBeWrittenIsSaved) {
    TempFolder folder;
    ::CreateDirectoryA(folder.File("locked").c_str(), nullptr);
    folder.Write("locked\\a.txt", "old");
    // Root writes any folder; an immutable one takes no new names even from root.
    const std::string dir = Sh(folder, "locked");
    if (RunUnixShell("chattr +i " + dir) != 0) GTEST_SKIP() << "chattr +i is not available here";
    const struct Unlock {
        std::string dir;
        ~Unlock() { RunUnixShell("chattr -i " + dir); }
    } unlock{dir};

    EXPECT_TRUE(SaveTo(folder.File("locked\\a.txt"), "new text"));
    EXPECT_EQ("new text", folder.Read("locked\\a.txt"));
    // The copy was in the temporary folder, and is gone.
    EXPECT_EQ("", SaveCopyFor(folder.File("locked\\a.txt")));
    EXPECT_EQ(1, CountFiles(folder.File("locked")));

    // A new name there cannot be made, and says so.
    DWORD error = 0;
    EXPECT_FALSE(SaveTo(folder.File("locked\\b.txt"), "x", &error));
    EXPECT_NE(0u, error);
    EXPECT_EQ(1, CountFiles(folder.File("locked")));
}

TEST(SafeSave, AFullDiskLeavesTheOldBytesAndSaysWhy) {
    TempFolder folder;
    ::CreateDirectoryA(folder.File("small").c_str(), nullptr);
    const std::string mount = Sh(folder, "small");
    if (RunUnixShell("mount -t tmpfs -o size=64k tmpfs " + mount) != 0)
        GTEST_SKIP() << "a tmpfs cannot be mounted here (needs root)";
    const struct Unmount {
        std::string mount;
        ~Unmount() { RunUnixShell("umount " + mount); }
    } unmount{mount};

    const std::string old(20 * 1024, 'o');
    folder.Write("small\\a.txt", old);
    // 40 KB: the copy fits, the file's growth does not; 70 KB: not even the copy.
    for (size_t size : {40 * 1024, 70 * 1024}) {
        SCOPED_TRACE(size);
        DWORD error = 0;
        EXPECT_FALSE(SaveTo(folder.File("small\\a.txt"), std::string(size, 'n'), &error));
        EXPECT_EQ((DWORD)ERROR_DISK_FULL, error);
        EXPECT_FALSE(SystemErrorText(error).empty());
        EXPECT_TRUE(folder.Read("small\\a.txt") == old);
        EXPECT_EQ(1, CountFiles(folder.File("small")));
    }
}

SaveStage g_stopAt;
bool StopAt(SaveStage stage) { return stage == g_stopAt; }

TEST(SafeSave, AnInterruptedSaveLeavesAWholeCopyForTheNextOpen) {
    for (SaveStage stage : {kSaveCopyWritten, kSaveTargetHalfWritten}) {
        SCOPED_TRACE(stage);
        TempFolder folder;
        folder.Write("a.txt", "old text of the file");
        const std::string path = folder.File("a.txt");
        g_stopAt = stage;
        const SaveInterruptSeam previous = SetSaveInterruptSeam(&StopAt);
        EXPECT_FALSE(SaveTo(path, "the new text, longer than the old one"));
        SetSaveInterruptSeam(previous);

        const std::string copy = SaveCopyFor(path);
        ASSERT_NE("", copy);
        EXPECT_EQ("the new text, longer than the old one", ReadWide(ToWide(copy)));
        if (stage == kSaveCopyWritten) {
            EXPECT_EQ("old text of the file", folder.Read("a.txt"));
        }
        // The next save that completes takes the copy's place.
        EXPECT_TRUE(SaveTo(path, "saved again"));
        EXPECT_EQ("", SaveCopyFor(path));
        EXPECT_EQ(1, CountFiles(folder.Path()));
    }
}

// A document's text stays put through its save, so the file written in
// place takes it from there: given in pieces, over a file shorter, as long
// and longer, whole or interrupted halfway (the growth and the first half
// written, the whole copy kept).
TEST(SafeSave, BytesThatStayPutAreWrittenInPlaceFromWhereTheyLie) {
    const std::string pieces[] = {"the new ", "text in ", "three pieces"};
    const std::string whole = pieces[0] + pieces[1] + pieces[2];
    for (const std::string& old : {std::string("short"), std::string(whole.size(), 'o'), std::string(3 * whole.size(), 'o')}) {
        for (const bool interrupted : {false, true}) {
            SCOPED_TRACE(std::to_string(old.size()) + (interrupted ? " bytes, interrupted" : " bytes"));
            TempFolder folder;
            folder.Write("a.txt", old);
            const std::string path = folder.File("a.txt");
            CReplacingFile file;
            ASSERT_TRUE(file.Open(path, WrittenBytes::kStayPut));
            for (const std::string& piece : pieces) ASSERT_TRUE(file.Write(piece.data(), piece.size()));
            g_stopAt = kSaveTargetHalfWritten;
            const SaveInterruptSeam previous = SetSaveInterruptSeam(interrupted ? &StopAt : nullptr);
            EXPECT_EQ(!interrupted, file.Commit());
            SetSaveInterruptSeam(previous);
            if (!interrupted) {
                EXPECT_EQ(whole, folder.Read("a.txt"));
                EXPECT_EQ(1, CountFiles(folder.Path()));
                continue;
            }
            std::string expected = old;
            if (whole.size() > old.size()) expected += whole.substr(old.size());
            const size_t half = std::min(old.size(), whole.size()) / 2;
            expected.replace(0, half, whole.substr(0, half));
            EXPECT_EQ(expected, folder.Read("a.txt"));
            EXPECT_EQ(whole, ReadWide(ToWide(SaveCopyFor(path))));
        }
    }
}

TEST(SafeSave, APartialCopyIsNoCopy) {
    TempFolder folder;
    folder.Write("a.txt", "old");
    folder.Write("a.txt.tarnwick-part", "half of a new te");
    EXPECT_EQ("", SaveCopyFor(folder.File("a.txt")));
    EXPECT_EQ(1, CountFiles(folder.Path()));
}

TEST(SafeSave, LongPathsAreWrittenWholeUnderTheirOwnName) {
    // 40 characters of Chinese a name, 80 bytes in code page 936 (120 in
    // the Linux side's UTF-8, within its 255-byte name limit).
    std::wstring part;
    for (int i = 0; i < 40; ++i) part += L'\u4e2d';
    for (int depth : {3, 5}) {
        SCOPED_TRACE(depth);
        TempFolder folder;
        std::wstring path = ToWide(folder.Path());
        for (int i = 0; i < depth; ++i) {
            path += L"\\" + part;
            ASSERT_TRUE(::CreateDirectoryW(path.c_str(), nullptr));
        }
        path += L"\\" + part + L".txt";
        const std::string ansi = ToAnsi(path);
        ASSERT_GT(ansi.size(), 259u);
        ASSERT_EQ(path, ToWide(ansi));

        for (const char* text : {"first", "second, over the first"}) {
            EXPECT_TRUE(SaveTo(ansi, text));
            EXPECT_EQ(text, ReadWide(path));
        }
        EXPECT_EQ("", SaveCopyFor(ansi));
        // Nothing under a cut name beside it.
        const std::wstring parent = path.substr(0, path.rfind(L'\\'));
        WIN32_FIND_DATAW data;
        HANDLE find = ::FindFirstFileW((parent + L"\\*").c_str(), &data);
        int files = 0;
        if (find != INVALID_HANDLE_VALUE) {
            do {
                if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) ++files;
            } while (::FindNextFileW(find, &data));
            ::FindClose(find);
        }
        EXPECT_EQ(1, files);
        // The folders are removed from the Linux side: the cleanup's ANSI
        // calls cannot name them.
        RunUnixShell("rm -rf " + ShellQuote(UnixPath(folder.Path())) + "/*");
    }
}

}  // namespace
