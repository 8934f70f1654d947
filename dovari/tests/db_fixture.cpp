#include "db_fixture.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <windows.h>

namespace dovari_test {

namespace {

// Wine gives the test ANSI paths; SQLite wants UTF-8.
std::string Utf8Path(const std::string& path)
{
    std::wstring wide(path.size(), L'\0');
    wide.resize(MultiByteToWideChar(CP_ACP, 0, path.data(), static_cast<int>(path.size()), wide.data(),
                                    static_cast<int>(wide.size())));
    std::string utf8(wide.size() * 3, '\0');
    utf8.resize(WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(),
                                    static_cast<int>(utf8.size()), nullptr, nullptr));
    return utf8;
}

struct Db {
    explicit Db(const std::string& path, int flags)
    {
        if (sqlite3_open_v2(Utf8Path(path).c_str(), &db, flags, nullptr) != SQLITE_OK)
            ADD_FAILURE() << "cannot open " << path << ": " << sqlite3_errmsg(db);
    }
    ~Db() { sqlite3_close(db); }
    sqlite3* db = nullptr;
};

} // namespace

void MakeDatabase(const std::string& path, std::string_view utf8Sql)
{
    Db file(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    char* message = nullptr;
    if (sqlite3_exec(file.db, std::string(utf8Sql).c_str(), nullptr, nullptr, &message) != SQLITE_OK)
        ADD_FAILURE() << "fixture statement failed: " << (message ? message : "") << "\n" << utf8Sql;
    sqlite3_free(message);
}

std::string QueryText(const std::string& path, std::string_view utf8Sql)
{
    Db file(path, SQLITE_OPEN_READONLY);
    sqlite3_stmt* stmt = nullptr;
    std::string result = "<none>";
    if (sqlite3_prepare_v2(file.db, std::string(utf8Sql).c_str(), -1, &stmt, nullptr) != SQLITE_OK) {
        ADD_FAILURE() << "query failed: " << sqlite3_errmsg(file.db);
        return result;
    }
    if (sqlite3_step(stmt) == SQLITE_ROW) {
        auto text = sqlite3_column_text(stmt, 0);
        result = text != nullptr ? reinterpret_cast<const char*>(text) : "<null>";
    }
    sqlite3_finalize(stmt);
    return result;
}

} // namespace dovari_test
