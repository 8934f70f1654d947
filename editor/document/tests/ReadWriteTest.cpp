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
        int openCode;
        int code;
        const char* text;
    } cases[] = {
        {"FF FE 41 00 E9 00 2D 4E", 5, 2, "41 C3 A9 E4 B8 AD"},
        {"FE FF 00 41 4E 2D", 5, 1, "41 E4 B8 AD"},
        {"EF BB BF 41", 5, 3, "41"},
        {"EF BB BF 41", 4, 4, "EF BB BF 41"},
        {"41 00 42 00", 2, 2, "41 42"},
        {"FF FE 41 00", 1, 1, "EF BF BE E4 84 80"},  // an LE mark read as BE is a unit
        {"FF FE 00 00 41 00", 2, 2, "00 41"},
        {"FF FE 3D D8 00 DE", 5, 2, "F0 9F 98 80"},
        {"FE FF D8 3D DE 00", 5, 1, "F0 9F 98 80"},
        {"FF FE 3D D8 41 00", 5, 2, "ED A0 BD 41"},  // lone high surrogate
        {"FF FE 00 DE 41 00", 5, 2, "ED B8 80 41"},  // lone low surrogate
        {"FF FE 3D D8", 5, 2, "ED A0 BD"},           // high surrogate at the end
        {"C3 A9", 0, 0, "C3 A9"},
        {"C3 A9", 5, 4, "C3 A9"},
        {"D6 D0 CE C4", 5, 0, "D6 D0 CE C4"},
        {"", 5, 0, ""},
        {"FF FE", 5, 2, ""},
        {"FE FF", 5, 1, ""},
        {"EF BB BF", 5, 3, ""},
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
    const Loaded loaded = LoadBytes(Hex("FF FE 41 00 42"), 5);
    EXPECT_EQ(2, loaded.summary.encoding);
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
    for (const auto& c : cases) EXPECT_EQ(c.mode, LoadBytes(Hex(c.file), 5).summary.eolMode) << c.file;
}

TEST(ReadText, CharactersAcrossBlockEdgesComeOutWhole) {
    const std::string text = StraddlingText();
    for (int code : {1, 2}) {
        const std::string file = SaveBytes(text, code);
        // Whole blocks, and short reads that cut every other unit in half.
        for (size_t step : {kFileBlockSize, size_t(1001)}) {
            const Loaded loaded = LoadBytes(file, 5, step);
            EXPECT_EQ(code, loaded.summary.encoding);
            EXPECT_TRUE(loaded.text == text) << "code " << code << " step " << step;
            EXPECT_FALSE(loaded.summary.droppedOddByte);
        }
    }
}

TEST(ReadText, OnlyTheFirstBlockDecidesTheEncoding) {
    const std::string file = std::string(kFileBlockSize, 'a') + Hex("C3 A9");
    const Loaded loaded = LoadBytes(file, 5);
    EXPECT_EQ(0, loaded.summary.encoding);
    EXPECT_EQ(file, loaded.text);
}

TEST(ReadText, ReadErrorFails) {
    const std::string file(3 * kFileBlockSize, 'x');
    EXPECT_FALSE(LoadBytes(file, 5, SIZE_MAX, 0).ok);  // the first read
    EXPECT_FALSE(LoadBytes(file, 5, SIZE_MAX, kFileBlockSize).ok);
    EXPECT_FALSE(LoadBytes(file, 2, SIZE_MAX, 2 * kFileBlockSize).ok);
}

TEST(WriteText, SaveTable) {
    const struct {
        int code;
        const char* text;
        const char* file;
    } cases[] = {
        {0, "41 C3 A9", "41 C3 A9"},
        {1, "41", "FE FF 00 41"},
        {2, "41 C3 A9 E4 B8 AD", "FF FE 41 00 E9 00 2D 4E"},
        {3, "41", "EF BB BF 41"},
        {4, "41", "41"},
        {2, "ED A0 BD ED B8 80", "FF FE 3D D8 00 DE"},
        {2, "F0 9F 98 80", "FF FE 3D D8 00 DE"},
        {1, "F0 9F 98 80", "FE FF D8 3D DE 00"},
        {2, "80", "FF FE 80 00"},
        {2, "E4 41 42", "FF FE E4 00 41 00 42 00"},  // nothing swallowed
        {2, "E4 B8", "FF FE E4 00 B8 00"},           // cut at the end of the text
        {2, "C0 80", "FF FE C0 00 80 00"},
        {0, "", ""},
        {1, "", "FE FF"},
        {2, "", "FF FE"},
        {3, "", "EF BB BF"},
        {4, "", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ToHex(Hex(c.file)), ToHex(SaveBytes(Hex(c.text), c.code))) << c.text << " as " << c.code;
}

TEST(WriteText, LineEndsAreWrittenAsTheyAre) {
    const std::string text = "a\r\nb\nc\r";
    EXPECT_EQ(text, SaveBytes(text, 0));
    EXPECT_EQ(text, SaveBytes(text, 4));
    EXPECT_EQ(Hex("EF BB BF") + text, SaveBytes(text, 3));
    EXPECT_EQ(Hex("FF FE 61 00 0D 00 0A 00 62 00 0A 00 63 00 0D 00"), SaveBytes(text, 2));
}

TEST(WriteText, SequencesCutByTheChunkEdgeStayWhole) {
    const struct {
        size_t before;  // bytes of the character in the first chunk
        const char* character;
        const char* units;
    } cases[] = {
        {1, "E4 B8 AD", "2D 4E"},
        {2, "E4 B8 AD", "2D 4E"},
        {1, "F0 9F 98 80", "3D D8 00 DE"},
        {2, "F0 9F 98 80", "3D D8 00 DE"},
        {3, "F0 9F 98 80", "3D D8 00 DE"},
        {1, "C3 A9", "E9 00"},
    };
    for (const auto& c : cases) {
        const std::string text = std::string(kFileBlockSize - c.before, 'a') + Hex(c.character) + "b";
        const std::string file = SaveBytes(text, 2);
        const std::string expected = Hex(c.units) + Hex("62 00");
        ASSERT_GE(file.size(), expected.size());
        EXPECT_EQ(2 + 2 * (kFileBlockSize - c.before) + expected.size(), file.size()) << c.character;
        EXPECT_EQ(ToHex(expected), ToHex(file.substr(file.size() - expected.size()))) << c.character;
    }
}

TEST(WriteText, SinkFailureIsReported) {
    const std::string text(3 * kFileBlockSize, 'x');
    for (int code = 0; code <= 4; ++code) {
        MemorySink full(kFileBlockSize);
        EXPECT_FALSE(SaveBytes(text, code, full)) << code;
    }
    MemorySink noRoom(0);  // the mark of an empty text is written at the close
    EXPECT_FALSE(SaveBytes("", 2, noRoom));
    MemorySink room;
    EXPECT_TRUE(SaveBytes(text, 2, room));
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
    for (int code = 1; code <= 4; ++code) {
        for (const std::string& text : texts) {
            const Loaded loaded = LoadBytes(SaveBytes(text, code), 5);
            bool plain = true;
            for (char ch : text) plain = plain && static_cast<unsigned char>(ch) < 0x80;
            const int expected = code == 4 && plain ? 0 : code;
            EXPECT_EQ(expected, loaded.summary.encoding) << ToHex(text);
            EXPECT_TRUE(loaded.text == text) << "code " << code << ": " << ToHex(text);
        }
    }
}

}  // namespace
