// The database exports (11-22, 44-46) over the engine in db/.
//
// Each call on a handle empties its error text, runs, and turns any failure
// into 0 and "Error: <description>\n"; nothing is thrown across the library
// boundary.
#include "dovari.h"

#include "db/db_engine.h"
#include "db/db_text.h"

#include <cstdio>
#include <new>

using dovari::db::DbConnection;
using dovari::db::DbError;
using dovari::db::DbRecordset;
using dovari::db::DbValue;

struct DbHandle {
    std::unique_ptr<DbConnection> connection;
    std::unique_ptr<DbRecordset> recordset;
    char lastError[256];
};

namespace {

constexpr int kConnectionStringSize = 256;
// A first unit the platform's text fields use for an unset value.
constexpr wchar_t kUnsetText = 0xF2D8;

void SetError(DbHandle* db, const std::wstring& description)
{
    const std::string text = "Error: " + dovari::db::AnsiFromWide(description) + "\n";
    dovari::db::CopyCut(text, db->lastError, sizeof db->lastError);
}

template <typename Body>
int Guarded(DbHandle* db, Body&& body)
{
    if (db == nullptr)
        return 0;
    db->lastError[0] = '\0';
    try {
        return body();
    } catch (const DbError& e) {
        SetError(db, e.description());
    } catch (const std::bad_alloc&) {
        SetError(db, L"Out of memory.");
    } catch (...) {
        SetError(db, L"Unexpected failure in the database layer.");
    }
    return 0;
}

DbRecordset& Current(DbHandle* db)
{
    if (!db->recordset)
        throw DbError(L"No recordset is open.");
    return *db->recordset;
}

std::wstring Argument(const char* text)
{
    if (text == nullptr)
        throw DbError(L"A text argument is missing.");
    return dovari::db::WideFromAnsi(text);
}

void FreeHandle(DbHandle* db)
{
    db->~DbHandle();
    GlobalFree(db);
}

} // namespace

extern "C" {

DbHandle* DbOpen(const char* path)
{
    if (path == nullptr)
        return nullptr;
    char connection[kConnectionStringSize];
    const int length =
        std::snprintf(connection, sizeof connection, "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%s;", path);
    if (length < 0 || length >= kConnectionStringSize)
        return nullptr;
    void* memory = GlobalAlloc(GPTR, sizeof(DbHandle));
    if (memory == nullptr)
        return nullptr;
    auto db = new (memory) DbHandle{};
    try {
        db->connection = std::make_unique<DbConnection>();
        db->connection->Open(dovari::db::WideFromAnsi(connection));
        return db;
    } catch (...) {
        FreeHandle(db);
        return nullptr;
    }
}

int DbClose(DbHandle* db)
{
    const int closed = Guarded(db, [&] {
        db->connection->Close();
        return 1;
    });
    if (closed)
        FreeHandle(db);
    return closed;
}

int DbOpenRecordset(DbHandle* db, const char* source)
{
    return Guarded(db, [&] {
        // The old recordset goes first, whether or not the new one opens.
        db->recordset.reset();
        db->recordset = db->connection->OpenRecordset(Argument(source));
        return 1;
    });
}

int DbCloseRecordset(DbHandle* db)
{
    return Guarded(db, [&] {
        Current(db).Close();
        return 1;
    });
}

int DbGetField(DbHandle* db, const char* field, char* buffer, int size)
{
    const bool writable = buffer != nullptr && size > 0;
    bool read = false;
    const int copied = Guarded(db, [&] {
        if (!writable)
            throw DbError(L"The field buffer is missing.");
        const DbValue& value = Current(db).Field(Argument(field));
        read = true;
        if (value.kind != DbValue::Kind::Text)
            return 0;
        if (value.text.empty() || value.text[0] == kUnsetText) {
            buffer[0] = '\0';
            return 0;
        }
        dovari::db::CopyCut(dovari::db::AnsiFromWide(value.text), buffer, size);
        return 1;
    });
    if (db != nullptr && !read && writable)
        buffer[0] = '\0';
    return copied;
}

int DbSetField(DbHandle* db, const char* field, const char* value)
{
    return Guarded(db, [&] {
        Current(db).Update(Argument(field), Argument(value));
        return 1;
    });
}

int DbRecordCount(DbHandle* db)
{
    return Guarded(db, [&] { return Current(db).RecordCount(); });
}

int DbMoveFirst(DbHandle* db)
{
    return Guarded(db, [&] {
        Current(db).MoveFirst();
        return 1;
    });
}

int DbMoveLast(DbHandle* db)
{
    return Guarded(db, [&] {
        Current(db).MoveLast();
        return 1;
    });
}

int DbMoveNext(DbHandle* db)
{
    return Guarded(db, [&] {
        DbRecordset& recordset = Current(db);
        if (recordset.Eof())
            return 0;
        recordset.MoveNext();
        return 1;
    });
}

int DbMovePrevious(DbHandle* db)
{
    return Guarded(db, [&] {
        Current(db).MovePrevious();
        return 1;
    });
}

const char* DbLastError(DbHandle* db)
{
    return db != nullptr ? db->lastError : "";
}

int DbOpenTables(DbHandle* db, int schema)
{
    return Guarded(db, [&] {
        // Catalogue, schema and table name open; type "Table" only.
        const std::vector<std::wstring> restrictions{L"", L"", L"", L"Table"};
        db->recordset.reset();
        db->recordset = db->connection->OpenSchema(schema, restrictions);
        return 1;
    });
}

int DbExecute(DbHandle* db, const char* sql)
{
    return Guarded(db, [&] {
        db->connection->Execute(Argument(sql));
        return 1;
    });
}

} // extern "C"
