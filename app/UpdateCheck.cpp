#include "UpdateCheck.h"

#include <dovari_sys.h>

namespace {

constexpr int32_t kSecondsPerDay = 86400;

bool FileVersionText(const char* path, std::string& text) {
    char buffer[64] = {};
    if (!::GetFileVersionText(path, buffer, (int)sizeof(buffer))) return false;
    text = buffer;
    return true;
}

}  // namespace

int32_t DayNumber(std::time_t seconds) { return (int32_t)(seconds / kSecondsPerDay); }

bool IsUpdateCheckDue(int32_t lastUpdate, int interval, int32_t day, bool force) {
    if (force || lastUpdate == 0) return true;
    if (day < lastUpdate) return true;
    return day - lastUpdate >= (interval < 1 ? 1 : interval);
}

std::string UpdaterCommandLine(const std::string& folder, bool silent) {
    std::string line = "\"" + folder + "\\" + kUpdaterFileName + "\"";
    if (silent) line += " /S";
    return line;
}

bool GetOwnFileVersion(std::string& text) { return FileVersionText(nullptr, text); }

std::string AboutVersionText(const char* path) {
    std::string version;
    return FileVersionText(path, version) ? "v" + version : "v1.0";
}
