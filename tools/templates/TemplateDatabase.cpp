#include "TemplateDatabase.h"

#include "TemplateSql.h"

namespace {
// The tables schema of the database layer.
constexpr int kSchemaTables = 20;
}  // namespace

std::string CTemplateDatabase::Field(const char* name, int size, bool& read) {
    std::string buffer(static_cast<size_t>(size), '\0');
    read = ::DbGetField(m_db, name, buffer.data(), size) != 0;
    buffer.resize(buffer.find('\0'));
    return buffer;
}

bool CTemplateDatabase::ReadTables(std::vector<std::string>& tables) {
    tables.clear();
    if (!m_db || !::DbOpenTables(m_db, kSchemaTables)) return false;
    do {
        bool read = false;
        std::string table = Field("TABLE_NAME", kTableSize, read);
        if (!read) break;
        tables.push_back(std::move(table));
    } while (::DbMoveNext(m_db));
    ::DbCloseRecordset(m_db);
    return true;
}

std::vector<std::string> CTemplateDatabase::ReadNames(const std::string& table) {
    std::vector<std::string> names;
    if (!m_db) return names;
    if (::DbOpenRecordset(m_db, template_sql::SelectNames(table).c_str())) {
        const int count = ::DbRecordCount(m_db);
        for (int i = 0; i < count; ++i) {
            bool read = false;
            std::string name = Field("Name", kNameSize, read);
            if (read) names.push_back(std::move(name));
            if (!::DbMoveNext(m_db)) break;
        }
    }
    ::DbCloseRecordset(m_db);
    return names;
}

bool CTemplateDatabase::ReadTemplate(const std::string& table, const std::string& name, std::string& storedName,
                                     std::string& content) {
    storedName.clear();
    content.clear();
    if (!m_db) return false;
    bool found = false;
    if (::DbOpenRecordset(m_db, template_sql::SelectTemplate(table, name).c_str()) && ::DbRecordCount(m_db) > 0) {
        bool read = false;
        storedName = Field("Name", kNameSize, read);
        content = Field("Content", kContentSize, read);
        found = true;
    }
    ::DbCloseRecordset(m_db);
    return found;
}

bool CTemplateDatabase::Execute(const std::string& statement) {
    return m_db && ::DbExecute(m_db, statement.c_str());
}

bool ExecuteTemplateSql(const std::string& path, const std::string& statement) {
    CTemplateDatabase database(path);
    if (!database.IsOpen()) return false;
    database.Execute(statement);
    return true;
}
