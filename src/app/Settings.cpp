#include "app/Settings.h"

#include "store/Database.h"

#include <QtSql/QSqlRecord>

namespace vellamora {

void SettingsRow::load(Database &db)
{
    QSqlQuery query = db.select(QStringLiteral("SELECT * FROM VNset63"));
    QHash<QString, QVariant> values;
    const QSqlRecord record = query.record();
    const bool hasRow = query.next();
    for (int i = 0; i < record.count(); ++i)
        values.insert(record.fieldName(i).toLower(), hasRow ? query.value(i) : QVariant());
    m_values = std::move(values);
    m_loaded = true;
}

int SettingsRow::integer(const QString &column, int fallback) const
{
    bool ok = false;
    const int v = value(column).toInt(&ok);
    return ok ? v : fallback;
}

} // namespace vellamora
