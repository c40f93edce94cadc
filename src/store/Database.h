#pragma once
#include "store/StoreError.h"

#include <QtCore/QHash>
#include <QtCore/QString>
#include <QtCore/QStringList>
#include <QtCore/QVariant>
#include <QtSql/QSqlDatabase>
#include <QtSql/QSqlQuery>
#include <utility>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace vellamora {

// Named values of a statement, in the order given: {":name" or "name", value}.
using SqlParams = std::vector<std::pair<QString, QVariant>>;

// One connection to the database file, in SQLite's dialect:
// - every bound empty text is stored as NULL, a QDate as ISO text, a bool as 0/1;
// - insert() and update() cut a text to the n of its CHAR(n) column;
// - UPPER() folds the case of every letter, not only ASCII ones;
// - several statements in one text run one by one, in order;
// - a busy timeout lets several connections share the file.
// Every failure is raised as StoreError with the engine's text.
class Database
{
public:
    enum class Access { ReadWrite, ReadOnly };

    Database();
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    // Opens (creating when missing, unless read-only) and checks that the file is a database.
    void open(const QString &filePath, Access access = Access::ReadWrite);
    void close();
    bool isOpen() const;
    QString filePath() const { return m_path; }

    // Runs one or several statements without a result.
    void exec(const QString &sql, const SqlParams &params = {});
    // Runs a SELECT; the result is forward-only unless `scrollable`.
    QSqlQuery select(const QString &sql, const SqlParams &params = {}, bool scrollable = false);
    // Runs a SELECT and returns the first column of the first row (null when no row).
    QVariant scalar(const QString &sql, const SqlParams &params = {});

    void insert(const QString &table, const SqlParams &values);
    // UPDATE table SET values [WHERE where]; `whereParams` bind the WHERE's own names.
    int update(const QString &table, const SqlParams &values, const QString &where = {},
               const SqlParams &whereParams = {});

    bool tableExists(const QString &table);
    // Column names of a table as the engine reports them ("SELECT * FROM table").
    QStringList columns(const QString &table);
    // Adds the columns (name, declared type) one ALTER statement each.
    void addColumns(const QString &table, const std::vector<std::pair<QString, QString>> &columns);

    // Writes a compacted, self-contained copy of the database to `path`.
    void compactCopyTo(const QString &path);

    // Counts of statements run, by kind, for tests and diagnostics.
    struct Counters
    {
        int reads = 0;
        int writes = 0;
    };
    const Counters &counters() const { return m_counters; }
    // When on, keeps the text of every statement run.
    void setLogging(bool on) { m_logging = on; }
    const QStringList &log() const { return m_log; }
    void clearLog() { m_log.clear(); m_counters = {}; }

    QSqlDatabase connection() const { return m_db; }
    // The engine's own connection, for hot read paths that step rows without QSqlQuery
    // (null when not open). Statements run through it should be passed to countRead().
    sqlite3 *handle() const;
    void countRead(const QString &sql) { note(sql); }
    // The engine's page cache of this connection, in KiB (the engine's default is 2 MiB).
    // Pages read stay in memory while the file is unchanged, so repeated agenda reads of a
    // large table need no file reads.
    void setCacheSize(int kibibytes);
    // A prepared statement of the engine for `sql`, kept for reuse until close(): planning
    // the agenda's text costs more than running it. Returned reset, without bindings.
    sqlite3_stmt *cachedStatement(const QString &sql);

    // The value as it is bound: empty text as NULL, dates as ISO text, bools as 0/1.
    static QVariant bindable(const QVariant &value);
    // Splits a text into its statements at ";" outside quotes; empty ones dropped.
    static QStringList splitStatements(const QString &sql);

private:
    QSqlQuery prepare(const QString &sql, const SqlParams &params, bool scrollable);
    void run(QSqlQuery &query, const QString &sql);
    void note(const QString &sql);
    const QHash<QString, int> &charWidths(const QString &table);
    SqlParams cutToWidths(const QString &table, const SqlParams &values);
    void registerFunctions();

    QString m_connectionName;
    QSqlDatabase m_db;
    QString m_path;
    Counters m_counters;
    bool m_logging = false;
    QStringList m_log;
    QHash<QString, QHash<QString, int>> m_widths; // lower-case table -> lower-case column -> n
    QHash<QString, sqlite3_stmt *> m_statements;   // see cachedStatement()
};

} // namespace vellamora
