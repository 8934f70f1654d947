#include <gtest/gtest.h>

#include <scintilla/Scintilla.h>

#include "ExportFixture.h"
#include "HtmlExporter.h"
#include "TempFolder.h"

namespace {

const char kHead[] =
    "<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Transitional//EN\" "
    "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-transitional.dtd\">\n"
    "<html xmlns=\"http://www.w3.org/1999/xhtml\">\n"
    "<head>\n"
    "<title>demo.cpp</title>\n"
    "<meta name=\"Generator\" content=\"Tarnwick\" />\n";

std::string Html(const ExportFixture& f) { return f.Run<CHtmlExporter>(); }
std::string BodyOf(const std::string& html) { return Between(html, "<body>\n<span>", "</span>\n</body>"); }

TEST(HtmlExport, WholeFileOfTwoStyledLines) {
    ExportFixture f;
    f.properties.Set("style.*.32", "font:Courier New,size:10");
    f.properties.Set("style.cpp.5", "fore:#0000FF,bold");
    f.properties.Set("style.cpp.6", "back:#FFFF00,italics");
    f.text.Append("int", 5);
    f.text.Append(" a<b;\n", 0);
    f.text.Append("\"s\"", 6);
    EXPECT_EQ(Html(f), std::string(kHead) +
                           "<style type=\"text/css\">\n"
                           ".S5 {\n\tfont-weight: bold;\n\tcolor: #0000FF;\n}\n"
                           ".S6 {\n\tfont-style: italic;\n\tbackground: #FFFF00;\n}\n"
                           "span {\n\tfont-family: 'Courier New';\n\tcolor: #000000;\n\tfont-size: 10pt;\n}\n"
                           "</style>\n</head>\n<body>\n<span>"
                           "<span class=\"S5\">int</span> a&lt;b;<br />\n"
                           "<span class=\"S6\">\"s\"</span>"
                           "</span>\n</body>\n</html>\n");
}

TEST(HtmlExport, OnlyUsedStylesGiveRules) {
    ExportFixture f;
    f.properties.Set("style.*.32", "size:10");
    f.properties.Set("style.cpp.5", "bold");
    f.text = MemoryStyledText("plain text", kDefaultStyle);
    f.properties.Set("export.html.styleused", "1");
    std::string html = Html(f);
    EXPECT_EQ(CountOf(html, "span {\n"), 1u);
    EXPECT_EQ(CountOf(html, ".S"), 0u);
    EXPECT_NE(html.find("<span class=\"S32\">plain text</span>"), std::string::npos);
    f.properties.Set("export.html.styleused", "0");
    html = Html(f);
    EXPECT_EQ(CountOf(html, ".S5 {"), 1u);
    EXPECT_EQ(CountOf(html, " {\n"), 2u);  // style 5 and the default; styles without keys get none
}

TEST(HtmlExport, BlanksTabsAndEscapes) {
    struct Case {
        const char* name;
        const char* text;
        const char* tabSize;
        const char* body;
    } cases[] = {
        {"leading blanks", "    a", "4", "&nbsp;&nbsp;&nbsp;&nbsp;a"},
        {"inner blanks", "a  b", "4", "a &nbsp;b"},
        {"tab at column 1", "a\tb", "4", "a&nbsp; &nbsp;b"},
        {"tab default width", "\tb", "0", "&nbsp; &nbsp; b"},
        {"entities", "a<b&c>d", "4", "a&lt;b&amp;c&gt;d"},
        {"control characters", "a\fb\x01" "c", "4", "a?b?c"},
        {"CR LF counts once", "a\r\nb\rc\nd", "4", "a<br />\nb<br />\nc<br />\nd"},
    };
    for (const Case& c : cases) {
        ExportFixture f;
        f.text = MemoryStyledText(c.text, 1);
        f.properties.Set("tabsize", c.tabSize);
        EXPECT_EQ(BodyOf(Html(f)), c.body) << c.name;
    }
}

TEST(HtmlExport, PreformattedWithoutWysiwyg) {
    ExportFixture f;
    f.properties.Set("export.html.wysiwyg", "0");
    f.properties.Set("style.*.32", "font:Arial,size:12");
    f.text = MemoryStyledText("a  b\tc\nd", 1);
    std::string html = Html(f);
    EXPECT_EQ(Between(html, "<body>\n<pre>", "</pre>\n</body>"), "a  b    c\nd");
    EXPECT_EQ(html.find("font-family"), std::string::npos);
    EXPECT_EQ(html.find("font-size"), std::string::npos);
    f.properties.Set("export.html.tabs", "1");
    EXPECT_EQ(Between(Html(f), "<pre>", "</pre>"), "a  b\tc\nd");

    // Written in text mode: CR LF in the file.
    TempFolder folder;
    const ExportDocument document = f.Document();
    ASSERT_TRUE(WriteExportFile(folder.File("out.html"), ExportFileMode::Text,
                                [&](IByteSink& sink) { return CHtmlExporter(document).Write(sink); }));
    const std::string bytes = folder.Read("out.html");
    EXPECT_NE(bytes.find("<pre>a  b\tc\r\nd</pre>\r\n</body>\r\n</html>\r\n"), std::string::npos);
    EXPECT_EQ(CountOf(bytes, "\n"), CountOf(bytes, "\r\n"));
}

TEST(HtmlExport, TitleAndCharset) {
    ExportFixture f;
    f.path = "C:\\a&b\\<x>.html";
    EXPECT_NE(Html(f).find("<title>&lt;x&gt;.html</title>"), std::string::npos);
    f.properties.Set("export.html.title.fullpath", "1");
    EXPECT_NE(Html(f).find("<title>C:\\a&amp;b\\&lt;x&gt;.html</title>"), std::string::npos);
    const char kUtf8Meta[] = "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\" />\n";
    for (EncodingCode code : {kEncodingAnsi, kEncodingUtf16Be, kEncodingUtf16Le, kEncodingUtf8, kEncodingUtf8NoBom}) {
        f.encoding = code;
        EXPECT_EQ(Html(f).find(kUtf8Meta) != std::string::npos, code != kEncodingAnsi) << code;
    }
    // An ANSI document with Chinese text names its code page, for browsers
    // and, in the declaration ahead of everything, for XML readers; one
    // with only ASCII needs neither.
    f.encoding = kEncodingAnsi;
    f.properties.Set("export.html.title.fullpath", "0");
    f.text = MemoryStyledText("\xD6\xD0\xCE\xC4", 0);
    std::string html = Html(f);
    EXPECT_EQ(html.rfind("<?xml version=\"1.0\" encoding=\"gbk\"?>\n<!DOCTYPE html ", 0), 0u);
    EXPECT_NE(html.find("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gbk\" />\n"), std::string::npos);
    f.text = MemoryStyledText("plain", 0);
    html = Html(f);
    EXPECT_EQ(html.rfind("<!DOCTYPE html ", 0), 0u);
    EXPECT_EQ(html.find("charset="), std::string::npos);
    // Unicode documents are written as UTF-8, which XML readers assume.
    f.encoding = kEncodingUtf16Le;
    f.text = MemoryStyledText("\xE4\xB8\xAD", 0);
    EXPECT_EQ(Html(f).rfind("<!DOCTYPE html ", 0), 0u);
}

TEST(HtmlExport, FoldRegionsBalance) {
    ExportFixture f;
    f.properties.Set("export.html.folding", "1");
    f.properties.Set("export.html.wysiwyg", "0");
    // a {            header, level 0
    //   b {          header, level 1
    //     c          level 2
    // d              level 0: two regions end here
    f.text = MemoryStyledText("a\nb\nc\nd", 1);
    const int base = SC_FOLDLEVELBASE, header = SC_FOLDLEVELHEADERFLAG;
    f.text.SetFoldLevels({base | header, (base + 1) | header, base + 2, base});
    const std::string html = Html(f);
    EXPECT_NE(html.find("function toggle(id)"), std::string::npos);
    EXPECT_EQ(Between(html, "<pre>", "</pre>"),
              "<span id=\"hd0\" onclick=\"toggle('1')\"><span id=\"bt0\">- </span>a</span>\n"
              "<span id=\"ln1\"><span id=\"hd1\" onclick=\"toggle('2')\"><span id=\"bt1\">- </span>b</span>\n"
              "<span id=\"ln2\">&nbsp; c</span></span>\n"
              "&nbsp; d");
    EXPECT_EQ(CountOf(html, "<span"), CountOf(html, "</span>"));
    // A region still open at the end is closed.
    f.text.SetFoldLevels({base | header, base + 1, base + 1, base + 1});
    const std::string open = Html(f);
    EXPECT_EQ(CountOf(open, "<span"), CountOf(open, "</span>"));
}

TEST(HtmlExport, Utf8TextStaysReadable) {
    ExportFixture f;
    f.encoding = kEncodingUtf8NoBom;
    // A Chinese character, then a stray continuation byte and a cut-off lead byte.
    f.text = MemoryStyledText("\xE4\xB8\xAD\x80x\xE4", 1);
    EXPECT_EQ(BodyOf(Html(f)), "\xE4\xB8\xAD?x?");
}

TEST(HtmlExport, AFailedExportLeavesNoFile) {
    TempFolder folder;
    folder.Write("old.html", "old");
    for (const char* name : {"old.html", "new.html"}) {
        EXPECT_FALSE(WriteExportFile(folder.File(name), ExportFileMode::Text, [](IByteSink& sink) {
            sink.Write("partial\n", 8);
            return false;
        }));
    }
    EXPECT_EQ(folder.Read("old.html"), "old");
    EXPECT_EQ(::GetFileAttributesA(folder.File("new.html").c_str()), INVALID_FILE_ATTRIBUTES);
    WIN32_FIND_DATAA data;
    HANDLE find = ::FindFirstFileA(folder.File("*").c_str(), &data);
    int files = 0;
    for (BOOL more = find != INVALID_HANDLE_VALUE; more; more = ::FindNextFileA(find, &data))
        files += !(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
    ::FindClose(find);
    EXPECT_EQ(files, 1);  // no half-written file beside it either
}

TEST(HtmlExport, EmptyDocument) {
    ExportFixture f;
    f.text = MemoryStyledText("");
    EXPECT_EQ(BodyOf(Html(f)), "");
}

}  // namespace
