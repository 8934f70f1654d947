// The updater's decisions as tables: switches, the reply, versions, the
// machine texts, the progress figures and the cabinet entry targets.
#include <gtest/gtest.h>

#include "UpdaterLogic.h"

using namespace vantrel;

TEST(UpdaterLogic, SwitchesCountTheSecondCharacterAfterAMark) {
    struct Case {
        std::vector<std::string> arguments;
        bool silent, copy;
    } cases[] = {
        {{"/S"}, true, false},   {{"-s"}, true, false},  {{"\\x"}, false, true}, {{"/Sxyz"}, true, false},
        {{"S"}, false, false},   {{"//S"}, false, false}, {{"/X", "/S"}, true, true}, {{"/"}, false, false},
    };
    for (const Case& c : cases) {
        const UpdaterSwitches s = ParseUpdaterCommandLine(c.arguments);
        EXPECT_EQ(s.silent, c.silent) << c.arguments[0];
        EXPECT_EQ(s.temporaryCopy, c.copy) << c.arguments[0];
    }
    EXPECT_EQ(SplitArguments("\"C:\\Program Files\\vantrel.tmp\" /X /S"),
              (std::vector<std::string>{"C:\\Program Files\\vantrel.tmp", "/X", "/S"}));
}

TEST(UpdaterLogic, PackagesAreNewerByMajorThenMinorThenBuild) {
    struct Case {
        const char* package;
        Version installed;
        bool newer;
    } cases[] = {
        {"tarnwick_2.0.318.cab", {1, 9, 9315}, true},
        {"tarnwick_1.10.0.cab", {2, 0, 0}, false},
        {"tarnwick_2.0.5.cab", {2, 0, 5}, false},
        {"tarnwick_2.0.6", {2, 0, 5}, true},
        // A minor of ten or more is still a minor.
        {"tarnwick_2.0.1.cab", {1, 10, 7}, true},
        {"tarnwick_1.12.0.cab", {2, 1, 0}, false},
        {"tarnwick_1.10.0.cab", {1, 9, 99}, true},
        // Unreadable names are never newer.
        {"tarnwick2.0.1.cab", {1, 0, 0}, false},
        {"tarnwick_0.9.1.cab", {0, 1, 0}, false},
        {"tarnwick_3.cab", {1, 0, 0}, false},
        {"tarnwick_3.1", {1, 0, 0}, false},
        {"..\\tarnwick_9.0.0.cab", {1, 0, 0}, false},
        {"a/tarnwick_9.0.0.cab", {1, 0, 0}, false},
        {"C:tarnwick_9.0.0.cab", {1, 0, 0}, false},
        {"tarnwick_9.0.0..cab", {1, 0, 0}, false},
    };
    for (const Case& c : cases) {
        Version package;
        const bool readable = ReadPackageVersion(c.package, package);
        EXPECT_EQ(readable && IsNewerVersion(package, c.installed), c.newer) << c.package;
    }
    Version v;
    ASSERT_TRUE(ReadPackageVersion("t_2.0.318.cab", v));
    EXPECT_EQ(v.major, 2);
    EXPECT_EQ(v.minor, 0);
    EXPECT_EQ(v.build, 318);
    EXPECT_FALSE(ReadPackageVersion("t_" + std::string(100, '1'), v)) << "over 99 characters after '_'";
    const Version installed = InstalledVersion(0x00020001, 0x013E0000);
    EXPECT_EQ(installed.major, 2);
    EXPECT_EQ(installed.minor, 1);
    EXPECT_EQ(installed.build, 318);
}

TEST(UpdaterLogic, TheReplySplitsAtItsFirstTwoLineFeeds) {
    struct Case {
        const char* reply;
        bool ok;
        const char *name, *mirrors, *notes;
    } cases[] = {
        {"t_2.0.1.cab\r\nhttp://a/|http://b/\r\nnew\r\nthings", true, "t_2.0.1.cab", "http://a/|http://b/", "new\r\nthings"},
        {"t_2.0.1.cab\nhttp://a/|http://b/\nnew\nthings", true, "t_2.0.1.cab", "http://a/|http://b/", "new\nthings"},
        {"t_2.0.1.cab\n", true, "t_2.0.1.cab", "", ""},
        {"t_2.0.1.cab\nhttp://a/", true, "t_2.0.1.cab", "http://a/", ""},
        {"t_2.0.1.cab", false, "", "", ""},
    };
    for (const Case& c : cases) {
        ServerReply reply;
        ASSERT_EQ(SplitReply(c.reply, reply), c.ok) << c.reply;
        EXPECT_EQ(reply.packageName, c.name);
        EXPECT_EQ(reply.mirrorLine, c.mirrors);
        EXPECT_EQ(reply.notes, c.notes);
    }
    EXPECT_EQ(SplitMirrors("http://a/|http://b/"), (std::vector<std::string>{"http://a/", "http://b/"}));
    EXPECT_TRUE(SplitMirrors("").empty());
}

