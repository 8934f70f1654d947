// Detection of encoding and line ends, the code tables, and the ANSI and
// UTF-8 conversions.
#include <gtest/gtest.h>

#include "EncodingCodes.h"
#include "EncodingDetect.h"
#include "Hex.h"
#include "TextConversion.h"
#include "Utf8.h"
#include "resource.h"

namespace {

struct EncodingCase {
    std::string bytes;
    int code;
    size_t mark;
};

TEST(DetectEncoding, FirstBlockTable) {
    const EncodingCase cases[] = {
        {"", 0, 0},
        {Hex("FF"), 0, 0},
        {Hex("FE FF"), 1, 2},
        {Hex("FE FF 00 41"), 1, 2},
        {Hex("FF FE"), 2, 2},
        {Hex("FF FE 41 00"), 2, 2},
        {Hex("EF BB BF"), 3, 3},
        {Hex("EF BB BF 41"), 3, 3},
        {Hex("EF BB"), 4, 0},
        {Hex("41 42 43"), 0, 0},
        {Hex("41 C3 A9 42"), 4, 0},
        {Hex("41 A9 42"), 0, 0},
        {Hex("C3 41"), 0, 0},
        {Hex("41 C3"), 0, 0},
        {Hex("C3 C3 A9"), 0, 0},
        {Hex("E4 B8 AD"), 4, 0},
        {Hex("E4 B8 41"), 4, 0},
        {Hex("C3 A9 A9 A9"), 4, 0},
        {Hex("F0 9F 98 80"), 4, 0},
        {Hex("41 FE 42"), 0, 0},
        {Hex("C3 FE"), 0, 0},
        {Hex("C3 A9 FE"), 4, 0},
        {Hex("D6 D0 CE C4"), 0, 0},  // GBK
        {Hex("C4 A3"), 4, 0},        // a GBK pair that reads as UTF-8: the scan's limit
    };
    for (const EncodingCase& c : cases) {
        EncodingCode code = kEncodingDefault;
        const size_t mark = DetectEncoding(c.bytes.data(), c.bytes.size(), &code);
        EXPECT_EQ(c.code, code) << ToHex(c.bytes);
        EXPECT_EQ(c.mark, mark) << ToHex(c.bytes);
    }
}

TEST(DetectEolMode, FirstLineEndTable) {
    const struct {
        std::string bytes;
        int mode;
    } cases[] = {
        {"", kEolCrLf},
        {"abc", kEolCrLf},
        {"a\r\nb", kEolCrLf},
        {"a\nb", kEolLf},
        {"a\rb", kEolCr},
        {"a\r", kEolCr},
        {"a\n\r\n", kEolLf},
        {std::string("a\0\nb", 4), kEolCrLf},
        {Hex("EF BB BF 61 0A"), kEolLf},
    };
    for (const auto& c : cases) EXPECT_EQ(c.mode, DetectEolMode(c.bytes.data(), c.bytes.size())) << ToHex(c.bytes);
}

TEST(EncodingCodes, NamesAndCommands) {
    const char* names[] = {"ANSI", "UNICODE BE", "UNICODE", "UTF-8", "UTF-8 NOBOM", "", ""};
    for (int code = 0; code <= 6; ++code) EXPECT_STREQ(names[code], EncodingStatusName(static_cast<EncodingCode>(code)));
    EXPECT_EQ(std::nullopt, EncodingForCommand(ID_DOC_USE_TABS));
    EXPECT_EQ(kEncodingAnsi, EncodingForCommand(ID_DOC_ENC_ANSI));
    EXPECT_EQ(kEncodingUtf8NoBom, EncodingForCommand(ID_DOC_ENC_UTF8_NOBOM));
    EXPECT_EQ(std::nullopt, EncodingForCommand(ID_DOC_EOL_CRLF));
    EXPECT_EQ(kEolCrLf, EolModeForCommand(ID_DOC_EOL_CRLF));
    EXPECT_EQ(kEolLf, EolModeForCommand(ID_DOC_EOL_LF));
    EXPECT_EQ(kEolCr, EolModeForCommand(ID_DOC_EOL_CR));
    EXPECT_EQ(std::nullopt, EolModeForCommand(ID_DOC_ENC_UTF8_NOBOM));
}

TEST(EncodingCodes, StoredValuesOutsideTheCodesFallBack) {
    EXPECT_EQ(kEncodingUtf16Le, ToEncodingCode(2, kEncodingDefault));
    EXPECT_EQ(kEncodingBinary, ToEncodingCode(6, kEncodingDefault));
    for (int value : {-1, 7, 1000}) EXPECT_EQ(kEncodingDefault, ToEncodingCode(value, kEncodingDefault)) << value;
    EXPECT_EQ(kEolDefault, ToEolCode(3, kEolCrLf));
    for (int value : {-1, 4}) EXPECT_EQ(kEolCrLf, ToEolCode(value, kEolCrLf)) << value;
}

TEST(EncodingCodes, ComponentCodePage) {
    for (unsigned page : {932u, 936u, 949u, 950u, 1361u, 65001u})
        EXPECT_EQ(static_cast<int>(page), ComponentCodePage(kEncodingAnsi, page));
    for (unsigned page : {1252u, 1251u, 437u}) EXPECT_EQ(0, ComponentCodePage(kEncodingAnsi, page)) << page;
    for (EncodingCode code : {kEncodingUtf16Be, kEncodingUtf16Le, kEncodingUtf8, kEncodingUtf8NoBom})
        EXPECT_EQ(65001, ComponentCodePage(code, 936));
}

TEST(Utf8, DecodeTable) {
    const struct {
        std::string bytes;
        unsigned codePoint;
        size_t length;
        bool incomplete;
    } cases[] = {
        {Hex("41"), 0x41, 1, false},
        {Hex("C3 A9"), 0xE9, 2, false},
        {Hex("E4 B8 AD"), 0x4E2D, 3, false},
        {Hex("ED A0 BD"), 0xD83D, 3, false},  // a lone surrogate is kept
        {Hex("F0 9F 98 80"), 0x1F600, 4, false},
        {Hex("E4 41 42"), 0xE4, 1, false},
        {Hex("80"), 0x80, 1, false},
        {Hex("C0 80"), 0xC0, 1, false},     // overlong
        {Hex("E0 80 80"), 0xE0, 1, false},  // overlong
        {Hex("F4 90 80 80"), 0xF4, 1, false},
        {Hex("F8 88 80 80"), 0xF8, 1, false},
        {Hex("E4 B8"), 0xE4, 1, true},
        {Hex("F0 9F 98"), 0xF0, 1, true},
    };
    for (const auto& c : cases) {
        const Utf8Sequence s = DecodeUtf8(reinterpret_cast<const unsigned char*>(c.bytes.data()), c.bytes.size());
        EXPECT_EQ(c.codePoint, s.codePoint) << ToHex(c.bytes);
        EXPECT_EQ(c.length, s.length) << ToHex(c.bytes);
        EXPECT_EQ(c.incomplete, s.incomplete) << ToHex(c.bytes);
    }
}

TEST(TextConversion, GbkAndUtf8BothWays) {
    const std::string gbk = Hex("41 D6 D0 CE C4 0D 0A");  // "A中文\r\n"
    const std::string utf8 = Hex("41 E4 B8 AD E6 96 87 0D 0A");
    bool lost = true;
    EXPECT_EQ(utf8, AnsiToUtf8(gbk, 936, &lost));
    EXPECT_FALSE(lost);
    EXPECT_EQ(gbk, Utf8ToAnsi(utf8, 936, &lost));
    EXPECT_FALSE(lost);
    EXPECT_EQ("", AnsiToUtf8("", 936));
}

TEST(TextConversion, ReportsWhatTheCodePageCannotHold) {
    bool lost = false;
    const std::string ansi = Utf8ToAnsi(Hex("41 F0 9F 98 80"), 936, &lost);  // U+1F600 is not in GBK
    EXPECT_TRUE(lost);
    EXPECT_EQ('A', ansi[0]);
    lost = false;
    Utf8ToAnsi(Hex("C5 93"), 1252, &lost);  // œ is in 1252
    EXPECT_FALSE(lost);
    Utf8ToAnsi(Hex("C4 81"), 1252, &lost);  // ā would best-fit to "a"
    EXPECT_TRUE(lost);
    AnsiToUtf8(Hex("41 D6"), 936, &lost);  // a lead byte without its trail byte
    EXPECT_TRUE(lost);
}

TEST(TextConversion, LineEndsAsTheComponentConvertsThem) {
    const std::string mixed = "a\r\nb\nc\rd\r\r\ne\n";
    EXPECT_EQ("a\nb\nc\nd\n\ne\n", ConvertLineEnds(mixed, kEolLf));
    EXPECT_EQ("a\rb\rc\rd\r\re\r", ConvertLineEnds(mixed, kEolCr));
    EXPECT_EQ("a\r\nb\r\nc\r\nd\r\n\r\ne\r\n", ConvertLineEnds(mixed, kEolCrLf));
    EXPECT_EQ("", ConvertLineEnds("", kEolCrLf));
}

}  // namespace
