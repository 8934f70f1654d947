// Loading and saving through a real editing component.
#include <gtest/gtest.h>

#include "ComponentWindow.h"
#include "DocumentFile.h"
#include "EncodingCodes.h"
#include "UniqueHandle.h"
#include "Hex.h"
#include "LargeText.h"
#include "MemoryStreams.h"
#include "TempFolder.h"
#include "TextConversion.h"
#include "resource.h"

namespace {

std::string WithLineEnds(std::string text, const char* eol) {
    std::string result;
    for (char ch : text) {
        if (ch == '\n')
            result += eol;
        else
            result += ch;
    }
    return result;
}

// The bytes of a file holding utf8 in code.
std::string FileBytes(const std::string& utf8, EncodingCode code) {
    return code == kEncodingAnsi ? Utf8ToAnsi(utf8, 936) : SaveBytes(utf8, code);
}

class DocumentTest : public ::testing::Test {
protected:
    ComponentWindow view;
    CDocumentFile file{view.component, 936};
    TempFolder folder;
};

TEST_F(DocumentTest, EveryEncodingAndLineEndOpensAndSavesUnchanged) {
    const std::string chinese = Hex("E4 B8 AD E6 96 87") + " A\n" + Hex("E7 AC AC E4 BA 8C E8 A1 8C") + "\nend";
    const std::string beyondBmp = chinese + Hex("F0 9F 98 80 F0 A0 80 80") + "\n";
    const struct {
        EncodingCode code;
        std::string utf8;
    } fixtures[] = {
        {kEncodingAnsi, chinese},         {kEncodingUtf8, beyondBmp},    {kEncodingUtf8NoBom, beyondBmp},
        {kEncodingUtf16Le, beyondBmp}, {kEncodingUtf16Be, beyondBmp},
    };
    const struct {
        const char* eol;
        int mode;
    } eols[] = {{"\r\n", kEolCrLf}, {"\n", kEolLf}, {"\r", kEolCr}};

    for (const auto& fixture : fixtures) {
        for (const auto& eol : eols) {
            const std::string text = WithLineEnds(fixture.utf8, eol.eol);
            const std::string bytes = FileBytes(text, fixture.code);
            folder.Write("f.txt", bytes);
            const std::string path = folder.File("f.txt");
            const std::string what = "code " + std::to_string(fixture.code) + " eol " + std::to_string(eol.mode);

            ASSERT_TRUE(file.OpenFile(path.c_str(), kEncodingDefault)) << what;
            EXPECT_EQ(fixture.code, file.GetEncoding()) << what;
            EXPECT_EQ(eol.mode, view.Send(SCI_GETEOLMODE)) << what;
            EXPECT_EQ(fixture.code == 0 ? 936 : 65001, view.Send(SCI_GETCODEPAGE)) << what;
            EXPECT_EQ(ToHex(fixture.code == 0 ? bytes : text), ToHex(view.Text())) << what;
            EXPECT_EQ(0, view.Send(SCI_CANUNDO)) << what;
            EXPECT_EQ(0, view.Send(SCI_GETMODIFY)) << what;

            view.Send(SCI_APPENDTEXT, 1, reinterpret_cast<sptr_t>("x"));
            view.Send(SCI_DELETERANGE, view.Send(SCI_GETLENGTH) - 1, 1);
            ASSERT_TRUE(file.SaveFile(path.c_str())) << what;
            EXPECT_EQ(0, view.Send(SCI_GETMODIFY)) << what;
            EXPECT_EQ(ToHex(bytes), ToHex(folder.Read("f.txt"))) << what;
        }
    }
}

TEST_F(DocumentTest, LargeFilesWithCharactersAcrossEveryBlockEdge) {
    const std::string text = StraddlingText();
    for (EncodingCode code : kUnicodeCodes) {
        const std::string bytes = FileBytes(text, code);
        folder.Write("big.txt", bytes);
        const std::string path = folder.File("big.txt");
        ASSERT_TRUE(file.OpenFile(path.c_str(), kEncodingDefault));
        EXPECT_EQ(code, file.GetEncoding());
        EXPECT_TRUE(view.Text() == text) << "code " << code;
        ASSERT_TRUE(file.SaveFile(path.c_str()));
        EXPECT_TRUE(folder.Read("big.txt") == bytes) << "code " << code;
    }
}

// An edit leaves the component's gap where it was made; a save writes the
// text on both sides of it where it lies, so the gap stays put (closing it
// would copy everything after it, the whole text for an edit at the top).
TEST_F(DocumentTest, SaveWritesAroundTheGapWithoutMovingIt) {
    const std::string tail = StraddlingText();
    const struct {
        const char* what;
        std::string before, after;  // either side of the byte deleted
    } cases[] = {
        {"at the start", "", tail},
        {"mid-text", "line\r\n", tail},
        {"inside a character", "a" + Hex("E4 B8"), Hex("AD") + tail},  // 中 cut by the gap
    };
    for (const auto& c : cases) {
        for (EncodingCode code : kTextCodes) {
            SCOPED_TRACE(std::string(c.what) + ", code " + std::to_string(code));
            view.SetText(c.before + "x" + c.after);
            file.SetEncoding(code);
            // A deletion leaves the gap where the byte was.
            view.Send(SCI_DELETERANGE, c.before.size(), 1);
            const sptr_t gap = view.Send(SCI_GETGAPPOSITION);
            ASSERT_EQ(static_cast<sptr_t>(c.before.size()), gap);
            const std::string path = folder.File("gap.txt");
            ASSERT_TRUE(file.SaveFile(path.c_str()));
            EXPECT_EQ(gap, view.Send(SCI_GETGAPPOSITION));
            const std::string held = c.before + c.after;
            EXPECT_TRUE(view.Text() == held);
            EXPECT_TRUE(folder.Read("gap.txt") == (code == kEncodingAnsi ? held : SaveBytes(held, code)));
        }
    }
}

TEST_F(DocumentTest, LargeGbkFileWithPairsAcrossBlockEdges) {
    std::string bytes(kFileBlockSize - 1, 'a');
    bytes += Hex("D6 D0") + "\r\n";
    bytes.resize(2 * kFileBlockSize - 1, 'b');
    bytes += Hex("CE C4");
    bytes.resize(250000, 'c');
    folder.Write("gbk.txt", bytes);
    const std::string path = folder.File("gbk.txt");
    ASSERT_TRUE(file.OpenFile(path.c_str(), kEncodingDefault));
    EXPECT_EQ(kEncodingAnsi, file.GetEncoding());
    EXPECT_EQ(936, view.Send(SCI_GETCODEPAGE));
    // The pair at the edge is one character to the component.
    EXPECT_EQ(static_cast<sptr_t>(kFileBlockSize + 1),
              view.Send(SCI_POSITIONAFTER, static_cast<uptr_t>(kFileBlockSize - 1)));
    ASSERT_TRUE(file.SaveFile(path.c_str()));
    EXPECT_TRUE(folder.Read("gbk.txt") == bytes);
}

TEST_F(DocumentTest, LoadIsOneUndoStepToASavePoint) {
    view.SetText("old");
    folder.Write("a.txt", "new\ntext");
    ASSERT_TRUE(file.LoadFile(folder.File("a.txt").c_str(), kEncodingDefault));
    EXPECT_EQ("new\ntext", view.Text());
    EXPECT_EQ(0, view.Send(SCI_GETMODIFY));
    EXPECT_EQ(0, view.Send(SCI_GETCURRENTPOS));
    view.Send(SCI_UNDO);
    EXPECT_EQ("old", view.Text());
}

TEST_F(DocumentTest, ReloadKeepsCaretAndScrollUnlessTheFileShrank) {
    std::string lines;
    for (int i = 0; i < 300; ++i) lines += "line " + std::to_string(i) + "\r\n";
    folder.Write("a.txt", lines);
    const std::string path = folder.File("a.txt");
    ASSERT_TRUE(file.OpenFile(path.c_str(), kEncodingDefault));
    const sptr_t caret = view.Send(SCI_POSITIONFROMLINE, 150) + 2;
    view.Send(SCI_GOTOPOS, caret);
    view.Send(SCI_SETFIRSTVISIBLELINE, 140);

    folder.Write("a.txt", "changed " + lines);
    ASSERT_TRUE(file.Reload(path.c_str()));
    EXPECT_EQ(caret, view.Send(SCI_GETCURRENTPOS));
    EXPECT_EQ(140, view.Send(SCI_GETFIRSTVISIBLELINE));
    EXPECT_EQ(0, view.Send(SCI_GETMODIFY));
    view.Send(SCI_UNDO);
    EXPECT_EQ(lines, view.Text());

    folder.Write("a.txt", "short");
    ASSERT_TRUE(file.Reload(path.c_str()));
    EXPECT_EQ("short", view.Text());
    EXPECT_EQ(0, view.Send(SCI_GETCURRENTPOS));
}

TEST_F(DocumentTest, ReadOnlyDocumentStillLoadsAndStaysReadOnly) {
    view.SetText("stale");
    view.Send(SCI_SETREADONLY, 1);
    folder.Write("a.txt", "fresh");
    ASSERT_TRUE(file.LoadFile(folder.File("a.txt").c_str(), kEncodingDefault));
    EXPECT_EQ("fresh", view.Text());
    EXPECT_EQ(1, view.Send(SCI_GETREADONLY));
}

TEST_F(DocumentTest, FailedLoadLeavesTheDocumentAsItWas) {
    view.SetText("keep");
    view.Send(SCI_SETSAVEPOINT);
    file.SetEncoding(kEncodingUtf8);
    EXPECT_FALSE(file.LoadFile(folder.File("missing.txt").c_str(), kEncodingDefault));

    const std::string ansi(3 * kFileBlockSize, 'a');
    for (size_t failAt : {size_t(0), kFileBlockSize, 2 * kFileBlockSize}) {
        MemorySource failing(ansi, SIZE_MAX, failAt);
        EXPECT_FALSE(file.Load(failing, kEncodingDefault));
        EXPECT_EQ("keep", view.Text()) << failAt;
        EXPECT_EQ(0, view.Send(SCI_GETMODIFY)) << failAt;
        EXPECT_EQ(kEncodingUtf8, file.GetEncoding());
        EXPECT_EQ(65001, view.Send(SCI_GETCODEPAGE));
    }

    // An empty document: the edit before the load is not undone.
    view.SetText("");
    view.Send(SCI_EMPTYUNDOBUFFER);
    view.component.AddText("x", 1);
    view.Send(SCI_DELETERANGE, 0, 1);
    MemorySource failing("abc", SIZE_MAX, 0);
    EXPECT_FALSE(file.Load(failing, kEncodingDefault));
    EXPECT_EQ("", view.Text());
    EXPECT_EQ(1, view.Send(SCI_CANUNDO));
}

TEST_F(DocumentTest, LoadHoldsRedrawAndUndoOffAndRestoresThemWhateverHappens) {
    ::ShowWindow(view.Window(), SW_SHOWNOACTIVATE);
    const auto visible = [&] { return (::GetWindowLongPtrA(view.Window(), GWL_STYLE) & WS_VISIBLE) != 0; };
    const std::string text(3 * kFileBlockSize, 'a');

    // Into a fresh document: nothing collected, so nothing to undo after.
    MemorySource whole(text);
    ASSERT_TRUE(file.Load(whole, kEncodingDefault));
    EXPECT_EQ(text.size(), view.component.Length());
    EXPECT_EQ(0, view.Send(SCI_CANUNDO));
    EXPECT_EQ(0, view.Send(SCI_GETMODIFY));
    EXPECT_EQ(1, view.Send(SCI_GETUNDOCOLLECTION));
    EXPECT_TRUE(visible());

    // A fresh document whose load fails is empty and unmodified again.
    view.Send(SCI_CLEARALL);
    view.Send(SCI_EMPTYUNDOBUFFER);
    view.Send(SCI_SETSAVEPOINT);
    MemorySource failing(text, SIZE_MAX, 2 * kFileBlockSize);
    EXPECT_FALSE(file.Load(failing, kEncodingDefault));
    EXPECT_EQ(0u, view.component.Length());
    EXPECT_EQ(0, view.Send(SCI_GETMODIFY));
    EXPECT_EQ(1, view.Send(SCI_GETUNDOCOLLECTION));
    EXPECT_TRUE(visible());

    // A document with text: the failed load is taken back, modified state and all.
    view.SetText("edited");
    MemorySource failingAgain(text, SIZE_MAX, kFileBlockSize);
    EXPECT_FALSE(file.Load(failingAgain, kEncodingDefault));
    EXPECT_EQ("edited", view.Text());
    EXPECT_EQ(1, view.Send(SCI_GETMODIFY));
    EXPECT_EQ(1, view.Send(SCI_GETUNDOCOLLECTION));
    EXPECT_TRUE(visible());

    // A hidden component stays hidden.
    ::ShowWindow(view.Window(), SW_HIDE);
    MemorySource small("abc");
    ASSERT_TRUE(file.Load(small, kEncodingDefault));
    EXPECT_FALSE(visible());
}

TEST_F(DocumentTest, FailedSaveKeepsTheFileAndTheModifiedState) {
    folder.Write("ro.txt", "on disk");
    folder.Write("locked.txt", "on disk");
    const std::string readOnly = folder.File("ro.txt");
    const std::string locked = folder.File("locked.txt");
    ASSERT_TRUE(::SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_READONLY));
    UniqueHandle lock(::CreateFileA(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(lock);

    view.SetText("edited text");
    for (EncodingCode code : kTextCodes) {
        file.SetEncoding(code);
        EXPECT_FALSE(file.SaveFile(readOnly.c_str()));
        EXPECT_NE(0u, file.LastSaveError());
        EXPECT_FALSE(file.SaveFile(locked.c_str()));
        EXPECT_EQ(1, view.Send(SCI_GETMODIFY));
    }
    lock.close();
    EXPECT_EQ("edited text", view.Text());
    EXPECT_EQ("on disk", folder.Read("ro.txt"));
    EXPECT_EQ("on disk", folder.Read("locked.txt"));
}

TEST_F(DocumentTest, EncodingCommandsReinterpretWithoutTouchingBytes) {
    const std::string text = Hex("E4 B8 AD 41 F0 9F 98 80");
    folder.Write("a.txt", text);
    const std::string path = folder.File("a.txt");
    ASSERT_TRUE(file.OpenFile(path.c_str(), kEncodingDefault));
    EXPECT_EQ(kEncodingUtf8NoBom, file.GetEncoding());

    for (int command : {ID_DOC_ENC_UTF16LE, ID_DOC_ENC_UTF16BE, ID_DOC_ENC_UTF8, ID_DOC_ENC_UTF8_NOBOM}) {
        ASSERT_TRUE(file.OnEncodingCommand(command));
        EXPECT_EQ(command - ID_DOC_ENC_ANSI, file.GetEncoding());
        EXPECT_EQ(65001, view.Send(SCI_GETCODEPAGE));
        ASSERT_TRUE(file.SaveFile(path.c_str()));
        ASSERT_TRUE(file.OpenFile(path.c_str(), kEncodingDefault));
        EXPECT_EQ(command - 501, file.GetEncoding());
        EXPECT_EQ(ToHex(text), ToHex(view.Text())) << command;
    }
    ASSERT_TRUE(file.OnEncodingCommand(ID_DOC_ENC_ANSI));
    EXPECT_EQ(kEncodingAnsi, file.GetEncoding());
    EXPECT_EQ(936, view.Send(SCI_GETCODEPAGE));
    EXPECT_EQ(ToHex(text), ToHex(view.Text()));
    EXPECT_FALSE(file.OnEncodingCommand(ID_DOC_EOL_CRLF));
}

TEST_F(DocumentTest, SwitchingBetweenAnsiAndUnicodeConvertsTheText) {
    const std::string gbk = Hex("D6 D0 CE C4 0D 0A 41");
    const std::string utf8 = Hex("E4 B8 AD E6 96 87 0D 0A 41");
    folder.Write("a.txt", gbk);
    ASSERT_TRUE(file.OpenFile(folder.File("a.txt").c_str(), kEncodingDefault));
    ASSERT_EQ(kEncodingAnsi, file.GetEncoding());

    bool lost = true;
    file.ConvertEncoding(kEncodingUtf16Le, &lost);
    EXPECT_FALSE(lost);
    EXPECT_EQ(ToHex(utf8), ToHex(view.Text()));
    EXPECT_EQ(65001, view.Send(SCI_GETCODEPAGE));
    ASSERT_TRUE(file.SaveFile(folder.File("u.txt").c_str()));
    EXPECT_EQ(ToHex(Hex("FF FE 2D 4E 87 65 0D 00 0A 00 41 00")), ToHex(folder.Read("u.txt")));

    file.ConvertEncoding(kEncodingUtf8);  // among Unicode codes only the code changes
    EXPECT_EQ(ToHex(utf8), ToHex(view.Text()));
    view.Send(SCI_APPENDTEXT, 4, reinterpret_cast<sptr_t>(Hex("F0 9F 98 80").data()));
    file.ConvertEncoding(kEncodingAnsi, &lost);
    EXPECT_TRUE(lost);
    EXPECT_EQ(936, view.Send(SCI_GETCODEPAGE));
    EXPECT_EQ(ToHex(gbk), ToHex(view.Text().substr(0, gbk.size())));
    view.Send(SCI_UNDO);  // the conversion is one undo action
    EXPECT_EQ(ToHex(utf8 + Hex("F0 9F 98 80")), ToHex(view.Text()));
}

TEST_F(DocumentTest, LineEndCommandsConvertExistingLines) {
    view.SetText("a\r\nb\nc\rd");
    const struct {
        int command;
        const char* text;
        int mode;
    } cases[] = {{ID_DOC_EOL_LF, "a\nb\nc\nd", kEolLf}, {ID_DOC_EOL_CR, "a\rb\rc\rd", kEolCr}, {ID_DOC_EOL_CRLF, "a\r\nb\r\nc\r\nd", kEolCrLf}};
    for (const auto& c : cases) {
        ASSERT_TRUE(file.OnConvertEols(c.command));
        EXPECT_EQ(c.text, view.Text());
        EXPECT_EQ(c.mode, view.Send(SCI_GETEOLMODE));
    }
    EXPECT_FALSE(file.OnConvertEols(ID_DOC_ENC_UTF8_NOBOM));

    const sptr_t tabs = view.Send(SCI_GETUSETABS);
    file.ToggleUseTabs();
    EXPECT_EQ(!tabs, view.Send(SCI_GETUSETABS));
}

TEST_F(DocumentTest, TypedChineseIsStoredInTheDocumentsCodePage) {
    const struct {
        EncodingCode code;
        const char* bytes;
    } cases[] = {{kEncodingAnsi, "D6 D0"}, {kEncodingUtf8, "E4 B8 AD"}};
    for (const auto& c : cases) {
        view.SetText("");
        file.SetEncoding(c.code);
        ::SendMessageW(view.Window(), WM_CHAR, 0x4E2D, 0);
        EXPECT_EQ(ToHex(Hex(c.bytes)), ToHex(view.Text())) << c.code;
    }

    // A single-byte ANSI page would put the component in UTF-8 mode.
    CDocumentFile western(view.component, 1252);
    western.SetEncoding(kEncodingAnsi);
    EXPECT_EQ(0, view.Send(SCI_GETCODEPAGE));
}

TEST_F(DocumentTest, EmptyUnicodeDocumentKeepsItsMark) {
    const struct {
        EncodingCode code;
        const char* bytes;
        EncodingCode reopened;  // nothing marks an empty UTF-8 file without a mark
    } cases[] = {{kEncodingUtf16Be, "FE FF", kEncodingUtf16Be},
                 {kEncodingUtf16Le, "FF FE", kEncodingUtf16Le},
                 {kEncodingUtf8, "EF BB BF", kEncodingUtf8},
                 {kEncodingUtf8NoBom, "", kEncodingAnsi},
                 {kEncodingAnsi, "", kEncodingAnsi}};
    for (const auto& c : cases) {
        file.SetEncoding(c.code);
        ASSERT_TRUE(file.SaveFile(folder.File("e.txt").c_str()));
        EXPECT_EQ(ToHex(Hex(c.bytes)), ToHex(folder.Read("e.txt")));
        ASSERT_TRUE(file.OpenFile(folder.File("e.txt").c_str(), kEncodingDefault));
        EXPECT_EQ(c.reopened, file.GetEncoding());
    }
}

TEST_F(DocumentTest, OddLengthUtf16FileIsReported) {
    folder.Write("odd.txt", Hex("FF FE 41 00 42"));
    ASSERT_TRUE(file.OpenFile(folder.File("odd.txt").c_str(), kEncodingDefault));
    EXPECT_TRUE(file.DroppedOddByte());
    EXPECT_EQ("A", view.Text());
    folder.Write("even.txt", Hex("FF FE 41 00"));
    ASSERT_TRUE(file.OpenFile(folder.File("even.txt").c_str(), kEncodingDefault));
    EXPECT_FALSE(file.DroppedOddByte());
}

}  // namespace
