#include "AgendaFixture.h"

#include "store/Schema.h"

#include <QtTest/QTest>

namespace vellamora::test {

AgendaDatabase::AgendaDatabase()
{
    db.open(file());
    db.exec(schema::createTableSql(schema::table(QStringLiteral("VNarc66"))));
    schema::ensureIndexes(db);
}

qint64 AgendaDatabase::add(const Appointment &a)
{
    db.insert(QStringLiteral("VNarc66"), agenda::appointmentValues(a));
    return db.scalar(QStringLiteral("SELECT max(codimp) FROM VNarc66")).toLongLong();
}

void AgendaDatabase::addAll(std::vector<Appointment> &list)
{
    db.exec(QStringLiteral("BEGIN"));
    for (Appointment &a : list)
        a.codimp = add(a);
    db.exec(QStringLiteral("COMMIT"));
}

namespace {
Appointment base(const QString &id, const QString &flag, const QDate &start)
{
    Appointment a;
    a.id = id;
    a.flag = flag;
    a.datefull = start;
    a.orario = QStringLiteral("  :  ");
    a.orario2 = QStringLiteral("  :  ");
    a.fatto = agenda::neverDoneDate(start);
    a.flagfatto = agenda::marker::no;
    a.anticipa = agenda::marker::no;
    a.sospeso = agenda::marker::no;
    a.flagscad = agenda::marker::no;
    a.scadenza = start;
    return a;
}
} // namespace

Appointment oneShot(const QString &id, const QDate &date)
{
    return base(id, QStringLiteral("O"), date);
}

Appointment yearly(const QString &id, const QDate &start, const Regional &regional)
{
    Appointment a = base(id, QStringLiteral("Y"), start);
    a.data = agenda::dayMonthText(start, regional);
    a.dayofmonth = agenda::marker::yearCountOff;
    return a;
}

Appointment monthly(const QString &id, const QDate &start)
{
    Appointment a = base(id, QStringLiteral("M"), start);
    a.dayofmonth = agenda::dayText(start);
    return a;
}

Appointment weekly(const QString &id, const QDate &start, const Regional &regional)
{
    Appointment a = base(id, QStringLiteral("W"), start);
    a.dayofweek = agenda::weekdayText(start, regional);
    a.dayindex = start.dayOfWeek() % 7 + 1;
    return a;
}

Appointment &withTimes(Appointment &a, const QString &from, const QString &to)
{
    a.orario = from;
    a.orario2 = to;
    return a;
}

} // namespace vellamora::test
