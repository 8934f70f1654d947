// Reading file bytes into the component's text and writing it back, over
// memory sources and sinks.
#include <gtest/gtest.h>

#include "EncodingCodes.h"
#include "Hex.h"
#include "LargeText.h"
#include "MemoryStreams.h"

namespace {

TEST(ReadText, LoadTable) {
    const struct {
        const char* file;
        EncodingCode openCode;
        EncodingCode code;
        const char* text;
    } cases[] = {
        {"FF FE 41 00 E9 00 2D 4E", kEncodingDefault, kEncodingUtf16Le, "41 C3 A9 E4 B8 AD"},
        {"FE FF 00 41 4E 2D", kEncodingDefault, kEncodingUtf16Be, "41 E4 B8 AD"},
        {"EF BB BF 41", kEncodingDefault, kEncodingUtf8, "41"},
        {"EF BB BF 41", kEncodingUtf8NoBom, kEncodingUtf8NoBom, "EF BB BF 41"},
        {"41 00 42 00", kEncodingUtf16Le, kEncodingUtf16Le, "41 42"},
        {"FF FE 41 00", kEncodingUtf16Be, kEncodingUtf16Be, "EF BF BE E4 84 80"},  // an LE mark read as BE is a unit
        {"FF FE 00 00 41 00", kEncodingUtf16Le, kEncodingUtf16Le, "00 41"},
        {"FF FE 3D D8 00 DE", kEncodingDefault, kEncodingUtf16Le, "F0 9F 98 80"},
        {"FE FF D8 3D DE 00", kEncodingDefault, kEncodingUtf16Be, "F0 9F 98 80"},
        {"FF FE 3D D8 41 00", kEncodingDefault, kEncodingUtf16Le, "ED A0 BD 41"},  // lone high surrogate
        {"FF FE 00 DE 41 00", kEncodingDefault, kEncodingUtf16Le, "ED B8 80 41"},  // lone low surrogate
        {"FF FE 3D D8", kEncodingDefault, kEncodingUtf16Le, "ED A0 BD"},           // high surrogate at the end
        {"C3 A9", kEncodingAnsi, kEncodingAnsi, "C3 A9"},
        {"C3 A9", kEncodingDefault, kEncodingUtf8NoBom, "C3 A9"},
        {"D6 D0 CE C4", kEncodingDefault, kEncodingAnsi, "D6 D0 CE C4"},
        {"", kEncodingDefault, kEncodingAnsi, ""},
        {"FF FE", kEncodingDefault, kEncodingUtf16Le, ""},
        {"FE FF", kEncodingDefault, kEncodingUtf16Be, ""},
        {"EF BB BF", kEncodingDefault, kEncodingUtf8, ""},
    };
    for (const auto& c : cases) {
        const Loaded loaded = LoadBytes(Hex(c.file), c.openCode);
        EXPECT_TRUE(loaded.ok) << c.file;
        EXPECT_EQ(c.code, loaded.summary.encoding) << c.file;
        EXPECT_EQ(ToHex(Hex(c.text)), ToHex(loaded.text)) << c.file << " opened as " << c.openCode;
        EXPECT_FALSE(loaded.summary.droppedOddByte) << c.file;
    }
}

TEST(ReadText, OddLengthUtf16DropsAndReportsTheLastByte) {
    const Loaded loaded = LoadBytes(Hex("FF FE 41 00 42"), kEncodingDefault);
    EXPECT_EQ(kEncodingUtf16Le, loaded.summary.encoding);
    EXPECT_EQ("A", loaded.text);
    EXPECT_TRUE(loaded.summary.droppedOddByte);
}

TEST(ReadText, EolModeOfUtf16ComesFromTheText) {
    const struct {
        const char* file;
        int mode;
    } cases[] = {
        {"FF FE 61 00 0A 00", kEolLf},
        {"FF FE 0D 00 0A 00", kEolCrLf},
        {"FF FE 0D 00 61 00", kEolCr},
        {"FE FF 00 0D 00 0A", kEolCrLf},
        {"FE FF 00 61 00 0A", kEolLf},
        {"EF BB BF 61 0D", kEolCr},
        {"61 0A", kEolLf},
    };
    for (const auto& c : cases) EXPECT_EQ(c.mode, LoadBytes(Hex(c.file), kEncodingDefault).summary.eolMode) << c.file;
}

TEST(ReadText, CharactersAcrossBlockEdgesComeOutWhole) {
    const std::string text = StraddlingText();
    for (EncodingCode code : {kEncodingUtf16Be, kEncodingUtf16Le}) {
        const std::string file = SaveBytes(text, code);
        // Whole blocks, and short reads that cut every other unit in half.
        for (size_t step : {kFileBlockSize, size_t(1001)}) {
            const Loaded loaded = LoadBytes(file, kEncodingDefault, step);
            EXPECT_EQ(code, loaded.summary.encoding);
            EXPECT_TRUE(loaded.text == text) << "code " << code << " step " << step;
            EXPECT_FALSE(loaded.summary.droppedOddByte);
        }
    }
}

TEST(ReadText, OnlyTheFirstBlockDecidesTheEncoding) {
    const std::string file = std::string(kFileBlockSize, 'a') + Hex("C3 A9");
    const Loaded loaded = LoadBytes(file, kEncodingDefault);
    EXPECT_EQ(kEncodingAnsi, loaded.summary.encoding);
    EXPECT_EQ(file, loaded.text);
}

TEST(ReadText, ReadErrorFails) {
    const std::string file(3 * kFileBlockSize, 'x');
    EXPECT_FALSE(LoadBytes(file, kEncodingDefault, SIZE_MAX, 0).ok);  // the first read
    EXPECT_FALSE(LoadBytes(file, kEncodingDefault, SIZE_MAX, kFileBlockSize).ok);
    EXPECT_FALSE(LoadBytes(file, kEncodingUtf16Le, SIZE_MAX, 2 * kFileBlockSize).ok);
}

TEST(WriteText, SaveTable) {
    const struct {
        EncodingCode code;
        const char* text;
        const char* file;
    } cases[] = {
        {kEncodingAnsi, "41 C3 A9", "41 C3 A9"},
        {kEncodingUtf16Be, "41", "FE FF 00 41"},
        {kEncodingUtf16Le, "41 C3 A9 E4 B8 AD", "FF FE 41 00 E9 00 2D 4E"},
        {kEncodingUtf8, "41", "EF BB BF 41"},
        {kEncodingUtf8NoBom, "41", "41"},
        {kEncodingUtf16Le, "ED A0 BD ED B8 80", "FF FE 3D D8 00 DE"},
        {kEncodingUtf16Le, "F0 9F 98 80", "FF FE 3D D8 00 DE"},
        {kEncodingUtf16Be, "F0 9F 98 80", "FE FF D8 3D DE 00"},
        {kEncodingUtf16Le, "80", "FF FE 80 00"},
        {kEncodingUtf16Le, "E4 41 42", "FF FE E4 00 41 00 42 00"},  // nothing swallowed
        {kEncodingUtf16Le, "E4 B8", "FF FE E4 00 B8 00"},           // cut at the end of the text
        {kEncodingUtf16Le, "C0 80", "FF FE C0 00 80 00"},
        {kEncodingAnsi, "", ""},
        {kEncodingUtf16Be, "", "FE FF"},
        {kEncodingUtf16Le, "", "FF FE"},
        {kEncodingUtf8, "", "EF BB BF"},
        {kEncodingUtf8NoBom, "", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ToHex(Hex(c.file)), ToHex(SaveBytes(Hex(c.text), c.code))) << c.text << " as " << c.code;
}

TEST(WriteText, LineEndsAreWrittenAsTheyAre) {
    const std::string text = "a\r\nb\nc\r";
    EXPECT_EQ(text, SaveBytes(text, kEncodingAnsi));
    EXPECT_EQ(text, SaveBytes(text, kEncodingUtf8NoBom));
    EXPECT_EQ(Hex("EF BB BF") + text, SaveBytes(text, kEncodingUtf8));
    EXPECT_EQ(Hex("FF FE 61 00 0D 00 0A 00 62 00 0A 00 63 00 0D 00"), SaveBytes(text, kEncodingUtf16Le));
}

TEST(WriteText, SequencesCutByTheChunkEdgeStayWhole) {
    const struct {
        size_t before;  // bytes of the character in the first chunk
        const char* character;
        const char* units;
    } cases[] = {
        {kEncodingUtf16Be, "E4 B8 AD", "2D 4E"},
        {kEncodingUtf16Le, "E4 B8 AD", "2D 4E"},
        {kEncodingUtf16Be, "F0 9F 98 80", "3D D8 00 DE"},
        {kEncodingUtf16Le, "F0 9F 98 80", "3D D8 00 DE"},
        {kEncodingUtf8, "F0 9F 98 80", "3D D8 00 DE"},
        {kEncodingUtf16Be, "C3 A9", "E9 00"},
    };
    for (const auto& c : cases) {
        const std::string text = std::string(kFileBlockSize - c.before, 'a') + Hex(c.character) + "b";
        const std::string file = SaveBytes(text, kEncodingUtf16Le);
        const std::string expected = Hex(c.units) + Hex("62 00");
        ASSERT_GE(file.size(), expected.size());
        EXPECT_EQ(2 + 2 * (kFileBlockSize - c.before) + expected.size(), file.size()) << c.character;
        EXPECT_EQ(ToHex(expected), ToHex(file.substr(file.size() - expected.size()))) << c.character;
    }
}

TEST(WriteText, SinkFailureIsReported) {
    const std::string text(3 * kFileBlockSize, 'x');
    for (EncodingCode code : kTextCodes) {
        MemorySink full(kFileBlockSize);
        EXPECT_FALSE(SaveBytes(text, code, full)) << code;
    }
    MemorySink noRoom(0);  // the mark of an empty text is written at the close
    EXPECT_FALSE(SaveBytes("", kEncodingUtf16Le, noRoom));
    MemorySink room;
    EXPECT_TRUE(SaveBytes(text, kEncodingUtf16Le, room));
}

TEST(RoundTrip, SaveThenDetectGivesTextAndCodeBack) {
    const std::string texts[] = {
        "hello\r\nworld\r\n",
        Hex("63 61 66 C3 A9"),                    // café
        Hex("E4 B8 AD E6 96 87 0A E4 B8 AD"),     // 中文
        "a\r\nb\nc\rd",
        std::string("nul\0inside", 10),
        Hex("F0 A0 80 80 20 F0 9F 98 80"),        // CJK Ext-B and an emoji
        StraddlingText(),
    };
    for (EncodingCode code : kUnicodeCodes) {
        for (const std::string& text : texts) {
            const Loaded loaded = LoadBytes(SaveBytes(text, code), kEncodingDefault);
            bool plain = true;
            for (char ch : text) plain = plain && static_cast<unsigned char>(ch) < 0x80;
            const EncodingCode expected = code == kEncodingUtf8NoBom && plain ? kEncodingAnsi : code;
            EXPECT_EQ(expected, loaded.summary.encoding) << ToHex(text);
            EXPECT_TRUE(loaded.text == text) << "code " << code << ": " << ToHex(text);
        }
    }
}

}  // namespace
