// Each exporter over a 10 MB C++ document on a real, lexed editing
// component, beside the floor: the same text written unchanged to a file
// through the same safe file target. Medians of three runs.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "ExportSink.h"
#include "PropertySets.h"
#include "TempFolder.h"
#include "ViewExport.h"
#include "ViewFixture.h"

namespace {

double Now() {
    LARGE_INTEGER counter, frequency;
    ::QueryPerformanceCounter(&counter);
    ::QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double MedianSeconds(const std::function<void()>& run) {
    std::vector<double> times;
    for (int i = 0; i < 3; ++i) {
        const double start = Now();
        run();
        times.push_back(Now() - start);
    }
    std::sort(times.begin(), times.end());
    return times[1];
}

const char kSource[] =
    "// A sample of C++ with comments, strings, numbers and keywords.\r\n"
    "#include <vector>\r\n"
    "namespace demo {\r\n"
    "template <typename T> class Holder {\r\n"
    "public:\r\n"
    "\texplicit Holder(T value) : m_value(value) {}\r\n"
    "\tint Compute(int n) const { return n * 42 + (n < 7 ? 1 : 0); }\r\n"
    "\tconst char* Name() const { return \"holder {x}\\n\"; }\r\n"
    "private:\r\n"
    "\tT m_value;  /* kept */\r\n"
    "};\r\n"
    "}  // namespace demo\r\n";

}  // namespace

int main() {
    constexpr size_t kSize = 10 * 1000 * 1000;
    std::string text;
    while (text.size() < kSize) text += kSource;

    ViewWindow w;
    w.SetText(text);
    w.view->Component().SetLexer("cpp");
    w.Send(SCI_SETKEYWORDS, 0, reinterpret_cast<sptr_t>("class const int namespace private public return template typename"));
    w.Send(SCI_COLOURISE, 0, -1);

    CPropertySets store;
    CPropertySet& properties = store.Main();
    properties.Set("style.*.32", "font:Courier New,size:10");
    properties.Set("style.*.1", "fore:#008000,italics");
    properties.Set("style.*.2", "fore:#008000,italics");
    properties.Set("style.*.4", "fore:#FF0000");
    properties.Set("style.*.5", "fore:#0000FF,bold");
    properties.Set("style.*.6", "fore:#800080");
    properties.Set("style.*.9", "fore:#808000");
    properties.Set("style.*.10", "bold");

    TempFolder folder;
    std::printf("Exports of a %.1f MB C++ document (median of 3):\n", text.size() / 1e6);
    const double floor = MedianSeconds([&] {
        const std::string copy = w.view->Component().GetText();
        WriteExportFile(folder.File("floor.txt"), ExportFileMode::Text,
                        [&](IByteSink& sink) { return sink.Write(copy.data(), copy.size()); });
    });
    std::printf("  %-24s %8.0f ms\n", "floor (the text as is)", floor * 1000);
    const struct {
        const char* name;
        ExportFormat format;
        const char* file;
    } formats[] = {
        {"HTML", ExportFormat::Html, "out.html"},
        {"RTF", ExportFormat::Rtf, "out.rtf"},
        {"PDF", ExportFormat::Pdf, "out.pdf"},
        {"LaTeX", ExportFormat::Tex, "out.tex"},
    };
    for (const auto& f : formats) {
        bool ok = true;
        const double seconds = MedianSeconds([&] { ok = ExportView(*w.view, store, f.format, folder.File(f.file)) && ok; });
        WIN32_FILE_ATTRIBUTE_DATA data{};
        ::GetFileAttributesExA(folder.File(f.file).c_str(), GetFileExInfoStandard, &data);
        std::printf("  %-24s %8.0f ms  %5.1fx the floor  %6.1f MB written%s\n", f.name, seconds * 1000, seconds / floor,
                    data.nFileSizeLow / 1e6 + data.nFileSizeHigh * 4294.967296, ok ? "" : "  FAILED");
        std::fflush(stdout);
    }
    return 0;
}
