#pragma once
// A database with the appointment table and its indexes, and builders of appointments
// as the dialogs store them.
#include "agenda/Appointment.h"
#include "app/Regional.h"
#include "store/Database.h"

#include <QtCore/QTemporaryDir>

namespace vellamora::test {

class AgendaDatabase
{
public:
    AgendaDatabase();
    Database db;
    QTemporaryDir dir;
    QString file() const { return dir.filePath(QStringLiteral("vmarc.abs")); }
    // Inserts and returns the key given by the table.
    qint64 add(const Appointment &a);
    // Inserts many in one transaction.
    void addAll(std::vector<Appointment> &list);
};

// Builders: not done (never-done date), not suspended, no expiry, no advance notice.
Appointment oneShot(const QString &id, const QDate &date);
Appointment yearly(const QString &id, const QDate &start, const Regional &regional);
Appointment monthly(const QString &id, const QDate &start);
Appointment weekly(const QString &id, const QDate &start, const Regional &regional);
Appointment &withTimes(Appointment &a, const QString &from, const QString &to);

} // namespace vellamora::test