TEST(UpdaterLogic, MachineTextsAndTheRequest) {
    const AdapterRecord vm{"VMvare Virtual Ethernet", {1, 2, 3, 4, 5, 6}, 6};
    const AdapterRecord real{"Intel", {0x00, 0x1A, 0x2B, 0xC3, 0xD4, 0xE5}, 6};
    const AdapterRecord broken{"Odd", {1, 2, 3, 4, 5, 6, 7, 8}, 9};
    EXPECT_EQ(AdapterText({vm, real}), "001A2BC3D4E5");
    EXPECT_EQ(AdapterText({vm}), "");
    EXPECT_EQ(AdapterText({}), "");
    EXPECT_EQ(AdapterText({broken, real}), "") << "a length beyond the address field ends the walk";
    EXPECT_EQ(AdapterText({AdapterRecord{"Huge", {}, 4096}, real}), "");

    EXPECT_EQ(ProcessorText(0x0000000D, 0x756E6547, 0x6C65746E, 0x49656E69), "0D00000047656E756E74656C696E6549");
    EXPECT_EQ(ProcessorText(0x00000100, 1, 2, 3), "") << "EAX's low byte 0";

    EXPECT_EQ(RequestPath(7, "001A2BC3D4E5", "0D00"), "/version.asp?id=7&mac=001A2BC3D4E5&cpuid=0D00");
}

TEST(UpdaterLogic, ProgressHoldsTheLastTenthBack) {
    struct Case {
        unsigned long progress, maximum;
        int percent;
    } cases[] = {{95, 100, 90}, {50, 100, 50}, {0, 0, 0}, {10, 0, 0}, {100, 100, 90}, {1, 3, 33}, {0, 100, 0}};
    for (const Case& c : cases) EXPECT_EQ(DownloadPercent(c.progress, c.maximum), c.percent) << c.progress << "/" << c.maximum;
}

TEST(UpdaterLogic, NamesAndCabinetTargets) {
    EXPECT_EQ(ProgramBaseName("Tarnwick.exe"), "Tarnwick");
    EXPECT_EQ(ProgramBaseName("my.editor.exe"), "my.editor");
    EXPECT_EQ(ProgramBaseName("Tarnwick"), "Tarnwick");

    const std::string folder = "C:\\Tarnwick";
    struct Case {
        const char* entry;
        const char* target;
    } cases[] = {
        {"Tarnwick.exe", "C:\\Tarnwick\\Tarnwick.exe"},
        {"sub\\dir\\a.txt", "C:\\Tarnwick\\sub\\dir\\a.txt"},
        {"a..b.txt", "C:\\Tarnwick\\a..b.txt"},
        {"..\\evil.txt", ""},
        {"sub\\..\\..\\evil.txt", ""},
        {"\\evil.txt", ""},
        {"/evil.txt", ""},
        {"D:\\evil.txt", ""},
        {"", ""},
        // The updater's own places are never a package's to write.
        {"update\\setaside.txt", ""},
        {"UPDATE/SetAside.TXT", ""},
        {"update\\setaside.txt.", ""},
        {"update\\.\\setaside.txt", ""},
        {"update\\\\setaside.txt", ""},
        {"update\\staging\\Tarnwick.exe", ""},
        {"update\\backup\\1\\Tarnwick.exe", ""},
        {"update\\notes.txt", "C:\\Tarnwick\\update\\notes.txt"},
        {"update\\stagingnot.txt", "C:\\Tarnwick\\update\\stagingnot.txt"},
        {"name \\a.txt", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(CabinetEntryTarget(folder, c.entry), c.target) << c.entry;
    EXPECT_EQ(CabinetEntryTarget(folder, std::string(260, 'a')), "") << "a target that does not fit";
}

TEST(UpdaterLogic, TextsFillEachPlaceInTurn) {
    struct Case {
        const char* format;
        std::vector<std::string> texts;
        const char* out;
    } cases[] = {
        {"安装%s失败：%s", {"a.txt", "Access denied."}, "安装a.txt失败：Access denied."},
        {"%s%%", {"90"}, "90%"},
        {"%s and %s", {"one"}, "one and "},
        {"none", {"x"}, "none"},
    };
    for (const Case& c : cases) EXPECT_EQ(FillTexts(c.format, c.texts), c.out) << c.format;
}
