#pragma once
#include <QtCore/QString>
#include <QtCore/QStringList>
#include <utility>
#include <vector>

namespace vellamora {

class Database;

// A column as the program documents it: name and type ("AUTOINC", "CHAR(n)",
// "MEMO", "FLOAT", "INTEGER", "DATE", "LOGICAL").
struct ColumnDef
{
    QString name;
    QString type;
};

struct TableDef
{
    QString name;
    std::vector<ColumnDef> columns;
    QString creationLogLine;
};

namespace schema {

// The seven tables in their first layout, in the order they are created.
const std::vector<TableDef> &tables();
const TableDef &table(const QString &name);
// The SQLite type that stands for a documented column type.
QString sqliteType(const QString &documentedType);
// The CREATE TABLE text: one line per column, names padded to `pad` characters.
QString createTableSql(const TableDef &table);

// The default groups of a section ("C", "N", "L"), the empty group first.
const QStringList &defaultGroups(QChar section);

struct Context
{
    QString workingFolder;   // with or without a trailing separator
    QString programFolder;
    bool restoreMarker = true;
};

// Creates the missing tables, writes their defaults, runs every missing upgrade
// step in order. Returns the creation log (one line per created table, each
// ended by a carriage return). Raises StoreError on the first engine error.
QString ensureSchema(Database &db, const Context &context);

struct IndexDef
{
    QString name;
    QString createSql;
};
// The indexes of VNarc66 that the day agenda and the one-shot cleanup use.
const std::vector<IndexDef> &agendaIndexes();

// The indexes the day agenda needs; created when missing.
void ensureIndexes(Database &db);

} // namespace schema
} // namespace vellamora
