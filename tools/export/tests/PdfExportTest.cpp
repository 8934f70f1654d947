#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>

#include "ExportFixture.h"
#include "PdfExporter.h"

namespace {

std::string Pdf(const ExportFixture& f) { return f.Run<CPdfExporter>(); }

// The content streams without their closing "ET", in object order.
std::vector<std::string> Streams(const std::string& pdf) {
    std::vector<std::string> streams;
    for (size_t at = pdf.find("stream\n"); at != std::string::npos; at = pdf.find("stream\n", at + 1)) {
        if (at >= 3 && pdf.compare(at - 3, 3, "end") == 0) continue;
        const size_t end = pdf.find("endstream", at);
        streams.push_back(pdf.substr(at + 7, end - at - 7 - 3));
    }
    return streams;
}

// What a reader checks first: the cross-reference table against the
// objects, the trailer's size, each stream's length.
void ExpectSoundStructure(const std::string& pdf) {
    const size_t xref = pdf.rfind("xref\n0 ");
    ASSERT_NE(xref, std::string::npos);
    const int entries = std::atoi(pdf.c_str() + xref + 7);
    int highest = 0;
    for (size_t at = pdf.find(" 0 obj\n"); at != std::string::npos; at = pdf.find(" 0 obj\n", at + 1)) {
        const size_t line = pdf.rfind('\n', at) + 1;
        highest = std::max(highest, std::atoi(pdf.c_str() + line));
    }
    EXPECT_EQ(entries, highest + 1);
    size_t row = pdf.find('\n', xref + 5) + 1;
    EXPECT_EQ(pdf.substr(row, 20), "0000000000 65535 f \n");
    for (int object = 1; object < entries; ++object) {
        row += 20;
        const std::string entry = pdf.substr(row, 20);
        ASSERT_EQ(entry.substr(10), " 00000 n \n") << object;
        const size_t offset = std::strtoul(entry.c_str(), nullptr, 10);
        EXPECT_EQ(pdf.substr(offset, std::to_string(object).size() + 7), std::to_string(object) + " 0 obj\n");
    }
    EXPECT_NE(pdf.find("/Size " + std::to_string(entries) + " "), std::string::npos);
    EXPECT_NE(pdf.find("startxref\n" + std::to_string(xref) + "\n%%EOF\n"), std::string::npos);
    std::regex length("<</Length (\\d+)>>\nstream\n");
    for (auto it = std::sregex_iterator(pdf.begin(), pdf.end(), length); it != std::sregex_iterator(); ++it) {
        const size_t start = static_cast<size_t>(it->position(0) + it->length(0));
        const size_t end = pdf.find("\nendstream", start);
        EXPECT_EQ(std::stoul((*it)[1]), end - start);
    }
}

TEST(PdfExport, WholeFileOfOneLine) {
    ExportFixture f;
    f.text = MemoryStyledText("a(b)\\c", 0);
    const std::string pdf = Pdf(f);
    const std::string expected =
        "%PDF-1.3\n%\xC7\xEC\x8F\xA2\n"
        "1 0 obj\n<</Type/Font/Subtype/Type1/Name/F1/BaseFont/Helvetica/Encoding/WinAnsiEncoding>>\nendobj\n"
        "2 0 obj\n<</Type/Font/Subtype/Type1/Name/F2/BaseFont/Helvetica-Bold/Encoding/WinAnsiEncoding>>\nendobj\n"
        "3 0 obj\n<</Type/Font/Subtype/Type1/Name/F3/BaseFont/Helvetica-Oblique/Encoding/WinAnsiEncoding>>\nendobj\n"
        "4 0 obj\n<</Type/Font/Subtype/Type1/Name/F4/BaseFont/Helvetica-BoldOblique/Encoding/WinAnsiEncoding>>\nendobj\n"
        "5 0 obj\n<</Length 59>>\nstream\n"
        "BT 1 0 0 1 72 712.82 Tm\n/F1 10 Tf 0 0 0 rg (a\\(b\\)\\\\c)Tj\nET\nendstream\nendobj\n"
        "6 0 obj\n<</ProcSet[/PDF/Text]\n/Font<</F1 1 0 R/F2 2 0 R/F3 3 0 R/F4 4 0 R>> >>\nendobj\n"
        "7 0 obj\n<</Type/Page/Parent 8 0 R\n/MediaBox[ 0 0 612 792]\n/Contents 5 0 R\n/Resources 6 0 R\n>>\nendobj\n"
        "8 0 obj\n<</Type/Pages/Kids[\n7 0 R\n]/Count 1\n>>\nendobj\n"
        "9 0 obj\n<</Type/Catalog/Pages 8 0 R >>\nendobj\n";
    ASSERT_EQ(pdf.substr(0, expected.size()), expected);
    EXPECT_EQ(pdf.substr(expected.size(), 12), "xref\n0 10\n00");
    ExpectSoundStructure(pdf);
}

TEST(PdfExport, LinesStylesAndColours) {
    ExportFixture f;
    f.properties.Set("style.*.32", "size:10");
    f.properties.Set("style.cpp.1", "bold,fore:#FF8000");
    f.properties.Set("style.cpp.2", "italics");
    f.text.Append("ab", 1);
    f.text.Append(" c\r\nd", 2);
    f.text.Append("\ne\n", 0);
    const std::vector<std::string> streams = Streams(Pdf(f));
    ASSERT_EQ(streams.size(), 1u);
    EXPECT_EQ(streams[0],
              "BT 1 0 0 1 72 712.82 Tm\n/F1 10 Tf 0 0 0 rg "
              "/F2 10 Tf 1 0.502 0 rg (ab)Tj\n"
              "/F3 10 Tf 0 0 0 rg ( c)Tj\n"
              "0 -12.0 TD\n"
              "(d)Tj\n"
              "T*\n"
              "/F1 10 Tf (e)Tj\n"
              "T*\n");
    struct Case {
        int component;
        const char* text;
    } colours[] = {{255, "1 "}, {0, "0 "}, {128, "0.502 "}, {1, "0.004 "}, {254, "0.996 "}};
    for (const Case& c : colours) EXPECT_EQ(PdfColourComponent(c.component), c.text) << c.component;
}

TEST(PdfExport, BlanksKeepTheStyleTheStreamHas) {
    ExportFixture f;
    f.properties.Set("style.cpp.1", "bold");
    f.properties.Set("style.cpp.3", "italics");
    f.text.Append("a", 0);
    f.text.Append("  ", 1);  // blanks only: shown in the style before
    f.text.Append("b", 3);
    EXPECT_EQ(Streams(Pdf(f))[0], "BT 1 0 0 1 72 712.82 Tm\n/F1 10 Tf 0 0 0 rg (a)Tj\n(  )Tj\n/F3 10 Tf (b)Tj\n");
}

TEST(PdfExport, WrapsOnlyWithCourier) {
    ExportFixture f;
    f.text = MemoryStyledText(std::string(100, 'x'), 0);
    // 468 points of text width at 6 points a character: 78 fit.
    f.properties.Set("export.pdf.font", "Courier");
    std::string stream = Streams(Pdf(f))[0];
    EXPECT_NE(stream.find("(" + std::string(78, 'x') + ")Tj\n0 -12.0 TD\n(" + std::string(22, 'x') + ")Tj\n"),
              std::string::npos);
    for (const char* font : {"Helvetica", "Times", "Arial"}) {
        f.properties.Set("export.pdf.font", font);
        stream = Streams(Pdf(f))[0];
        EXPECT_NE(stream.find("(" + std::string(100, 'x') + ")Tj\n"), std::string::npos) << font;
    }
}

TEST(PdfExport, PagesAndLayoutKeys) {
    ExportFixture f;
    // 648 points between the margins, 12 a line: 54 lines a page.
    std::string lines;
    for (int i = 0; i < 120; ++i) lines += "line\n";
    f.text = MemoryStyledText(lines, 0);
    std::string pdf = Pdf(f);
    ExpectSoundStructure(pdf);
    EXPECT_EQ(Streams(pdf).size(), 3u);
    EXPECT_EQ(CountOf(pdf, "/Type/Page/"), 3u);
    EXPECT_NE(pdf.find("/Kids[\n9 0 R\n10 0 R\n11 0 R\n]/Count 3\n"), std::string::npos);

    f.text = MemoryStyledText("");
    pdf = Pdf(f);
    ExpectSoundStructure(pdf);
    EXPECT_NE(pdf.find("]/Count 1\n"), std::string::npos);

    f.text = MemoryStyledText("x", 0);
    f.properties.Set("style.*.32", "size:20");
    f.properties.Set("export.pdf.magnification", "-2");
    f.properties.Set("export.pdf.pagesize", "300,400");
    f.properties.Set("export.pdf.margins", "36,10,20");
    f.properties.Set("export.pdf.font", "Times");
    pdf = Pdf(f);
    EXPECT_NE(pdf.find("/MediaBox[ 0 0 300 400]"), std::string::npos);
    // 400 - 20 - 699 * 18 / 1000
    EXPECT_EQ(Streams(pdf)[0], "BT 1 0 0 1 36 367.42 Tm\n/F1 18 Tf 0 0 0 rg (x)Tj\n");
    EXPECT_NE(pdf.find("/BaseFont/Times-BoldItalic/"), std::string::npos);
    // A page too small for one line is made big enough.
    f.properties.Set("export.pdf.pagesize", "0,10");
    EXPECT_NE(Pdf(f).find("/MediaBox[ 0 0 612 114]"), std::string::npos);
}

// Latin text in WinAnsiEncoding, Chinese in the Chinese font by its UCS-2
// code, from UTF-8 and from the ANSI code page alike.
TEST(PdfExport, LatinAndChineseText) {
    const char kStart[] = "BT 1 0 0 1 72 712.82 Tm\n/F1 10 Tf 0 0 0 rg ";
    struct Case {
        const char* name;
        EncodingCode encoding;
        const char* text;
        const char* stream;  // after kStart
    } cases[] = {
        {"e-acute, Chinese, a tab", kEncodingUtf8NoBom, "\xC3\xA9\xE4\xB8\xAD\t!",
         "(\xE9)Tj\n/F5 10 Tf <4E2D>Tj\n/F1 10 Tf (  !)Tj\n"},
        {"GBK", kEncodingAnsi, "\xD6\xD0\xCE\xC4" "a", "/F5 10 Tf <4E2D6587>Tj\n/F1 10 Tf (a)Tj\n"},
        {"full-width punctuation", kEncodingUtf8, "\xEF\xBC\x8C\xE3\x80\x82", "/F5 10 Tf <FF0C3002>Tj\n"},
        // Blanks between Chinese characters are Latin: the Chinese font takes two-byte codes.
        {"a blank between", kEncodingUtf8, "\xE4\xB8\xAD \xE6\x96\x87",
         "/F5 10 Tf <4E2D>Tj\n/F1 10 Tf ( )Tj\n/F5 10 Tf <6587>Tj\n"},
        {"in neither font", kEncodingUtf8, "\xE0\xB8\x81\xF0\x9F\x98\x80", "(?" "?)Tj\n"},
        // A lead byte without its trail byte stands for nothing, and takes only itself.
        {"bytes that are no GBK character", kEncodingAnsi, "\x81 a\xFF", "(? a?)Tj\n"},
    };
    for (const Case& c : cases) {
        ExportFixture f;
        f.encoding = c.encoding;
        f.text = MemoryStyledText(c.text, 0);
        f.properties.Set("tabsize", "4");
        const std::string pdf = Pdf(f);
        EXPECT_EQ(Streams(pdf)[0], std::string(kStart) + c.stream) << c.name;
        ExpectSoundStructure(pdf);
        // The font only where it is drawn: Latin files stay as they were.
        const bool chinese = std::string(c.stream).find("/F5") != std::string::npos;
        EXPECT_EQ(pdf.find("/F5 ") != std::string::npos, chinese) << c.name;
        EXPECT_EQ(pdf.find("/BaseFont/STSong-Light/Encoding/UniGB-UCS2-H/") != std::string::npos, chinese) << c.name;
    }
}

TEST(PdfExport, ChineseFontObjects) {
    ExportFixture f;
    f.encoding = kEncodingUtf8;
    f.properties.Set("style.cpp.1", "bold,fore:#FF0000");
    f.text.Append("a", 1);
    f.text.Append("\xE4\xB8\xAD", 1);
    const std::string pdf = Pdf(f);
    ExpectSoundStructure(pdf);
    // The colour stays; the one Chinese font serves every variant.
    EXPECT_EQ(Streams(pdf)[0], "BT 1 0 0 1 72 712.82 Tm\n/F1 10 Tf 0 0 0 rg /F2 10 Tf 1 0 0 rg (a)Tj\n/F5 10 Tf <4E2D>Tj\n");
    EXPECT_NE(pdf.find("6 0 obj\n<</Type/Font/Subtype/Type0/Name/F5/BaseFont/STSong-Light/Encoding/UniGB-UCS2-H"
                       "/DescendantFonts[7 0 R]>>\nendobj\n"
                       "7 0 obj\n<</Type/Font/Subtype/CIDFontType0/BaseFont/STSong-Light"
                       "/CIDSystemInfo<</Registry(Adobe)/Ordering(GB1)/Supplement 2>>/FontDescriptor 8 0 R/DW 1000>>\nendobj\n"
                       "8 0 obj\n<</Type/FontDescriptor/FontName/STSong-Light/"),
              std::string::npos);
    EXPECT_NE(pdf.find("9 0 obj\n<</ProcSet[/PDF/Text]\n/Font<</F1 1 0 R/F2 2 0 R/F3 3 0 R/F4 4 0 R/F5 6 0 R>> >>\n"),
              std::string::npos);
    // Square characters: with Courier 46 fit beside 78 Latin ones.
    f.properties.Set("export.pdf.font", "Courier");
    std::string wide;
    for (int k = 0; k < 47; ++k) wide += "\xE4\xB8\xAD";
    f.text = MemoryStyledText(wide, 0);
    std::string row;
    for (int k = 0; k < 46; ++k) row += "4E2D";
    EXPECT_NE(Streams(Pdf(f))[0].find("<" + row + ">Tj\n0 -12.0 TD\n<4E2D>Tj\n"), std::string::npos);
}

}  // namespace
