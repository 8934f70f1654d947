#include <gtest/gtest.h>

#include "ExportFixture.h"
#include "RtfExporter.h"

namespace {

std::string Rtf(const ExportFixture& f, size_t start = 0, long long end = -1) {
    const ExportDocument document = f.Document();
    CRtfExporter exporter(document, start, end);
    StringSink sink;
    exporter.Write(sink);
    return sink.bytes;
}

// The text after the header's "\f0\fs<n>\cf0 ", without the closing brace.
std::string BodyOf(const std::string& rtf) {
    const size_t start = rtf.find("}\n\\f0\\fs");
    if (start == std::string::npos) return "";
    const size_t text = rtf.find("\\cf0 ", start) + 5;
    return rtf.substr(text, rtf.size() - 1 - text);
}

TEST(RtfExport, TablesAndOnlyChangedWords) {
    ExportFixture f;
    f.properties.Set("style.*.32", "font:Arial,size:11");
    f.properties.Set("style.cpp.5", "fore:#FF0000,bold");
    f.properties.Set("style.cpp.6", "fore:#FF0000");
    f.properties.Set("style.cpp.7", "font:Consolas,back:#00FF00");
    f.text.Append("int", 5);
    f.text.Append(" x", 0);
    f.text.Append("{y}", 6);
    f.text.Append("\\", 7);
    f.text.Append("\r\nz", 0);
    EXPECT_EQ(Rtf(f),
              "{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl{\\f0\\fnil\\fcharset1 Arial;}{\\f1\\fnil\\fcharset1 Consolas;}}"
              "{\\colortbl\\red0\\green0\\blue0;\\red255\\green255\\blue255;\\red255\\green0\\blue0;\\red0\\green255\\blue0;}\n"
              "\\f0\\fs22\\cf0 "
              "\\cf2\\b int"
              "\\cf0\\b0  x"
              "\\cf2 \\{y\\}"
              "\\f1\\cf0\\highlight3 \\\\"
              "\\f0\\highlight1 \\par\nz"
              "}");
}

TEST(RtfExport, SizesAndFaces) {
    struct Case {
        const char* name;
        const char* defaultStyle;
        const char* face;
        const char* size;
        const char* fontEntry;
        const char* sizeWord;
    } cases[] = {
        {"nothing set", "", "", "", "{\\f0\\fnil\\fcharset1 Courier New;}", "\\fs20"},
        {"default style", "font:Consolas,size:9", "", "", "{\\f0\\fnil\\fcharset1 Consolas;}", "\\fs18"},
        // The default style's own face still enters the table, after it.
        {"export keys", "font:Consolas,size:9", "Lucida Console", "12",
         "{\\f0\\fnil\\fcharset1 Lucida Console;}{\\f1\\fnil\\fcharset1 Consolas;}", "\\fs24"},
        {"size below 1", "size:14", "", "0", "{\\f0\\fnil\\fcharset1 Courier New;}", "\\fs28"},
    };
    for (const Case& c : cases) {
        ExportFixture f;
        f.text = MemoryStyledText("a", 0);
        f.properties.Set("style.*.32", c.defaultStyle);
        f.properties.Set("export.rtf.font.face", c.face);
        f.properties.Set("export.rtf.font.size", c.size);
        const std::string rtf = Rtf(f);
        EXPECT_NE(rtf.find(std::string("{\\fonttbl") + c.fontEntry + "}"), std::string::npos) << c.name << rtf;
        EXPECT_NE(rtf.find(std::string("}\n\\f0") + c.sizeWord + "\\cf0 a}"), std::string::npos) << c.name << rtf;
    }
    ExportFixture f;
    f.properties.Set("character.set", "134");
    f.text = MemoryStyledText("a", 0);
    EXPECT_NE(Rtf(f).find("\\fcharset134 Courier New;"), std::string::npos);
}

TEST(RtfExport, CharactersOfTheBody) {
    struct Case {
        const char* name;
        const char* text;
        EncodingCode encoding;
        const char* body;
    } cases[] = {
        {"line ends", "a\r\nb\nc\rd\n\re", kEncodingAnsi, "a\\par\nb\\par\nc\\par\nd\\par\n\\par\ne"},
        {"escapes", "{\\}", kEncodingAnsi, "\\{\\\\\\}"},
        {"tab to the next stop", "a\tb\t\tc", kEncodingAnsi, "a   b       c"},
        {"UTF-8 Chinese", "\xE4\xB8\xAD!", kEncodingUtf8NoBom, "\\u20013?!"},
        {"UTF-8 beyond 16 bits", "\xF0\x9F\x98\x80", kEncodingUtf8, "\\u-10179?\\u-8704?"},
        {"ANSI Chinese", "\xD6\xD0x", kEncodingAnsi, "{\\uc2\\u20013\\'d6\\'d0}x"},
    };
    for (const Case& c : cases) {
        ExportFixture f;
        f.text = MemoryStyledText(c.text, 0);
        f.encoding = c.encoding;
        EXPECT_EQ(BodyOf(Rtf(f)), c.body) << c.name;
    }
    ExportFixture f;
    f.text = MemoryStyledText("a\tb", 0);
    f.properties.Set("export.rtf.tabs", "1");
    EXPECT_EQ(BodyOf(Rtf(f)), "a\\tab b");
    // The code page is named only where ANSI text needs it.
    f.text = MemoryStyledText("\xD6\xD0", 0);
    EXPECT_EQ(Rtf(f).rfind("{\\rtf1\\ansi\\ansicpg936\\deff0", 0), 0u);
    f.text = MemoryStyledText("plain", 0);
    EXPECT_EQ(Rtf(f).rfind("{\\rtf1\\ansi\\deff0", 0), 0u);
}

TEST(RtfExport, RangeOfTheText) {
    ExportFixture f;
    f.text = MemoryStyledText("one\r\ntwo three", 0);
    EXPECT_EQ(BodyOf(Rtf(f, 5, 8)), "two");
    // An LF whose CR lies before the range still ends a line.
    EXPECT_EQ(BodyOf(Rtf(f, 4, 8)), "\\par\ntwo");
    EXPECT_EQ(BodyOf(Rtf(f, 8, 8)), "");
    EXPECT_EQ(BodyOf(Rtf(f, 9, -1)), "three");
}

}  // namespace
