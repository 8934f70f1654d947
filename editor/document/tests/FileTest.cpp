// Files on disk: saving beside the target and replacing it, and opening
// for reading.
#include <gtest/gtest.h>


#include "OpenForRead.h"
#include "ReplacingFile.h"
#include "ResourceText.h"
#include "TempFolder.h"
#include "TextStreams.h"
#include "resource.h"

namespace {

bool SaveTo(const std::string& path, const std::string& bytes) {
    CReplacingFile file;
    return file.Open(path) && file.Write(bytes.data(), bytes.size()) && file.Commit();
}

TEST(ReplacingFile, CreatesANewFile) {
    TempFolder folder;
    EXPECT_TRUE(SaveTo(folder.File("new.txt"), "fresh"));
    EXPECT_EQ("fresh", folder.Read("new.txt"));
    EXPECT_EQ(1, CountFiles(folder.Path()));
}

TEST(ReplacingFile, ReplacesAndKeepsAttributes) {
    TempFolder folder;
    folder.Write("a.txt", "old contents, longer than the new");
    const std::string path = folder.File("a.txt");
    ASSERT_TRUE(::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE));
    EXPECT_TRUE(SaveTo(path, "new"));
    EXPECT_EQ("new", folder.Read("a.txt"));
    EXPECT_TRUE(::GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(1, CountFiles(folder.Path()));
}

TEST(ReplacingFile, ReadOnlyOrLockedTargetFailsAndStaysAsItWas) {
    TempFolder folder;
    folder.Write("ro.txt", "keep me");
    folder.Write("locked.txt", "keep me too");
    const std::string readOnly = folder.File("ro.txt");
    const std::string locked = folder.File("locked.txt");
    ASSERT_TRUE(::SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_READONLY));
    UniqueHandle lock(::CreateFileA(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(lock);

    EXPECT_FALSE(SaveTo(readOnly, "lost"));
    EXPECT_FALSE(SaveTo(locked, "lost"));
    lock.close();
    EXPECT_EQ("keep me", folder.Read("ro.txt"));
    EXPECT_EQ("keep me too", folder.Read("locked.txt"));
    EXPECT_EQ(2, CountFiles(folder.Path()));
}

TEST(ReplacingFile, TargetOpenElsewhereIsWrittenOnlyWhenThatProgramSharesWriting) {
    TempFolder folder;
    folder.Write("open.txt", "old");
    const std::string path = folder.File("open.txt");
    // A reader that does not let others write: refused before anything is
    // written, and nothing is left behind.
    UniqueHandle reader(
        ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(reader);
    CReplacingFile held;
    EXPECT_FALSE(held.Open(path));
    EXPECT_EQ(ERROR_SHARING_VIOLATION, held.LastError());
    reader.close();
    EXPECT_EQ("old", folder.Read("open.txt"));
    EXPECT_EQ(1, CountFiles(folder.Path()));

    // One that shares writing (as editors and viewers do) sees the new text
    // in the same file.
    UniqueHandle sharing(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                       OPEN_EXISTING, 0, nullptr));
    EXPECT_TRUE(SaveTo(path, "new contents"));
    char seen[16] = {};
    DWORD got = 0;
    ::ReadFile(sharing.get(), seen, sizeof(seen) - 1, &got, nullptr);
    EXPECT_STREQ("new contents", seen);
    sharing.close();
    EXPECT_EQ("new contents", folder.Read("open.txt"));
    EXPECT_EQ(1, CountFiles(folder.Path()));
}

TEST(ReplacingFile, WithoutCommitNothingChanges) {
    TempFolder folder;
    folder.Write("a.txt", "old");
    {
        CReplacingFile file;
        ASSERT_TRUE(file.Open(folder.File("a.txt")));
        ASSERT_TRUE(file.Write("half", 4));
    }
    EXPECT_EQ("old", folder.Read("a.txt"));
    EXPECT_EQ(1, CountFiles(folder.Path()));
}

TEST(ReplacingFile, MissingFolderFails) {
    TempFolder folder;
    EXPECT_FALSE(SaveTo(folder.File("none\\a.txt"), "x"));
}

TEST(OpenForRead, OpensSharedAndReadsInBlocks) {
    TempFolder folder;
    folder.Write("u.txt", std::string("\xFF\xFE" "a\0\n\0", 6));
    UniqueHandle file = OpenForRead(folder.File("u.txt").c_str(), nullptr, true);
    ASSERT_TRUE(file);
    // Someone else may still write the file while it is open.
    UniqueHandle writer(::CreateFileA(folder.File("u.txt").c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      nullptr, OPEN_EXISTING, 0, nullptr));
    EXPECT_TRUE(writer);

    struct : ITextTarget {
        void Begin(EncodingCode, EolCode) override {}
        void Append(const char* data, size_t length) override { text.append(data, length); }
        std::string text;
    } target;
    CFileByteSource source(file.get());
    ReadSummary summary;
    ASSERT_TRUE(ReadText(source, kEncodingDefault, target, &summary));
    EXPECT_EQ(2, summary.encoding);
    EXPECT_EQ(2, summary.eolMode);
    EXPECT_EQ("a\n", target.text);
}

TEST(OpenForRead, MissingFileGivesNoHandle) {
    TempFolder folder;
    EXPECT_FALSE(OpenForRead(folder.File("missing.txt").c_str(), nullptr, true));
}

// Catches the next box this thread shows, keeps its text and closes it.
class BoxCatcher {
public:
    BoxCatcher() {
        s_text = "(no box)";
        s_box = nullptr;
        m_hook = ::SetWindowsHookExA(WH_CBT, &BoxCatcher::Hook, nullptr, ::GetCurrentThreadId());
    }
    ~BoxCatcher() { ::UnhookWindowsHookEx(m_hook); }
    static const std::string& Text() { return s_text; }

private:
    // Closed once shown; read while it is being destroyed, when its
    // caption and text are surely set.
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        HWND window = reinterpret_cast<HWND>(wParam);
        if (code == HCBT_ACTIVATE && !s_box) {
            s_box = window;
            ::PostMessageA(window, WM_COMMAND, IDOK, 0);
        } else if (code == HCBT_DESTROYWND && window == s_box) {
            char caption[64];
            ::GetWindowTextA(window, caption, sizeof(caption));
            s_text = std::string(caption) + "|";
            ::EnumChildWindows(
                window,
                [](HWND child, LPARAM) -> BOOL {
                    char name[16], buffer[1024];
                    ::GetClassNameA(child, name, sizeof(name));
                    if (lstrcmpiA(name, "Static") == 0 && ::GetWindowTextA(child, buffer, sizeof(buffer)) > 0)
                        s_text += buffer;
                    return TRUE;
                },
                0);
        }
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static inline HWND s_box = nullptr;
    static inline std::string s_text;
    HHOOK m_hook;
};

TEST(OpenForRead, MissingFileShowsTheFailureBox) {
    TempFolder folder;
    const std::string path = folder.File("missing.txt");
    BoxCatcher catcher;
    UniqueHandle file = OpenForRead(path.c_str(), nullptr, false);
    EXPECT_FALSE(file);

    const std::string format = LoadText(IDS_OPEN_FILE_FAILED);
    ASSERT_FALSE(format.empty());
    EXPECT_EQ("Tarnwick|" + OpenFailureText(format.c_str(), path.c_str(), ERROR_FILE_NOT_FOUND), BoxCatcher::Text());
}

TEST(OpenForRead, FailureTextNamesPathAndSystemReason) {
    const std::string text = OpenFailureText("failed.\n%s\n\n%s", "C:\\x\\100%s.txt", ERROR_FILE_NOT_FOUND);
    const std::string head = "failed.\nC:\\x\\100%s.txt\n\n";
    ASSERT_GT(text.size(), head.size());
    EXPECT_EQ(head, text.substr(0, head.size()));
}

}  // namespace
