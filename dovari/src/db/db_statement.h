// A prepared SQLite statement owned for one scope, and the engine's error
// text as a DbError.
#pragma once

#include "db/db_engine.h"

#include <string_view>

struct sqlite3_stmt;

namespace dovari::db {

[[noreturn]] void ThrowEngineError(sqlite3* db);

class Statement {
public:
    // One statement in SQLite's dialect; text after it other than blanks
    // and ';' is refused, as Jet runs one statement at a time.
    Statement(sqlite3* db, std::wstring_view sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    void BindText(int index, std::wstring_view text);
    void BindInt64(int index, long long value);
    // True while a row is there; throws on failure.
    bool Step();

    sqlite3_stmt* get() const { return stmt_; }

private:
    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
};

} // namespace dovari::db
