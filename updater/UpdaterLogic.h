#pragma once
// What the updater decides without touching the machine: its switches, the
// server's reply, whether a package is newer, the texts it sends about the
// machine, the download's progress figures and which cabinet entries may be
// written. Kept free of window and network calls so tests can table them.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

struct UpdaterSwitches {
    bool silent = false;         // '-', '/' or '\' then 'S' or 's'
    bool temporaryCopy = false;  // the same with 'X' or 'x'
};

// The arguments after the program name; only the second character of each
// switch counts ("/Sxyz" is silent), other arguments are passed over.
UpdaterSwitches ParseUpdaterCommandLine(const std::vector<std::string>& arguments);

// Splits a command line after its program name into arguments, as the
// runtime does for simple lines: blanks separate, double quotes group.
std::vector<std::string> SplitArguments(std::string_view commandLine);

struct Version {
    int major = 0, minor = 0, build = 0;
};

// The version of the editor as installed, from its file version's two
// 32-bit halves (most significant first).
Version InstalledVersion(uint32_t versionMS, uint32_t versionLS);

// The server's reply, split at its first two line feeds; a carriage return
// before a line feed is dropped. False when the reply holds no line feed.
struct ServerReply {
    std::string packageName;
    std::string mirrorLine;
    std::string notes;
};
bool SplitReply(std::string_view reply, ServerReply& out);

// The mirrors of the mirror line, in order, split at every '|'.
std::vector<std::string> SplitMirrors(std::string_view mirrorLine);

// Reads "name_major.minor.build…". False when the name has no '_', the text
// after it is longer than 99 characters, the major version is 0, a '.' is
// missing, or the name could leave the download folder ("..", '\', '/', ':').
bool ReadPackageVersion(std::string_view packageName, Version& out);

// Newer when major, then minor, then build compare greater.
bool IsNewerVersion(const Version& package, const Version& installed);

// One adapter of the platform's list as the walk needs it.
struct AdapterRecord {
    std::string description;
    std::vector<uint8_t> address;  // as many bytes as the adapter reports
    unsigned addressLength = 0;    // the length field as the platform gave it
};
// Two upper-case hexadecimal digits per address byte of the first adapter
// whose description does not begin with "VMvare"; empty when none qualifies
// or an adapter reports a length longer than the 8-byte address field.
std::string AdapterText(const std::vector<AdapterRecord>& adapters);

// The 16 bytes of processor identification leaf 0 (EAX, EBX, ECX, EDX, each
// lowest byte first) as 32 upper-case digits; empty when EAX's low byte is 0.
std::string ProcessorText(uint32_t eax, uint32_t ebx, uint32_t ecx, uint32_t edx);

// The request path sent to the update server.
std::string RequestPath(int productId, const std::string& adapter, const std::string& processor);

// Percent of the download shown: progress * 100 / maximum rounded as the
// platform's multiply-divide does (-1 for a maximum of 0), held within 0..90;
// the last tenth is left for the installation.
int DownloadPercent(unsigned long progress, unsigned long maximum);

// The registered message (and mutex) name of the updated program: its file
// name up to its last '.', or the whole name without one.
std::string ProgramBaseName(const std::string& fileName);

// The updater's own places below the program folder: the download folder's
// staging and backup folders and the list of files set aside. No package
// entry may name them.
inline constexpr char kStagingFolder[] = "update\\staging";
inline constexpr char kBackupFolder[] = "update\\backup";
inline constexpr char kSetAsideList[] = "update\\setaside.txt";

// True when the path below the program folder ('\' or '/' between folders)
// is one of the updater's own places or lies inside its staging or backup
// folder; letter case does not count.
bool IsUpdatersOwnPath(std::string_view relative);

// A cabinet entry's target below the program folder (which ends without
// '\'), or "" when the entry names a drive, starts with '\' or '/', holds an
// empty component or one that ends in '.' or a blank (so "..", "." and names
// the system would shorten), names one of the updater's own places, or the
// target would not fit in MAX_PATH.
std::string CabinetEntryTarget(const std::string& programFolder, const std::string& entryName);

// The format with each "%s" replaced by the next text, in order ("%%" is a
// '%'); a "%s" without a text left becomes empty.
std::string FillTexts(std::string_view format, const std::vector<std::string>& texts);

}  // namespace vantrel
