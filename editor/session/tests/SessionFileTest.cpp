// The session file format: the exact XML, the round trip, and damaged files.
#include <gtest/gtest.h>

#include <windows.h>

#include "SessionFile.h"
#include "TempFolder.h"

namespace {

Session Sample() {
    Session session;
    session.index = 1;
    SessionEntry editor;
    editor.path = "C:\\src\\main.cpp";
    editor.hasViewState = true;
    editor.firstVisibleLine = 12;
    editor.xOffset = 40;
    editor.startPos = 100;
    editor.endPos = 130;
    editor.marks = {0, 5};
    SessionEntry other;
    other.path = "C:\\my  docs\\\xD6\xD0\xCE\xC4 & <b>.txt";  // two blanks, GBK, characters to escape
    other.hasViewState = true;
    SessionEntry hex;
    hex.path = "C:\\data\\image.bin";
    session.files = {editor, other, hex};
    return session;
}

TEST(SessionFile, WritesTheExactXml) {
    EXPECT_EQ(
        "<Tarnwick><session index=\"1\">"
        "<file firstVisibleLine=\"12\" xOffset=\"40\" startPos=\"100\" endPos=\"130\">C:\\src\\main.cpp"
        "<Mark line=\"0\" /><Mark line=\"5\" /></file>"
        "<file firstVisibleLine=\"0\" xOffset=\"0\" startPos=\"0\" endPos=\"0\">"
        "C:\\my  docs\\\xD6\xD0\xCE\xC4 &amp; &lt;b&gt;.txt</file>"
        "<file>C:\\data\\image.bin</file>"
        "</session></Tarnwick>",
        SessionToXml(Sample()));
    EXPECT_EQ("<Tarnwick><session index=\"-1\" /></Tarnwick>", SessionToXml(Session{}));
}

TEST(SessionFile, RoundTripsEveryField) {
    TempFolder folder;
    std::string path = folder.File("session.xml");
    Session written = Sample();
    ASSERT_TRUE(WriteSessionFile(path, written));
    Session read;
    ASSERT_TRUE(ReadSessionFile(path, read));
    EXPECT_EQ(written.index, read.index);
    ASSERT_EQ(written.files.size(), read.files.size());
    for (size_t i = 0; i < written.files.size(); ++i) {
        const SessionEntry &a = written.files[i], &b = read.files[i];
        EXPECT_EQ(a.path, b.path);
        EXPECT_EQ(a.hasViewState, b.hasViewState);
        EXPECT_EQ(a.firstVisibleLine, b.firstVisibleLine);
        EXPECT_EQ(a.xOffset, b.xOffset);
        EXPECT_EQ(a.startPos, b.startPos);
        EXPECT_EQ(a.endPos, b.endPos);
        EXPECT_EQ(a.marks, b.marks);
    }
    EXPECT_FALSE(::GetFileAttributesA((path + ".new").c_str()) != INVALID_FILE_ATTRIBUTES);
}

TEST(SessionFile, ReadsIndentedFilesAndCountsElementsWithoutText) {
    TempFolder folder;
    folder.Write("s.xml",
                 "<Tarnwick>\n  <session index=\"2\">\n    <file />\n    <file startPos=\"7\">\n      C:\\a.txt\n"
                 "      <Mark line=\"3\" />\n    </file>\n    <file>C:\\b.txt</file>\n  </session>\n</Tarnwick>\n");
    Session read;
    ASSERT_TRUE(ReadSessionFile(folder.File("s.xml"), read));
    EXPECT_EQ(2, read.index);
    ASSERT_EQ(3u, read.files.size());
    EXPECT_EQ("", read.files[0].path);
    EXPECT_EQ("C:\\a.txt", read.files[1].path);
    EXPECT_TRUE(read.files[1].hasViewState);
    EXPECT_EQ(7, read.files[1].startPos);
    EXPECT_EQ(0, read.files[1].endPos) << "a missing attribute reads as 0";
    EXPECT_EQ(std::vector<int>{3}, read.files[1].marks);
    EXPECT_FALSE(read.files[2].hasViewState);
}

TEST(SessionFile, DamagedOrMissingFilesReadAsNothing) {
    TempFolder folder;
    struct Row { const char* name; const char* content; } rows[] = {
        {"broken.xml", "<Tarnwick><session index=\"0\"><file>C:\\a"},
        {"noroot.xml", "<Other><session/></Other>"},
        {"nosession.xml", "<Tarnwick><file>C:\\a</file></Tarnwick>"},
        {"empty.xml", ""},
    };
    for (const Row& row : rows) {
        folder.Write(row.name, row.content);
        Session read;
        read.index = 5;
        EXPECT_FALSE(ReadSessionFile(folder.File(row.name), read)) << row.name;
        EXPECT_TRUE(read.files.empty());
    }
    Session read;
    EXPECT_FALSE(ReadSessionFile(folder.File("missing.xml"), read));
    Session noIndex;
    folder.Write("noindex.xml", "<Tarnwick><session><file>C:\\a</file></session></Tarnwick>");
    ASSERT_TRUE(ReadSessionFile(folder.File("noindex.xml"), noIndex));
    EXPECT_EQ(-1, noIndex.index);
}

TEST(SessionFile, AFailedWriteKeepsThePreviousSession) {
    TempFolder folder;
    std::string path = folder.File("session.xml");
    folder.Write("session.xml", "<Tarnwick><session index=\"0\"><file>C:\\old.txt</file></session></Tarnwick>");
    // A folder in the way of the temporary file makes the write fail.
    ::CreateDirectoryA((path + ".new").c_str(), nullptr);
    EXPECT_FALSE(WriteSessionFile(path, Sample()));
    Session read;
    ASSERT_TRUE(ReadSessionFile(path, read));
    ASSERT_EQ(1u, read.files.size());
    EXPECT_EQ("C:\\old.txt", read.files[0].path);
    ::RemoveDirectoryA((path + ".new").c_str());
    EXPECT_FALSE(WriteSessionFile(folder.File("no such folder\\session.xml"), Sample()));
}

}  // namespace
