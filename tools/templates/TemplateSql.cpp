#include "TemplateSql.h"

namespace template_sql {

std::string Quoted(std::string_view text) {
    std::string quoted;
    quoted.reserve(text.size() + 2);
    quoted += '"';
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

std::string Table(std::string_view table) {
    std::string bracketed;
    bracketed.reserve(table.size() + 2);
    bracketed += '[';
    bracketed += table;
    bracketed += ']';
    return bracketed;
}

std::string SelectNames(std::string_view table) { return "select Name from " + Table(table); }

std::string SelectTemplate(std::string_view table, std::string_view name) {
    return "select * from " + Table(table) + " where Name=" + Quoted(name);
}

std::string DeleteTemplate(std::string_view table, std::string_view name) {
    return "delete * from " + Table(table) + " where Name=" + Quoted(name);
}

std::string InsertTemplate(std::string_view table, std::string_view name, std::string_view content) {
    return "insert into " + Table(table) + " (Name, Content) values (" + Quoted(name) + ", " + Quoted(content) + ")";
}

std::string UpdateTemplate(std::string_view table, std::string_view newName, std::string_view content,
                           std::string_view oldName) {
    return "update " + Table(table) + " set Name=" + Quoted(newName) + ",Content=" + Quoted(content) +
           " where Name=" + Quoted(oldName);
}

}  // namespace template_sql
