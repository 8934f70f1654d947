#pragma once
// The template database ("template.mdb"): one table per category, each with
// the text columns Name and Content. It is opened for one operation and
// closed at its end; this owner closes it on every path.
#include <string>
#include <vector>

#include <dovari.h>

class CTemplateDatabase {
public:
    // What the dialog lets the user type, in characters, and the buffers
    // that hold as many double-byte characters of the ANSI code page.
    static constexpr int kNameChars = 29;
    static constexpr int kContentChars = 1023;
    static constexpr int kNameSize = 2 * kNameChars + 1;
    static constexpr int kContentSize = 2 * kContentChars + 1;
    static constexpr int kTableSize = 260;

    explicit CTemplateDatabase(const std::string& path) : m_db(::DbOpen(path.c_str())) {}
    ~CTemplateDatabase() {
        if (m_db) ::DbClose(m_db);
    }
    CTemplateDatabase(const CTemplateDatabase&) = delete;
    CTemplateDatabase& operator=(const CTemplateDatabase&) = delete;

    bool IsOpen() const { return m_db != nullptr; }

    // The categories in the order the database lists them; false when the
    // list cannot be had.
    bool ReadTables(std::vector<std::string>& tables);
    // The template names of a category in the table's order; a row whose
    // name cannot be read is left out.
    std::vector<std::string> ReadNames(const std::string& table);
    // The row of a template: its name and its content ("" when it has none);
    // false when there is no such row.
    bool ReadTemplate(const std::string& table, const std::string& name, std::string& storedName,
                      std::string& content);
    // Runs a statement; false when the database refused it.
    bool Execute(const std::string& statement);

private:
    std::string Field(const char* name, int size, bool& read);

    DbHandle* m_db;
};

// Opens the database, runs the statement and closes it again: false only
// when the database cannot be opened, whether or not the statement ran.
bool ExecuteTemplateSql(const std::string& path, const std::string& statement);
