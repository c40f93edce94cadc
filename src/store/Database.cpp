#include "store/Database.h"

#include <algorithm>

#include <QtCore/QAtomicInteger>
#include <QtCore/QDate>
#include <QtCore/QFileInfo>
#include <QtCore/QRegularExpression>
#include <QtSql/QSqlDriver>
#include <QtSql/QSqlError>
#include <QtSql/QSqlRecord>

#include <sqlite3.h>

namespace vellamora {

namespace {

QString nextConnectionName()
{
    static QAtomicInteger<int> counter;
    return QStringLiteral("vellamora-%1").arg(counter.fetchAndAddRelaxed(1));
}

QString errorText(const QSqlError &error)
{
    QString text = error.databaseText();
    if (text.isEmpty())
        text = error.text();
    if (text.isEmpty())
        text = error.driverText();
    return text;
}

// UPPER(x) over the whole of Unicode, so that "società" matches "SOCIETÀ".
void unicodeUpper(sqlite3_context *ctx, int argc, sqlite3_value **argv)
{
    if (argc != 1 || sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const auto *text = reinterpret_cast<const char *>(sqlite3_value_text(argv[0]));
    const int bytes = sqlite3_value_bytes(argv[0]);
    // Plain ASCII (most descriptions) is folded in place, without a round trip through
    // UTF-16: a list search calls this once per row.
    if (std::all_of(text, text + bytes, [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
        char *out = static_cast<char *>(sqlite3_malloc(bytes + 1));
        if (!out) {
            sqlite3_result_error_nomem(ctx);
            return;
        }
        for (int i = 0; i < bytes; ++i)
            out[i] = (text[i] >= 'a' && text[i] <= 'z') ? char(text[i] - 'a' + 'A') : text[i];
        out[bytes] = '\0';
        sqlite3_result_text(ctx, out, bytes, sqlite3_free);
        return;
    }
    const QByteArray upper = QString::fromUtf8(text, bytes).toUpper().toUtf8();
    sqlite3_result_text(ctx, upper.constData(), int(upper.size()), SQLITE_TRANSIENT);
}

bool isRead(const QString &sql)
{
    const QString head = sql.trimmed().left(8).toUpper();
    return head.startsWith(QLatin1String("SELECT")) || head.startsWith(QLatin1String("PRAGMA"))
           || head.startsWith(QLatin1String("EXPLAIN"));
}

QString withColon(const QString &name)
{
    return name.startsWith(QLatin1Char(':')) ? name : QLatin1Char(':') + name;
}

QString bare(const QString &name)
{
    return name.startsWith(QLatin1Char(':')) ? name.mid(1) : name;
}

} // namespace

Database::Database() : m_connectionName(nextConnectionName()) {}

Database::~Database()
{
    close();
}

void Database::open(const QString &filePath, Access access)
{
    close();
    if (access == Access::ReadOnly && !QFileInfo::exists(filePath))
        throw StoreError(QStringLiteral("unable to open database file: ") + filePath);
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    m_db.setDatabaseName(filePath);
    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000");
    if (access == Access::ReadOnly)
        options += QStringLiteral(";QSQLITE_OPEN_READONLY");
    m_db.setConnectOptions(options);
    if (!m_db.open()) {
        const QString text = errorText(m_db.lastError());
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_connectionName);
        throw StoreError(text);
    }
    m_path = filePath;
    m_widths.clear();
    try {
        // SQLite opens any file lazily; reading the catalogue shows whether it is a database.
        {
            QSqlQuery probe(m_db);
            if (!probe.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")))
                throw StoreError(errorText(probe.lastError()));
        }
        registerFunctions();
    } catch (...) {
        close();
        throw;
    }
}

void Database::close()
{
    for (sqlite3_stmt *statement : std::as_const(m_statements))
        sqlite3_finalize(statement);
    m_statements.clear();
    if (!m_db.isValid())
        return;
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connectionName);
    m_path.clear();
    m_widths.clear();
}

bool Database::isOpen() const
{
    return m_db.isValid() && m_db.isOpen();
}

sqlite3 *Database::handle() const
{
    if (!isOpen())
        return nullptr;
    const QVariant handle = m_db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3 *const *>(handle.constData());
}

void Database::setCacheSize(int kibibytes)
{
    exec(QStringLiteral("PRAGMA cache_size = ") + QString::number(-qMax(kibibytes, 1)));
}

sqlite3_stmt *Database::cachedStatement(const QString &sql)
{
    if (sqlite3_stmt *kept = m_statements.value(sql)) {
        sqlite3_reset(kept);
        sqlite3_clear_bindings(kept);
        return kept;
    }
    sqlite3 *raw = handle();
    if (!raw)
        throw StoreError(QStringLiteral("the database is not open"));
    // A handful of texts are hot; anything beyond that is not worth keeping.
    constexpr qsizetype kKept = 16;
    if (m_statements.size() >= kKept) {
        for (sqlite3_stmt *statement : std::as_const(m_statements))
            sqlite3_finalize(statement);
        m_statements.clear();
    }
    const QByteArray text = sql.toUtf8();
    sqlite3_stmt *statement = nullptr;
    if (sqlite3_prepare_v3(raw, text.constData(), int(text.size()), SQLITE_PREPARE_PERSISTENT, &statement,
                           nullptr)
        != SQLITE_OK) {
        const QString error = QString::fromUtf8(sqlite3_errmsg(raw));
        sqlite3_finalize(statement);
        throw StoreError(error);
    }
    m_statements.insert(sql, statement);
    return statement;
}

void Database::registerFunctions()
{
    sqlite3 *raw = handle();
    if (!raw)
        throw StoreError(QStringLiteral("the SQLite driver gives no connection handle"));
    const int rc = sqlite3_create_function_v2(raw, "UPPER", 1,
                                              SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                                              &unicodeUpper, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        throw StoreError(QString::fromUtf8(sqlite3_errmsg(raw)));
}

QVariant Database::bindable(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::QString:
        return value.toString().isEmpty() ? QVariant(QMetaType::fromType<QString>()) : value;
    case QMetaType::QDate: {
        const QDate d = value.toDate();
        return d.isValid() ? QVariant(d.toString(Qt::ISODate)) : QVariant(QMetaType::fromType<QString>());
    }
    case QMetaType::QDateTime: {
        const QDate d = value.toDateTime().date();
        return d.isValid() ? QVariant(d.toString(Qt::ISODate)) : QVariant(QMetaType::fromType<QString>());
    }
    case QMetaType::Bool:
        return QVariant(value.toBool() ? 1 : 0);
    default:
        return value;
    }
}

QStringList Database::splitStatements(const QString &sql)
{
    QStringList out;
    QString current;
    QChar quote;
    for (const QChar c : sql) {
        if (!quote.isNull()) {
            current += c;
            if (c == quote)
                quote = QChar();
            continue;
        }
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            quote = c;
            current += c;
        } else if (c == QLatin1Char(';')) {
            if (!current.trimmed().isEmpty())
                out << current.trimmed();
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.trimmed().isEmpty())
        out << current.trimmed();
    return out;
}

void Database::note(const QString &sql)
{
    if (isRead(sql))
        ++m_counters.reads;
    else
        ++m_counters.writes;
    if (m_logging)
        m_log << sql;
}

QSqlQuery Database::prepare(const QString &sql, const SqlParams &params, bool scrollable)
{
    if (!isOpen())
        throw StoreError(QStringLiteral("the database is not open"));
    QSqlQuery query(m_db);
    query.setForwardOnly(!scrollable);
    if (!query.prepare(sql))
        throw StoreError(errorText(query.lastError()));
    for (const auto &[name, value] : params)
        query.bindValue(withColon(name), bindable(value));
    return query;
}

void Database::run(QSqlQuery &query, const QString &sql)
{
    note(sql);
    if (!query.exec())
        throw StoreError(errorText(query.lastError()));
}

void Database::exec(const QString &sql, const SqlParams &params)
{
    const QStringList statements = splitStatements(sql);
    for (const QString &statement : statements) {
        // Each statement gets only the parameters it names.
        SqlParams own;
        for (const auto &p : params) {
            static const QRegularExpression wordEnd(QStringLiteral("[^A-Za-z0-9_]"));
            const QString placeholder = withColon(p.first);
            qsizetype at = statement.indexOf(placeholder, 0, Qt::CaseInsensitive);
            while (at >= 0) {
                const qsizetype after = at + placeholder.size();
                if (after >= statement.size() || wordEnd.match(statement.mid(after, 1)).hasMatch()) {
                    own.push_back(p);
                    break;
                }
                at = statement.indexOf(placeholder, after, Qt::CaseInsensitive);
            }
        }
        QSqlQuery query = prepare(statement, own, false);
        run(query, statement);
        const QString head = statement.trimmed().left(12).toUpper();
        if (head.startsWith(QLatin1String("ALTER")) || head.startsWith(QLatin1String("CREATE"))
            || head.startsWith(QLatin1String("DROP")))
            m_widths.clear();
    }
}

QSqlQuery Database::select(const QString &sql, const SqlParams &params, bool scrollable)
{
    QSqlQuery query = prepare(sql, params, scrollable);
    run(query, sql);
    return query;
}

QVariant Database::scalar(const QString &sql, const SqlParams &params)
{
    QSqlQuery query = select(sql, params);
    return query.next() ? query.value(0) : QVariant();
}

const QHash<QString, int> &Database::charWidths(const QString &table)
{
    const QString key = table.toLower();
    auto it = m_widths.find(key);
    if (it != m_widths.end())
        return *it;
    QHash<QString, int> widths;
    static const QRegularExpression charType(QStringLiteral("^\\s*CHAR\\s*\\(\\s*(\\d+)\\s*\\)"),
                                             QRegularExpression::CaseInsensitiveOption);
    QSqlQuery info(m_db);
    if (!info.exec(QStringLiteral("PRAGMA table_info(\"%1\")").arg(table)))
        throw StoreError(errorText(info.lastError()));
    while (info.next()) {
        const auto m = charType.match(info.value(2).toString());
        if (m.hasMatch())
            widths.insert(info.value(1).toString().toLower(), m.captured(1).toInt());
    }
    return *m_widths.insert(key, widths);
}

SqlParams Database::cutToWidths(const QString &table, const SqlParams &values)
{
    const QHash<QString, int> &widths = charWidths(table);
    SqlParams out = values;
    for (auto &[name, value] : out) {
        const auto w = widths.constFind(bare(name).toLower());
        if (w != widths.cend() && value.typeId() == QMetaType::QString)
            value = value.toString().left(*w);
    }
    return out;
}

void Database::insert(const QString &table, const SqlParams &values)
{
    QStringList names;
    QStringList placeholders;
    for (const auto &[name, value] : values) {
        names << bare(name);
        placeholders << withColon(name);
    }
    const QString sql = QStringLiteral("INSERT INTO ") + table + QStringLiteral(" (")
                        + names.join(QLatin1Char(',')) + QStringLiteral(") VALUES (")
                        + placeholders.join(QLatin1Char(',')) + QLatin1Char(')');
    QSqlQuery query = prepare(sql, cutToWidths(table, values), false);
    run(query, sql);
}

int Database::update(const QString &table, const SqlParams &values, const QString &where,
                     const SqlParams &whereParams)
{
    QStringList sets;
    for (const auto &[name, value] : values)
        sets << bare(name) + QStringLiteral(" = ") + withColon(name);
    QString sql = QStringLiteral("UPDATE ") + table + QStringLiteral(" SET ") + sets.join(QStringLiteral(", "));
    if (!where.isEmpty())
        sql += QStringLiteral(" WHERE ") + where;
    SqlParams all = cutToWidths(table, values);
    all.insert(all.end(), whereParams.begin(), whereParams.end());
    QSqlQuery query = prepare(sql, all, false);
    run(query, sql);
    return query.numRowsAffected();
}

bool Database::tableExists(const QString &table)
{
    const QVariant n = scalar(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'table' "
                                             "AND lower(name) = lower(:name)"),
                              {{QStringLiteral("name"), table}});
    return n.toInt() > 0;
}

QStringList Database::columns(const QString &table)
{
    QSqlQuery query = select(QStringLiteral("SELECT * FROM ") + table + QStringLiteral(" LIMIT 0"));
    const QSqlRecord record = query.record();
    QStringList names;
    for (int i = 0; i < record.count(); ++i)
        names << record.fieldName(i);
    return names;
}

void Database::addColumns(const QString &table,
                          const std::vector<std::pair<QString, QString>> &columns)
{
    for (const auto &[name, type] : columns)
        exec(QStringLiteral("ALTER TABLE ") + table + QStringLiteral(" ADD COLUMN ") + name
             + QLatin1Char(' ') + type);
}

void Database::compactCopyTo(const QString &path)
{
    exec(QStringLiteral("VACUUM INTO :path"), {{QStringLiteral("path"), path}});
}

} // namespace vellamora
