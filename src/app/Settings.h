#pragma once
#include <QtCore/QHash>
#include <QtCore/QString>
#include <QtCore/QVariant>

namespace vellamora {

class Database;

// The one settings row of VNset63, read by column name without regard to case.
class SettingsRow
{
public:
    // Reads the row ("SELECT * FROM VNset63"); raises StoreError on failure.
    void load(Database &db);
    bool isLoaded() const { return m_loaded; }
    bool has(const QString &column) const { return m_values.contains(column.toLower()); }

    QVariant value(const QString &column) const { return m_values.value(column.toLower()); }
    QString text(const QString &column) const { return value(column).toString(); }
    int integer(const QString &column, int fallback = 0) const;
    // A LOGICAL column: NULL reads as false.
    bool logical(const QString &column) const { return value(column).toInt() != 0; }
    // A "Y"/"N" column: only "Y" is true; NULL and empty read as "N".
    bool yes(const QString &column) const { return text(column) == QLatin1String("Y"); }
    // A password lock is configured: a password, and the start lock ticked.
    bool lockConfigured() const
    {
        return !text(QStringLiteral("psw")).isEmpty() && yes(QStringLiteral("blocco"));
    }

private:
    QHash<QString, QVariant> m_values;
    bool m_loaded = false;
};

} // namespace vellamora
